#include "ui/PrinterDialog.h"

#include "storage/Messages.h"

#include <QPrintDialog>
#include <QPrinter>

std::optional<PrintOutcome> printOnChosenPrinter(const Printable& printout, Messages& messages,
                                                 QWidget* parent, int pageCount)
{
    QPrinter printer(QPrinter::HighResolution);
    printer.setResolution(Printable::resolution);
    printer.setDocName(printout.title());
    printer.setPageLayout(printout.pageLayout());
    QPrintDialog dialog(&printer, parent);
    dialog.setOption(QAbstractPrintDialog::PrintPageRange, pageCount > 0);
    if (pageCount > 0)
        dialog.setMinMax(1, pageCount);
    if (dialog.exec() != QDialog::Accepted)
        return std::nullopt;
    const PrintOutcome outcome =
        printout.print(printer, [&printer] { return printer.printerState() == QPrinter::Aborted; });
    if (outcome.deviceFailed)
        messages.error(QStringLiteral("The printer %1 did not print %2.")
                           .arg(printer.printerName(), printout.title()));
    return outcome;
}
