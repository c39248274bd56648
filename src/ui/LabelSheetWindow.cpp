#include "ui/LabelSheetWindow.h"

#include "print/LabelRun.h"
#include "print/OutputFile.h"
#include "ui/LabelStartWidget.h"

#include "ui/MessageDialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QVBoxLayout>

LabelSheetWindow::LabelSheetWindow(const QString& caption, const LabelStock& stock,
                                   const LabelSheetTexts& texts, QWidget* parent)
    : QDialog(parent), intro_(new QLabel(this)), start_(new LabelStartWidget(stock, this))
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
    connect(print, &QPushButton::clicked, this, &LabelSheetWindow::print);
    connect(pdf, &QPushButton::clicked, this, &LabelSheetWindow::saveAsPdf);
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

void LabelSheetWindow::printTo(QPagedPaintDevice& device)
{
    if (printAction_)
        printAction_(device, startPosition());
    accept();
}

bool LabelSheetWindow::printToPdf(const QString& path)
{
    // Labels are placed from the paper's edge: the whole sheet is the page.
    const Done saved = OutputFile::writePdf(path, {QString::fromLatin1(LabelRun::jobTitle)},
                                            [this](QPagedPaintDevice& pdf) {
                                                printTo(pdf);
                                                return Done::success();
                                            });
    if (!saved)
        QMessageBox::warning(this, windowTitle(), saved.message());
    return saved.ok();
}

void LabelSheetWindow::print()
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setDocName(LabelRun::jobTitle);
    printer.setFullPage(true);
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() == QDialog::Accepted)
        printTo(printer);
}

void LabelSheetWindow::saveAsPdf()
{
    if (const auto path = MessageDialog(this).saveFile(FileChoice::pdfFile()))
        printToPdf(*path);
}
