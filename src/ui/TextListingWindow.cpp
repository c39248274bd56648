#include "ui/TextListingWindow.h"

#include "storage/CommandGuard.h"
#include "ui/PrinterDialog.h"

#include <QHBoxLayout>
#include <QMenuBar>
#include <QPushButton>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include <functional>

TextListingWindow::TextListingWindow(Messages& messages, const RichListing& listing,
                                     QWidget* parent)
    : QDialog(parent), messages_(messages), title_(listing.title()),
      pageHeader_(listing.pageHeader()), orientation_(listing.orientation()),
      editor_(new QTextEdit(this))
{
    setWindowTitle(title_);
    editor_->setDocument(listing.document().clone(editor_));
    editor_->setAcceptRichText(false);
    editor_->setLineWrapMode(QTextEdit::NoWrap);

    auto* menus = new QMenuBar(this);
    auto* tools = new QToolBar(this);
    QMenu* file = menus->addMenu("File");
    QMenu* edit = menus->addMenu("Edit");
    auto addCommand = [&](QMenu* menu, const QString& text, auto slot) {
        QAction* action = menu->addAction(text);
        connect(action, &QAction::triggered, this,
                [this, slot] { runGuarded(messages_, [&] { std::invoke(slot, this); }); });
        tools->addAction(action);
        return action;
    };
    addCommand(file, "Save As", &TextListingWindow::saveAs);
    addCommand(file, "Save as PDF", &TextListingWindow::saveAsPdf);
    addCommand(file, "Print", &TextListingWindow::print);
    file->addSeparator();
    addCommand(file, "Exit", &QDialog::accept);
    tools->addSeparator();
    addCommand(edit, "Select All", [](TextListingWindow* w) { w->editor_->selectAll(); });
    addCommand(edit, "Undo", [](TextListingWindow* w) { w->editor_->undo(); });
    addCommand(edit, "Copy", &TextListingWindow::copyAll);
    addCommand(edit, "Paste", [](TextListingWindow* w) { w->editor_->paste(); });
    addCommand(edit, "Cut", [](TextListingWindow* w) { w->editor_->cut(); });

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

RichListing TextListingWindow::printout() const
{
    RichListing listing(title_, *document(), orientation_);
    listing.setPageHeader(pageHeader_);
    return listing;
}

void TextListingWindow::saveAs()
{
    askAndWrite(printout(), PrintFormat::Rtf, messages_);
}

void TextListingWindow::saveAsPdf()
{
    askAndWrite(printout(), PrintFormat::Pdf, messages_);
}

void TextListingWindow::print()
{
    printOnChosenPrinter(printout(), messages_, this);
}

void TextListingWindow::copyAll()
{
    editor_->selectAll();
    editor_->copy();
}
