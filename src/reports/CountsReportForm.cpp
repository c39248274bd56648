#include "reports/CountsReportForm.h"

#include "reports/CountsReports.h"

TfrmClassCounts::TfrmClassCounts(Tdmod& data, Messages& messages, QWidget* parent)
    : TrbReportForm(std::make_unique<ClassCountsReport>(data), messages, parent)
{
    setWindowTitle(QStringLiteral("Class Counts"));
}

TfrmFeeCounts::TfrmFeeCounts(Tdmod& data, Messages& messages, QWidget* parent)
    : TrbReportForm(std::make_unique<FeeCountsReport>(data), messages, parent)
{
    setWindowTitle(QStringLiteral("Counts for NUR Fees"));
}
