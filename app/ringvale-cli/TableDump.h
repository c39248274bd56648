#pragma once

#include "dbf/Table.h"

#include <ostream>

// Writes a table as CSV (RFC 4180, CRLF line ends, UTF-8): a header row of the
// field names in lower case, then one row per record in the table's current
// order. Deleted records are left out unless `withDeleted`, which adds a first
// column `deleted` holding "*" for a deleted record.
void dumpTableCsv(const dbf::Table& table, bool withDeleted, std::ostream& out);
