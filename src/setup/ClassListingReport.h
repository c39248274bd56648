#pragma once

#include "print/ReportBuilder.h"

#include <QString>

namespace dbf
{
class Table;
}

// "NUR CLASSES DATABASE": the class table in one of its orders, grouped by
// section, with the rules of its fields in the page footer. The rows are read
// when the report is built, so the preview never moves the editor's record.
class ClassListingReport : public ReportBuilder
{
public:
    // `tag` is the order to list in (a tag of the class table).
    ClassListingReport(dbf::Table& classes, QString tag);
    Report build() override;

private:
    dbf::Table& classes_;
    QString tag_;
};
