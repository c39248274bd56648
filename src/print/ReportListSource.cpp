#include "print/ReportListSource.h"

ReportListSource::ReportListSource(QStringList fieldNames) : fieldNames_(std::move(fieldNames)) {}

void ReportListSource::append(const QVariantList& values)
{
    rows_.append(values);
}

bool ReportListSource::next()
{
    if (current_ + 1 >= rows_.size())
        return false;
    ++current_;
    return true;
}

QVariant ReportListSource::value(const QString& fieldName) const
{
    const qsizetype column = fieldColumn(fieldNames_, fieldName);
    if (current_ < 0 || current_ >= rows_.size() || column < 0)
        return {};
    return rows_.at(current_).value(column);
}
