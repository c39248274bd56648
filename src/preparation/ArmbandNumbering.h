#pragma once

#include "storage/Result.h"

#include <QString>

#include <functional>
#include <optional>
#include <string>

namespace dbf
{
class Table;
}

// Armband numbers given by Auto Assign and taken away by Clear All Numbers:
// one pass over the entries of the open show in the order chosen, the visit
// order fixed when the pass begins (under the Armband # order the pass rewrites
// the very key it walks), deleted entries passed over with their numbers kept.
namespace ArmbandNumbering
{

struct Pass {
    std::string order;                     // a tag of the show entry table; empty: input order
    bool jumpHeightPrefix = false;         // "Include Jump Ht in Armband # ?" answered Yes
    int digits = 3;                        // the "Digits" preference: 3, 4 or 5
    QString start = QStringLiteral("101"); // "ArmbandStart", read as a typed number
};

// The counter alone, right-aligned with blanks in `digits` (wider counters whole).
QString plainNumber(int counter, int digits);
// The jump height as two digits, then the counter right-aligned in digits - 2;
// an empty height gives the counter alone right-aligned in three.
QString withJumpHeight(const QString& height, int counter, int digits);
// The jump height a pass prefixes: the obedience height under the two
// obedience jump-height orders, the rally height under every other.
bool prefixesObedienceHeight(const std::string& order);

// Told of each entry a pass numbers or clears, with the table standing on it,
// as a window's record-move hook is.
using Visit = std::function<void(const dbf::Table& entries)>;

// The armband field as Auto Assign leaves it for a typed number at `digits`
// ("101" at five digits is "  101"), so Find can match it whole; nothing for
// a text that is not a number.
std::optional<QString> storedNumber(const QString& typed, int digits);

// Why a pass may not start (its last numbers would not fit the five
// characters of the field, so the field would cut them into wrong and
// repeated numbers), or nothing.
std::optional<QString> refusal(const dbf::Table& entries, const Pass& pass);
// Numbers every entry not marked deleted; the number of entries numbered, or
// the refusal. The table ends on the first record of the order.
Result<int> assign(dbf::Table& entries, const Pass& pass, const Visit& visit = {});
// Blanks the number of every entry not marked deleted; how many.
int clear(dbf::Table& entries, const std::string& order, const Visit& visit = {});

} // namespace ArmbandNumbering
