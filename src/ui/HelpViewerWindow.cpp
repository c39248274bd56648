#include "ui/HelpViewerWindow.h"

#include "print/RichListing.h"
#include "storage/Messages.h"
#include "ui/HelpText.h"
#include "ui/PrinterDialog.h"
#include "ui/SavedGeometryWindow.h"

#include <QHBoxLayout>
#include <QPrinter>
#include <QPushButton>
#include <QTextEdit>
#include <QVBoxLayout>

namespace
{

// Wide enough for a line of text of the help files, as far as the screen allows.
const QSize kWantedSize(760, 640);

} // namespace

HelpViewerWindow::HelpViewerWindow(const QString& caption, Messages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages), text_(new QTextEdit),
      printButton_(new QPushButton(QStringLiteral("Print Page"))),
      closeButton_(new QPushButton(QStringLiteral("Close")))
{
    setWindowTitle(caption);
    text_->setReadOnly(true);
    text_->setObjectName(QStringLiteral("helpText"));
    connect(printButton_, &QPushButton::clicked, this, &HelpViewerWindow::print);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    closeButton_->setDefault(true);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(printButton_);
    buttons->addWidget(closeButton_);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_, 1);
    layout->addLayout(buttons);
}

void HelpViewerWindow::showEvent(QShowEvent* event)
{
    if (!shownBefore_) {
        shownBefore_ = true;
        fitOnScreen(this, kWantedSize);
    }
    QDialog::showEvent(event);
}

void HelpViewerWindow::print()
{
    printOnChosenPrinter(RichListing(windowTitle(), *text_->document(), QPageLayout::Portrait),
                         messages_, this);
}

bool HelpViewerWindow::printTo(QPagedPaintDevice& device) const
{
    return RichListing(windowTitle(), *text_->document(), QPageLayout::Portrait)
        .print(device)
        .finished();
}

void showHelpFile(const DataRoot& root, Messages& messages, QStringView name,
                  const QString& caption, QWidget* parent)
{
    HelpViewerWindow viewer(caption, messages, parent);
    const Done read = HelpText::read(root, name, *viewer.text()->document());
    if (!read) {
        messages.error(read.message());
        return;
    }
    viewer.exec();
}
