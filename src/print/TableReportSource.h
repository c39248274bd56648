#pragma once

#include "print/ReportDataSource.h"

#include "dbf/Table.h"

#include <string>
#include <vector>

// Feeds a report from a table in one of its orders (or in record order). The
// rows are a snapshot of record numbers taken at reset(), read as stored, so
// laying the report out never moves the table's cursor, changes its order or
// touches an edit in progress.
class TableReportSource : public ReportDataSource
{
public:
    // `order` is a tag name, or empty for record order; `keep` chooses the
    // rows (every record without it). Throws dbf::Error for an unknown tag.
    explicit TableReportSource(const dbf::Table& table, std::string order = {},
                               dbf::Table::RecordFilter keep = {});

    QStringList fieldNames() const override;
    void reset() override;
    bool next() override;
    // Character fields as text with trailing blanks removed, numbers as
    // double, dates as QDate (invalid when blank), logicals as bool.
    QVariant value(const QString& fieldName) const override;

private:
    const dbf::Table& table_;
    std::string order_;
    dbf::Table::RecordFilter keep_;
    std::vector<std::uint32_t> rows_;
    std::size_t next_ = 0;
    std::uint32_t current_ = 0;
};
