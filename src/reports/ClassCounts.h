#pragma once

#include "reports/ShowCounts.h"

class Tdmod;

// "Class Counts (Summaries)": how many entries each class has in each trial
// of the open show. Entries marked deleted are withdrawn and left out; a flag
// of a trial after the show's last is no entry. The counts are written to
// the report's work table counts25.dbf in pgmdata/ (emptied first) and read
// back in its srtkey order: Obedience before Rally, then by sort key. Only
// classes with an entry get a row; a class key missing from the class table
// is named by the class table's unknown-class placeholder, after its message.
namespace ClassCounts
{

ShowCounts count(Tdmod& data);

} // namespace ClassCounts
