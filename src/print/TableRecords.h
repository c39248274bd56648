#pragma once

#include "print/RecordSource.h"

#include "dbf/Table.h"

#include <memory>
#include <string>
#include <vector>

// Records of a table of the engine, as a snapshot of record numbers taken
// when the run is set up (Table::recordsInOrder); each is read as stored when
// it prints, without the table's cursor, order, filter or record buffer.
class TableRecords : public RecordSource
{
public:
    // The records given, in the order given.
    TableRecords(const dbf::Table& table, std::vector<std::uint32_t> records);
    // The records in the order `tag` (record order when empty) that `keep`
    // accepts (every one without it). Throws dbf::Error for an unknown tag.
    static std::shared_ptr<TableRecords> inOrder(const dbf::Table& table, const std::string& tag,
                                                 const dbf::Table::RecordFilter& keep = {});

    QStringList fieldNames() const override;
    int rowCount() const override { return int(records_.size()); }
    QVariant value(int row, const QString& field) const override;
    QString text(int row, const QString& field) const override;
    std::uint32_t recno(int row) const override;

private:
    const dbf::Table& table_;
    std::vector<std::uint32_t> records_;
};
