#pragma once

#include "ui/MasterTableBrowser.h"

#include <QString>

#include <cstdint>
#include <optional>

namespace dbf
{
class Table;
}

// Saving a class record. The catalog orders classes by sort key and every
// lookup finds a class by its sort key or class key, so two classes sharing
// either would interleave in the catalog and one of them could never be
// found; a sort key that is not three digits breaks the catalog, which reads
// it as a number; "999" is the sort key of an entry in no known class.
namespace ClassTableSave
{

// Why a class with this sort key and class key may not be saved, or nothing
// when it may. `ownRecno` is the record being edited (0 for a new one); every
// other record counts, deleted ones included, because undeleting one must not
// bring a duplicate back. Reads the stored records only.
std::optional<QString> refusal(const dbf::Table& classes, const QString& sortKey,
                               const QString& classKey, std::uint32_t ownRecno);

// Readies the record being edited or added for its post: checks it and
// upper-cases its codes, leaving the table editing it. When it is refused the
// record stays as it was typed, and the reason is returned. Nothing happens
// in browse state.
std::optional<QString> prepare(dbf::Table& classes);

// prepare(), then the post when the record was not refused.
std::optional<QString> save(dbf::Table& classes);

// The class table editor's save rules: prepare() before every post.
class Rules : public MasterSaveRules
{
public:
    Done prepareSave(dbf::Table& classes) override;
};

} // namespace ClassTableSave
