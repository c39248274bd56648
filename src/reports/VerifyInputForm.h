#pragma once

#include "reports/TrbReportForm.h"
#include "reports/VerifyInput.h"

class Tdmod;

// The verify listing of the open show's entries in the order chosen: the
// entries as the entry table presents them in that order, its own order put
// back before the report is handed out.
class TfrmVerifyInput : public TrbReportForm
{
    Q_OBJECT
public:
    TfrmVerifyInput(Tdmod& data, VerifyOrder order, Messages& messages, QWidget* parent = nullptr);
};
