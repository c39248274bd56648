#pragma once

#include "print/ReportDataSource.h"

#include <string>

namespace dbf
{
class Table;
}

// Feeds a report from a table in one of its orders (or in record order), as
// far as its filter lets it see. The table stays the caller's; the source
// moves its cursor while the report is laid out and leaves the order set.
class TableReportSource : public ReportDataSource
{
public:
    // `order` is a tag name, or empty for record order. Throws dbf::Error for
    // an unknown tag.
    explicit TableReportSource(dbf::Table& table, const std::string& order = {});

    QStringList fieldNames() const override;
    void reset() override;
    bool next() override;
    // Character fields as text with trailing blanks removed, numbers as
    // double, dates as QDate (invalid when blank), logicals as bool.
    QVariant value(const QString& fieldName) const override;

private:
    dbf::Table& table_;
    bool started_ = false;
};
