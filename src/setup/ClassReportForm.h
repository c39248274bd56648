#pragma once

#include "reports/TrbReportForm.h"

#include <QString>

namespace dbf
{
class Table;
}

// "Sections by Current Index": the class report in the editor's order.
class TClassReportForm : public TrbReportForm
{
    Q_OBJECT
public:
    TClassReportForm(dbf::Table& classes, const QString& tag, Messages& messages,
                     QWidget* parent = nullptr);
};
