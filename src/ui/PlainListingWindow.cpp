#include "ui/PlainListingWindow.h"

#include "storage/CommandGuard.h"
#include "ui/PrinterDialog.h"

#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextDocument>
#include <QTextOption>
#include <QToolBar>
#include <QVBoxLayout>

#include <functional>

PlainListingWindow::PlainListingWindow(Messages& messages, const QString& caption,
                                       CanvasListing listing, const QString& closeCaption,
                                       QWidget* parent)
    : QDialog(parent), messages_(messages), listing_(std::move(listing)),
      editor_(new QPlainTextEdit(this)), closeButton_(new QPushButton(closeCaption, this))
{
    setWindowTitle(caption);
    QFont font = listing_.layout().font;
    font.setPointSize(10);
    editor_->setFont(font);
    editor_->setLineWrapMode(QPlainTextEdit::NoWrap);
    editor_->setPlainText(listing_.lines().join(u'\n'));
    lineUpTabs();

    auto* menus = new QMenuBar(this);
    auto* tools = new QToolBar(this);
    QMenu* file = menus->addMenu(QStringLiteral("&File"));
    QMenu* edit = menus->addMenu(QStringLiteral("&Edit"));
    const auto offer = [&](QMenu* menu, const QString& text, auto command) {
        QAction* action = menu->addAction(text);
        tools->addAction(action);
        connect(action, &QAction::triggered, this,
                [this, command] { runGuarded(messages_, [&] { std::invoke(command, this); }); });
    };
    offer(file, QStringLiteral("&Save As"), &PlainListingWindow::saveAs);
    offer(file, QStringLiteral("Save as &PDF"), &PlainListingWindow::saveAsPdf);
    offer(file, QStringLiteral("&Print"), &PlainListingWindow::print);
    file->addSeparator();
    offer(file, QStringLiteral("E&xit"), &QDialog::accept);
    tools->addSeparator();
    offer(edit, QStringLiteral("Select &All"),
          [](PlainListingWindow* w) { w->editor_->selectAll(); });
    offer(edit, QStringLiteral("&Undo"), [](PlainListingWindow* w) { w->editor_->undo(); });
    offer(edit, QStringLiteral("&Copy"), &PlainListingWindow::copyAll);
    offer(edit, QStringLiteral("&Paste"), [](PlainListingWindow* w) { w->editor_->paste(); });
    offer(edit, QStringLiteral("C&ut"), [](PlainListingWindow* w) { w->editor_->cut(); });

    closeButton_->setAutoDefault(false);
    connect(closeButton_, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(closeButton_);

    auto* layout = new QVBoxLayout(this);
    layout->setMenuBar(menus);
    layout->addWidget(tools);
    layout->addWidget(editor_, 1);
    layout->addLayout(buttons);
    resize(900, 600);
}

void PlainListingWindow::lineUpTabs()
{
    // The text area shows the tabs as the paper does: in columns, or as
    // blanks to every eighth character of the fixed-pitch font.
    const QFontMetricsF metrics(editor_->font());
    QTextOption option = editor_->document()->defaultTextOption();
    if (listing_.layout().tabs == CanvasListingLayout::Tabs::Blanks) {
        option.setTabs({});
        option.setTabStopDistance(listing_.layout().blankTabWidth *
                                  metrics.horizontalAdvance(u' '));
    } else {
        QList<QTextOption::Tab> tabs;
        for (double start : CanvasListing::columnStarts(listing_.lines(), metrics))
            tabs << QTextOption::Tab(start, QTextOption::LeftTab);
        option.setTabs(tabs);
    }
    editor_->document()->setDefaultTextOption(option);
}

QStringList PlainListingWindow::lines() const
{
    return editor_->toPlainText().split(u'\n');
}

CanvasListing PlainListingWindow::printout() const
{
    return CanvasListing(listing_.title(), listing_.layout(), lines());
}

bool PlainListingWindow::saveAs()
{
    return askAndWrite(printout(), PrintFormat::Text, messages_);
}

bool PlainListingWindow::saveAsPdf()
{
    return askAndWrite(printout(), PrintFormat::Pdf, messages_);
}

void PlainListingWindow::print()
{
    if (const auto outcome = printOnChosenPrinter(printout(), messages_, this))
        printed(*outcome);
}

void PlainListingWindow::copyAll()
{
    editor_->selectAll();
    editor_->copy();
}
