#include "setup/SortKeysConfirm.h"

#include "storage/DataModule.h"

#include "dbf/Error.h"

namespace SortKeysConfirm
{

Outcome run(Tdmod& data, const Progress& progress)
{
    dbf::Table* table = data.TzDbf1();
    if (!table)
        throw dbf::Error("Confirm Sort Keys needs an open show");
    dbf::Table& entries = *table;
    const std::string savedOrder = entries.order();
    const std::uint32_t savedRecno = entries.recno();

    entries.clearFilter();
    entries.setOrder("");
    entries.first();
    Outcome outcome;
    const std::uint32_t total = entries.recordCount();
    for (std::uint32_t r = 1; r <= total; ++r) {
        if (!entries.record(r).deleted()) {
            ++outcome.entries;
            const std::string key = data.LowestSortKey(r).toStdString();
            if (entries.record(r).text("srtkey") != key) {
                entries.go(r);
                entries.setText("srtkey", key);
                entries.writeRecord();
                ++outcome.changed;
            }
        }
        if (progress)
            progress(r, total);
    }
    entries.flush();

    entries.setOrder(savedOrder);
    entries.first();
    if (savedRecno != 0)
        entries.go(savedRecno);
    return outcome;
}

} // namespace SortKeysConfirm
