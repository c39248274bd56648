#pragma once

#include <cstdint>
#include <functional>

class Tdmod;

// Confirm Sort Keys: every entry of the open show gets the sort key of its
// classes again, for when the class table's sort keys changed after entries
// were taken.
namespace SortKeysConfirm
{

struct Outcome {
    std::uint32_t entries = 0; // entries checked (deleted ones are not)
    std::uint32_t changed = 0; // of those, the ones whose sort key changed
};

// Told after each record (deleted ones too) how many of `total` are done.
using Progress = std::function<void(std::uint32_t done, std::uint32_t total)>;

// Walks the open show's entry table in record order. Each entry not marked
// deleted gets the lowest sort key of its classes, written straight into the
// record; deleted entries keep theirs. Any filter on the table is cleared;
// its order and current record are put back afterwards and the table is
// flushed. Requires an open show.
Outcome run(Tdmod& data, const Progress& progress = {});

} // namespace SortKeysConfirm
