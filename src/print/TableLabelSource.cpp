#include "print/TableLabelSource.h"

#include "storage/RecordValues.h"

#include "dbf/Table.h"

TableLabelSource::TableLabelSource(const dbf::Table& table, std::vector<std::uint32_t> records)
    : table_(table), records_(std::move(records))
{
}

bool TableLabelSource::atEnd() const
{
    return current_ >= records_.size();
}

void TableLabelSource::next()
{
    if (!atEnd())
        ++current_;
}

std::uint32_t TableLabelSource::recno() const
{
    return atEnd() ? 0 : records_[current_];
}

QString TableLabelSource::value(const QString& field) const
{
    const std::string name = field.toStdString();
    if (atEnd() || table_.fieldIndex(name) < 0)
        return {};
    return RecordValues::raw(table_.record(records_[current_]), name);
}
