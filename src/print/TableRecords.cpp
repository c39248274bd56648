#include "print/TableRecords.h"

#include "storage/RecordValues.h"

#include "dbf/Error.h"

TableRecords::TableRecords(const dbf::Table& table, std::vector<std::uint32_t> records)
    : table_(table), records_(std::move(records))
{
}

std::shared_ptr<TableRecords> TableRecords::inOrder(const dbf::Table& table, const std::string& tag,
                                                    const dbf::Table::RecordFilter& keep)
{
    if (!tag.empty() && !table.hasTag(tag))
        throw dbf::Error(table.path().string() + ": no tag named " + tag);
    return std::make_shared<TableRecords>(table, table.recordsInOrder(tag, keep));
}

QStringList TableRecords::fieldNames() const
{
    QStringList names;
    for (const dbf::FieldDef& field : table_.fields())
        names.append(QString::fromStdString(field.name));
    return names;
}

std::uint32_t TableRecords::recno(int row) const
{
    return row >= 0 && row < rowCount() ? records_[std::size_t(row)] : 0;
}

QVariant TableRecords::value(int row, const QString& field) const
{
    const std::uint32_t record = recno(row);
    if (record == 0)
        return {};
    return RecordValues::value(table_, table_.record(record), field.toStdString());
}

QString TableRecords::text(int row, const QString& field) const
{
    const std::uint32_t record = recno(row);
    const std::string name = field.toStdString();
    if (record == 0 || table_.fieldIndex(name) < 0)
        return {};
    return RecordValues::raw(table_.record(record), name);
}
