#pragma once

#include "print/ReportDataSource.h"

#include <QList>

// Rows built in memory, for reports whose figures are worked out before they
// print (counts, totals) rather than read straight from a table.
class ReportListSource : public ReportDataSource
{
public:
    explicit ReportListSource(QStringList fieldNames);

    // Values in the order of the field names; missing ones read as empty.
    void append(const QVariantList& values);

    QStringList fieldNames() const override { return fieldNames_; }
    void reset() override { current_ = -1; }
    bool next() override;
    QVariant value(const QString& fieldName) const override;

private:
    QStringList fieldNames_;
    QList<QVariantList> rows_;
    int current_ = -1;
};
