#include "ui/TextListingWindow.h"

#include "print/RichListing.h"
#include "print/RichListingPrint.h"
#include "print/RtfWriter.h"

#include "ui/MessageDialog.h"

#include <QFileDialog>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

TextListingWindow::TextListingWindow(const QString& caption, const RichListing& listing,
                                     QWidget* parent)
    : QDialog(parent), editor_(new QTextEdit(this)), orientation_(listing.orientation())
{
    setWindowTitle(caption);
    editor_->setDocument(listing.document().clone(editor_));
    editor_->setAcceptRichText(false);
    editor_->setLineWrapMode(QTextEdit::NoWrap);

    auto* menus = new QMenuBar(this);
    auto* tools = new QToolBar(this);
    QMenu* file = menus->addMenu("File");
    QMenu* edit = menus->addMenu("Edit");
    auto addCommand = [&](QMenu* menu, const QString& text, auto slot) {
        QAction* action = menu->addAction(text);
        connect(action, &QAction::triggered, this, slot);
        tools->addAction(action);
        return action;
    };
    addCommand(file, "Save As", &TextListingWindow::saveAs);
    addCommand(file, "Save as PDF", &TextListingWindow::saveAsPdf);
    addCommand(file, "Print", &TextListingWindow::print);
    file->addSeparator();
    addCommand(file, "Exit", &QDialog::accept);
    tools->addSeparator();
    addCommand(edit, "Select All", [this] { editor_->selectAll(); });
    addCommand(edit, "Undo", [this] { editor_->undo(); });
    addCommand(edit, "Copy", &TextListingWindow::copyAll);
    addCommand(edit, "Paste", [this] { editor_->paste(); });
    addCommand(edit, "Cut", [this] { editor_->cut(); });

    auto* close = new QPushButton("Close", this);
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    buttons_ = new QHBoxLayout;
    buttons_->addStretch();
    buttons_->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(tools);
    layout->addWidget(editor_);
    layout->addLayout(buttons_);
    resize(900, 640);
}

QTextDocument* TextListingWindow::document() const
{
    return editor_->document();
}

QPushButton* TextListingWindow::addButton(const QString& caption)
{
    auto* button = new QPushButton(caption, this);
    buttons_->insertWidget(1, button);
    return button;
}

bool TextListingWindow::saveRtf(const QString& path)
{
    const Done saved = RtfWriter::save(*document(), orientation_, path);
    if (!saved)
        QMessageBox::warning(this, windowTitle(), saved.message());
    return saved.ok();
}

bool TextListingWindow::savePdf(const QString& path)
{
    const Done saved = saveRichListingPdf(*document(), orientation_, path);
    if (!saved)
        QMessageBox::warning(this, windowTitle(), saved.message());
    return saved.ok();
}

void TextListingWindow::saveAs()
{
    QFileDialog dialog(this, "Save As");
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setNameFilter("Text files (*.rtf)");
    dialog.setDefaultSuffix("rtf");
    if (dialog.exec() == QDialog::Accepted && !dialog.selectedFiles().isEmpty())
        saveRtf(dialog.selectedFiles().constFirst());
}

void TextListingWindow::saveAsPdf()
{
    if (const auto path = MessageDialog(this).saveFile(FileChoice::pdfFile()))
        savePdf(*path);
}

void TextListingWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(windowTitle());
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted)
        return;
    if (printRichListing(*document(), orientation_, printer) == 0)
        QMessageBox::warning(this, windowTitle(),
                             "The printer " + printer.printerName() + " did not start printing.");
}

void TextListingWindow::copyAll()
{
    editor_->selectAll();
    editor_->copy();
}
