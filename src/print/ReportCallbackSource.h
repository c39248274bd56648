#pragma once

#include "print/ReportDataSource.h"

#include <functional>

// Rows handed out one by one by a function, for reports whose rows are worked
// out as they print (the classes of one entry, looked up per row).
class ReportCallbackSource : public ReportDataSource
{
public:
    // Called with 0, 1, 2, ... until it returns false; it fills the values of
    // that row in the order of the field names.
    using Fetch = std::function<bool(int row, QVariantList& values)>;

    ReportCallbackSource(QStringList fieldNames, Fetch fetch);

    QStringList fieldNames() const override { return fieldNames_; }
    void reset() override;
    bool next() override;
    QVariant value(const QString& fieldName) const override;

private:
    QStringList fieldNames_;
    Fetch fetch_;
    int row_ = -1;
    QVariantList values_;
};
