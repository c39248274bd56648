#include "reports/VerifyInputForm.h"

#include "storage/DataModule.h"

TfrmVerifyInput::TfrmVerifyInput(Tdmod& data, VerifyOrder order, Messages& messages,
                                 QWidget* parent)
    : TrbReportForm(std::make_unique<VerifyInputReport>(
                        data, order, VerifyInput::entriesInOrder(*data.TzDbf1(), order)),
                    messages, parent)
{
    setWindowTitle(VerifyInput::title(order));
}
