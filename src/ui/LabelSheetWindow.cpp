#include "ui/LabelSheetWindow.h"

#include "storage/CommandGuard.h"
#include "storage/Messages.h"
#include "ui/LabelStartWidget.h"
#include "ui/PrinterDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

LabelSheetWindow::LabelSheetWindow(Messages& messages, const QString& caption,
                                   const LabelStock& stock, const LabelSheetTexts& texts,
                                   QWidget* parent)
    : QDialog(parent), messages_(messages), intro_(new QLabel(this)),
      start_(new LabelStartWidget(stock, this))
{
    setWindowTitle(caption);
    auto* layout = new QVBoxLayout(this);
    intro_->setWordWrap(true);
    intro_->hide();
    layout->addWidget(intro_);
    for (const QString& line : {texts.count, texts.sheets, texts.lastSheet})
        if (!line.isEmpty())
            layout->addWidget(new QLabel(line, this));
    layout->addWidget(new QLabel("Insert the labels in your printer ", this));

    layout->addWidget(new QLabel("Select the Label to start printing with", this));
    layout->addWidget(new QLabel(stock.caption, this));
    layout->addWidget(new QLabel(stock.layoutText(), this));
    layout->addWidget(start_);

    auto* print = new QPushButton("Print ", this);
    auto* pdf = new QPushButton("Save as PDF", this);
    auto* cancel = new QPushButton("Cancel ", this);
    connect(print, &QPushButton::clicked, this,
            [this] { runGuarded(messages_, [this] { this->print(); }); });
    connect(pdf, &QPushButton::clicked, this,
            [this] { runGuarded(messages_, [this] { saveAsPdf(); }); });
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(pdf);
    buttons->addStretch();
    buttons->addWidget(cancel);
    layout->addLayout(buttons);
}

void LabelSheetWindow::setIntroText(const QString& text)
{
    intro_->setText(text);
    intro_->setVisible(!text.isEmpty());
}

int LabelSheetWindow::startLabel() const
{
    return start_->startLabel();
}

LabelPosition LabelSheetWindow::startPosition() const
{
    return start_->startPosition();
}

QAbstractButton* LabelSheetWindow::startButton(int label) const
{
    return start_->startButton(label);
}

void LabelSheetWindow::showEvent(QShowEvent* event)
{
    // Every opening starts from the first label: a partly used sheet is a
    // choice made for one run only.
    start_->startAtFirst();
    QDialog::showEvent(event);
}

void LabelSheetWindow::finish()
{
    if (!doneMessage_.isEmpty())
        messages_.inform(doneMessage_);
    accept();
}

void LabelSheetWindow::print()
{
    if (!labels_)
        return;
    const auto outcome = printOnChosenPrinter(labels_(startPosition()), messages_, this);
    if (outcome && !outcome->deviceFailed)
        finish();
}

void LabelSheetWindow::saveAsPdf()
{
    if (labels_ && askAndWrite(labels_(startPosition()), PrintFormat::Pdf, messages_))
        finish();
}
