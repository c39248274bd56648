#include "print/ReportCallbackSource.h"

ReportCallbackSource::ReportCallbackSource(QStringList fieldNames, Fetch fetch)
    : fieldNames_(std::move(fieldNames)), fetch_(std::move(fetch))
{
}

void ReportCallbackSource::reset()
{
    row_ = -1;
    values_.clear();
}

bool ReportCallbackSource::next()
{
    QVariantList values;
    if (!fetch_(row_ + 1, values))
        return false;
    ++row_;
    values_ = std::move(values);
    return true;
}

QVariant ReportCallbackSource::value(const QString& fieldName) const
{
    const qsizetype column = fieldColumn(fieldNames_, fieldName);
    return column < 0 ? QVariant() : values_.value(column);
}
