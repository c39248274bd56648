#pragma once

#include "reports/TrbReportForm.h"

class Tdmod;

// "Class Counts": counts the open show's entries per class and trial when it
// is created and hands out the report.
class TfrmClassCounts : public TrbReportForm
{
    Q_OBJECT
public:
    TfrmClassCounts(Tdmod& data, Messages& messages, QWidget* parent = nullptr);
};

// "Counts for NUR Fees": the same for the figures of the club's fees.
class TfrmFeeCounts : public TrbReportForm
{
    Q_OBJECT
public:
    TfrmFeeCounts(Tdmod& data, Messages& messages, QWidget* parent = nullptr);
};
