#include "print/RecordList.h"

RecordList::RecordList(QStringList fieldNames) : fieldNames_(std::move(fieldNames)) {}

void RecordList::append(const QVariantList& values)
{
    rows_.append(values);
}

QVariant RecordList::value(int row, const QString& field) const
{
    const qsizetype column = fieldColumn(fieldNames_, field);
    if (row < 0 || row >= rows_.size() || column < 0)
        return {};
    return rows_.at(row).value(column);
}

QString RecordList::text(int row, const QString& field) const
{
    return value(row, field).toString();
}
