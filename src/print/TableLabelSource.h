#pragma once

#include "print/LabelRecordSource.h"

namespace dbf
{
class Table;
}

// A label run over a table of the engine: from the table's current record, in
// its current order and filter. Values are the fields as stored, trailing
// blanks included, so that a layout's trim() means what it says. A run's
// before-print decision that needs more (the deletion mark) reads the table.
class TableLabelSource : public LabelRecordSource
{
public:
    explicit TableLabelSource(dbf::Table& table) : table_(table) {}

    bool atEnd() const override;
    void next() override;
    QString value(const QString& field) const override;

private:
    dbf::Table& table_;
};
