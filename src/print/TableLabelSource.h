#pragma once

#include "print/LabelRecordSource.h"

#include <cstdint>
#include <vector>

namespace dbf
{
class Table;
}

// A label run over records of a table of the engine, given as a snapshot of
// record numbers taken when the run is set up (Table::recordsInOrder), so the
// run never moves the table's cursor. Values are the fields as stored,
// trailing blanks included, so that a layout's trim() means what it says.
class TableLabelSource : public LabelRecordSource
{
public:
    TableLabelSource(const dbf::Table& table, std::vector<std::uint32_t> records);

    bool atEnd() const override;
    void next() override;
    QString value(const QString& field) const override;
    // The record number of the current label's record (0 at the end).
    std::uint32_t recno() const;

private:
    const dbf::Table& table_;
    std::vector<std::uint32_t> records_;
    std::size_t current_ = 0;
};
