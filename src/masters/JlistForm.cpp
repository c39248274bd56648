#include "masters/JlistForm.h"

#include "masters/JudgesList.h"
#include "storage/Messages.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QToolBar>
#include <QVBoxLayout>

TJlistForm::TJlistForm(const QStringList& lines, Messages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages), editor_(new QPlainTextEdit(this))
{
    setWindowTitle(QStringLiteral("List of Judges"));
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setPlainText(lines.join(u'\n'));

    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(QStringLiteral("&File"));
    QMenu* editMenu = menus->addMenu(QStringLiteral("&Edit"));
    auto* tools = new QToolBar(this);
    const auto offer = [&](QMenu* menu, const QString& caption, auto slot) {
        QAction* action = menu->addAction(caption);
        tools->addAction(action);
        connect(action, &QAction::triggered, this, slot);
    };
    offer(file, QStringLiteral("Save As"), &TJlistForm::saveAs);
    offer(file, QStringLiteral("Save as PDF"), &TJlistForm::saveAsPdf);
    offer(file, QStringLiteral("Print"), &TJlistForm::print);
    offer(file, QStringLiteral("Exit"), &QDialog::accept);
    offer(editMenu, QStringLiteral("Copy"), &TJlistForm::copyAll);
    offer(editMenu, QStringLiteral("Paste"), [this] { editor_->paste(); });
    offer(editMenu, QStringLiteral("Cut"), [this] { editor_->cut(); });
    offer(editMenu, QStringLiteral("Undo"), [this] { editor_->undo(); });
    offer(editMenu, QStringLiteral("Select All"), [this] { editor_->selectAll(); });

    auto* done = new QPushButton(QStringLiteral("Done"), this);
    done->setAutoDefault(false);
    connect(done, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(done);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(tools);
    layout->addWidget(editor_, 1);
    layout->addLayout(buttons);
    resize(900, 600);
}

QStringList TJlistForm::lines() const
{
    return editor_->toPlainText().split(u'\n');
}

bool TJlistForm::saveText(const QString& path)
{
    const Done saved = JudgesList::saveText(lines(), path);
    if (!saved)
        messages_.error(saved.message());
    return saved.ok();
}

bool TJlistForm::savePdf(const QString& path)
{
    const Done saved = JudgesList::savePdf(lines(), path);
    if (!saved)
        messages_.error(saved.message());
    return saved.ok();
}

void TJlistForm::saveAs()
{
    FileChoice choice;
    choice.title = QStringLiteral("Save As");
    choice.filter = QStringLiteral("Text files (*.txt)");
    choice.defaultSuffix = QStringLiteral("txt");
    choice.mustExist = false;
    if (const auto path = messages_.saveFile(choice))
        saveText(*path);
}

void TJlistForm::saveAsPdf()
{
    if (const auto path = messages_.saveFile(FileChoice::pdfFile()))
        savePdf(*path);
}

void TJlistForm::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(JudgesList::title);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    const CanvasListingResult result = JudgesList::print(
        lines(), printer, [&printer] { return printer.printerState() == QPrinter::Aborted; });
    messages_.inform(JudgesList::printedMessage(result));
}

void TJlistForm::copyAll()
{
    editor_->selectAll();
    editor_->copy();
}
