#pragma once

#include "print/ReportRow.h"

#include <QDate>
#include <QString>
#include <QVariant>

#include <functional>
#include <span>

// What a band sees while it is laid out: the row it prints (a group header
// sees the first row of its group, a group footer the last), the rows of the
// group it belongs to, the calculated variables and the print date.
class ReportContext
{
public:
    using VariableLookup = std::function<QVariant(const QString&)>;

    ReportContext(const ReportRow* row, std::span<const ReportRow> groupRows,
                  VariableLookup variables, QDate printDate, int pageNumber);

    bool hasRow() const { return row_ != nullptr; }
    // The current row; a band without one (a title over no data) throws.
    const ReportRow& row() const;
    QString text(const QString& field) const { return row().text(field); }
    double number(const QString& field) const { return row().number(field); }
    // For a group header or footer, every row of that group; for a detail, the
    // rows of its innermost group; for other bands, every row of the report.
    std::span<const ReportRow> groupRows() const { return groupRows_; }
    // The value of a calculated variable as it stands for this band; an
    // unknown name throws dbf::Error.
    QVariant variable(const QString& name) const { return variables_(name); }
    QDate printDate() const { return printDate_; }
    // The page number within the current page set (known while laying out;
    // the page count is not, so "of y" texts use the page variables instead).
    int pageNumber() const { return pageNumber_; }

private:
    const ReportRow* row_;
    std::span<const ReportRow> groupRows_;
    VariableLookup variables_;
    QDate printDate_;
    int pageNumber_;
};
