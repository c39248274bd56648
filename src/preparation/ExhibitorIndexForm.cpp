#include "preparation/ExhibitorIndexForm.h"

#include "preparation/ExhibitorOptionsWidget.h"
#include "storage/CommandGuard.h"
#include "storage/DataModule.h"
#include "ui/PrinterDialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

TExhibitorIndexForm::TExhibitorIndexForm(Tdmod& data, BookletSheets::Format format, QWidget* parent)
    : QDialog(parent), data_(data), format_(format),
      options_(new ExhibitorOptionsWidget(format == BookletSheets::Format::Booklet
                                              ? ExhibitorOptionsWidget::Kind::Booklet
                                              : ExhibitorOptionsWidget::Kind::FullPage,
                                          this)),
      print_(new QPushButton(QStringLiteral("Print"), this))
{
    setWindowTitle(QStringLiteral("Exhibitor Index"));
    auto* pdf = new QPushButton(QStringLiteral("Save as PDF"), this);
    auto* close = new QPushButton(QStringLiteral("Close"), this);
    connect(print_, &QPushButton::clicked, this,
            [this] { runGuarded(data_.messages(), [this] { print(); }); });
    connect(pdf, &QPushButton::clicked, this,
            [this] { runGuarded(data_.messages(), [this] { saveAsPdf(); }); });
    connect(close, &QPushButton::clicked, this, &QDialog::accept);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(print_);
    buttons->addWidget(pdf);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(options_);
    layout->addStretch();
    layout->addLayout(buttons);
}

bool TExhibitorIndexForm::event(QEvent* event)
{
    // Each time it becomes the active window, as after a message closed.
    if (event->type() == QEvent::WindowActivate)
        options_->resetSections();
    return QDialog::event(event);
}

std::optional<ExhibitorIndexPrintout> TExhibitorIndexForm::printout()
{
    const ExhibitorIndex::Options options = options_->options();
    Result<ExhibitorIndex::Index> index = ExhibitorIndex::read(data_, options);
    if (!index) {
        data_.messages().inform(index.message());
        return std::nullopt;
    }
    return ExhibitorIndexPrintout(format_, std::move(index.value()), options);
}

void TExhibitorIndexForm::print()
{
    const std::optional<ExhibitorIndexPrintout> index = printout();
    if (!index)
        return;
    const std::optional<PrintOutcome> outcome =
        printOnChosenPrinter(*index, data_.messages(), this);
    if (!outcome)
        return;
    if (outcome->aborted)
        data_.messages().inform(QStringLiteral("Printing aborted"));
    else
        data_.messages().inform(outcome->finished()
                                    ? QStringLiteral("All Data sent to Printer")
                                    : QStringLiteral("The print job did not finish printing"));
}

bool TExhibitorIndexForm::saveAsPdf()
{
    const std::optional<ExhibitorIndexPrintout> index = printout();
    return index && askAndWrite(*index, PrintFormat::Pdf, data_.messages());
}

void openExhibitorIndexWindow(Tdmod& data, BookletSheets::Format format, QWidget* parent)
{
    TExhibitorIndexForm form(data, format, parent);
    form.exec();
}
