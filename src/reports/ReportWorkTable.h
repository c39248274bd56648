#pragma once

#include <memory>

class DataRoot;
struct TableSchema;

namespace dbf
{
class Table;
}

// A report's own work table in pgmdata/: made from its field list when it is
// missing, opened exclusively, emptied and given its tags. Each run starts
// from nothing and leaves its rows for the next run to empty, so a report
// that was cut short never mixes its rows into the next one.
std::unique_ptr<dbf::Table> openEmptiedWorkTable(const DataRoot& root, const TableSchema& schema);
