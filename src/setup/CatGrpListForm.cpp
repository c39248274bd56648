#include "setup/CatGrpListForm.h"

#include "storage/Messages.h"

#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

TCatGrpListForm::TCatGrpListForm(dbf::Table& groups, CatGroupListing::Kind kind, Messages& messages,
                                 QWidget* parent)
    : QDialog(parent), messages_(messages)
{
    setWindowTitle(QStringLiteral("List of Catalog Grouping Codes"));
    editor_ = new QPlainTextEdit;
    QFont font = CatGroupListing::font();
    font.setPointSize(10);
    editor_->setFont(font);
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setPlainText(CatGroupListing::lines(groups, kind).join(u'\n'));

    auto* menus = new QMenuBar(this);
    QMenu* file = menus->addMenu(QStringLiteral("&File"));
    connect(file->addAction(QStringLiteral("&Save As")), &QAction::triggered, this,
            &TCatGrpListForm::SaveAsClick);
    connect(file->addAction(QStringLiteral("&Print")), &QAction::triggered, this,
            &TCatGrpListForm::PrintClick);
    connect(file->addAction(QStringLiteral("E&xit")), &QAction::triggered, this, &QDialog::close);
    QMenu* edit = menus->addMenu(QStringLiteral("&Edit"));
    connect(edit->addAction(QStringLiteral("Select &All")), &QAction::triggered, editor_,
            &QPlainTextEdit::selectAll);
    connect(edit->addAction(QStringLiteral("&Undo")), &QAction::triggered, editor_,
            &QPlainTextEdit::undo);
    connect(edit->addAction(QStringLiteral("&Copy")), &QAction::triggered, editor_,
            &QPlainTextEdit::copy);
    connect(edit->addAction(QStringLiteral("&Paste")), &QAction::triggered, editor_,
            &QPlainTextEdit::paste);
    connect(edit->addAction(QStringLiteral("C&ut")), &QAction::triggered, editor_,
            &QPlainTextEdit::cut);

    closeButton_ = new QPushButton(QStringLiteral("Close"));
    closeButton_->setAutoDefault(false);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(editor_, 1);
    layout->addLayout(buttons);
    resize(760, 520);
}

QStringList TCatGrpListForm::lines() const
{
    return editor_->toPlainText().split(u'\n');
}

bool TCatGrpListForm::SaveAsClick()
{
    FileChoice choice;
    choice.title = QStringLiteral("Save As");
    choice.filter = QStringLiteral("Text files (*.txt)");
    choice.defaultSuffix = QStringLiteral("txt");
    choice.mustExist = false;
    const std::optional<QString> path = messages_.saveFile(choice);
    if (!path)
        return false;
    const Done saved = CatGroupListing::saveText(*path, lines());
    if (!saved)
        messages_.error(saved.message());
    return saved.ok();
}

void TCatGrpListForm::PrintClick()
{
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    printer.setDocName(CatGroupListing::title());
    const CanvasListingResult result =
        CatGroupListing::printout(lines(), editor_->font()).print(printer);
    if (result.deviceFailed)
        messages_.error(QStringLiteral("The printer would not print ") + CatGroupListing::title());
}
