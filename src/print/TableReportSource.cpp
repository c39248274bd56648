#include "print/TableReportSource.h"

#include "storage/RecordValues.h"

#include "dbf/Error.h"

TableReportSource::TableReportSource(const dbf::Table& table, std::string order,
                                     dbf::Table::RecordFilter keep)
    : table_(table), order_(std::move(order)), keep_(std::move(keep))
{
    if (!order_.empty() && !table_.hasTag(order_))
        throw dbf::Error(table_.path().string() + ": no tag named " + order_);
    reset();
}

QStringList TableReportSource::fieldNames() const
{
    QStringList names;
    for (const dbf::FieldDef& field : table_.fields())
        names.append(QString::fromStdString(field.name));
    return names;
}

void TableReportSource::reset()
{
    rows_ = table_.recordsInOrder(order_, keep_);
    next_ = 0;
    current_ = 0;
}

bool TableReportSource::next()
{
    if (next_ >= rows_.size()) {
        current_ = 0;
        return false;
    }
    current_ = rows_[next_++];
    return true;
}

QVariant TableReportSource::value(const QString& fieldName) const
{
    if (current_ == 0)
        return {};
    return RecordValues::value(table_, table_.record(current_), fieldName.toStdString());
}
