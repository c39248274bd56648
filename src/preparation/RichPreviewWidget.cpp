#include "preparation/RichPreviewWidget.h"

#include "storage/CommandGuard.h"
#include "ui/PrinterDialog.h"

#include <QAction>
#include <QTextDocument>
#include <QTextEdit>
#include <QToolBar>
#include <QVBoxLayout>

#include <functional>

RichPreviewWidget::RichPreviewWidget(Messages& messages, const QString& saveCaption,
                                     const QString& closeCaption, QWidget* parent)
    : QWidget(parent), messages_(messages), editor_(new QTextEdit(this)), tools_(new QToolBar(this))
{
    editor_->setAcceptRichText(false);
    const auto offer = [this](const QString& caption, auto command) {
        QAction* action = tools_->addAction(caption);
        connect(action, &QAction::triggered, this,
                [this, command] { runGuarded(messages_, [&] { std::invoke(command, this); }); });
    };
    offer(saveCaption, &RichPreviewWidget::saveToFile);
    offer(QStringLiteral("Save as PDF"), &RichPreviewWidget::saveAsPdf);
    offer(QStringLiteral("Print"), &RichPreviewWidget::print);
    tools_->addSeparator();
    offer(QStringLiteral("Copy"), &RichPreviewWidget::copyAll);
    offer(QStringLiteral("Paste"), [](RichPreviewWidget* w) { w->editor_->paste(); });
    offer(QStringLiteral("Cut"), [](RichPreviewWidget* w) { w->editor_->cut(); });
    offer(QStringLiteral("Undo"), [](RichPreviewWidget* w) { w->editor_->undo(); });
    tools_->addSeparator();
    offer(closeCaption, [](RichPreviewWidget* w) { emit w->closed(); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tools_);
    layout->addWidget(editor_, 1);
}

void RichPreviewWidget::showListing(const RichListing& listing, const QString& fileName)
{
    title_ = listing.title();
    header_ = listing.pageHeader();
    orientation_ = listing.orientation();
    fileName_ = fileName;
    editor_->setDocument(listing.document().clone(editor_));
    QWidget::show();
}

QAction* RichPreviewWidget::action(const QString& caption) const
{
    for (QAction* action : tools_->actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

RichListing RichPreviewWidget::printout() const
{
    RichListing listing(title_, *editor_->document(), orientation_);
    listing.setPageHeader(header_);
    return listing;
}

bool RichPreviewWidget::saveToFile()
{
    FileChoice choice = PrintFormats::fileChoice(PrintFormat::Rtf);
    choice.fileName = fileName_;
    const std::optional<QString> path = messages_.saveFile(choice);
    if (!path)
        return false;
    const Done written = printout().write(PrintFormat::Rtf, *path);
    if (!written)
        messages_.error(written.message());
    return written.ok();
}

bool RichPreviewWidget::saveAsPdf()
{
    return askAndWrite(printout(), PrintFormat::Pdf, messages_);
}

void RichPreviewWidget::print()
{
    printOnChosenPrinter(printout(), messages_, this);
}

void RichPreviewWidget::copyAll()
{
    editor_->selectAll();
    editor_->copy();
}
