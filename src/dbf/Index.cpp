#include "Index.h"

#include "Error.h"

#include <algorithm>
#include <cstring>

// Tags live only in memory and are built from the table's tag list every time
// the table opens. The desktop program this replaces rebuilt its production
// indexes on every open anyway, so an index file would only be a second copy of
// the truth that can go stale or be damaged; none is written, and index files
// left by an older installation are simply never read.

namespace dbf
{

Index::Index(TagDef tag, const FieldList& fields)
    : tag_(std::move(tag)), expression_(tag_.expression, fields)
{
    if (tag_.name.empty() || tag_.name.size() > 10)
        throw Error("tag name \"" + tag_.name + "\" must have 1 to 10 characters");
}

std::string_view Index::keyOf(std::uint32_t recno) const
{
    const auto length = static_cast<std::size_t>(keyLength());
    return {keys_.data() + (recno - 1) * length, length};
}

bool Index::before(std::uint32_t a, std::uint32_t b) const
{
    const int c = std::memcmp(keyOf(a).data(), keyOf(b).data(), keyLength());
    const bool ascending = c != 0 ? c < 0 : a < b;
    return tag_.descending ? !ascending && a != b : ascending;
}

namespace
{

constexpr std::uint32_t kReadAhead = 8;
constexpr std::size_t kWord = 8;

// Eight bytes of a key from `depth` on (zeros past its end), as a number that
// orders as the bytes do.
std::uint64_t wordAt(std::string_view key, std::size_t depth)
{
    std::uint64_t word = 0;
    for (std::size_t i = depth; i < depth + kWord; ++i)
        word = word << 8 | (i < key.size() ? static_cast<unsigned char>(key[i]) : 0);
    return word;
}

} // namespace

// Sorts by the key from byte `depth` on, then by record number, eight bytes at
// a time: the bytes sit beside the record numbers, where comparisons find them
// in the cache, and only a run of equal bytes goes on to the next eight.
// Stored keys are blank-padded, so such runs are common (the same last name).
void Index::sortEntries(Entry* begin, Entry* end, std::size_t depth) const
{
    for (Entry* e = begin; e != end; ++e)
        e->word = wordAt(keyOf(e->recno), depth);
    const bool lastWord = depth + kWord >= static_cast<std::size_t>(keyLength());
    const bool down = tag_.descending;
    std::sort(begin, end, [down, lastWord](const Entry& a, const Entry& b) {
        if (a.word != b.word)
            return down ? a.word > b.word : a.word < b.word;
        return lastWord && (down ? a.recno > b.recno : a.recno < b.recno);
    });
    if (lastWord)
        return;
    for (Entry* run = begin; run != end;) {
        Entry* runEnd = run + 1;
        while (runEnd != end && runEnd->word == run->word)
            ++runEnd;
        if (runEnd - run > 1)
            sortEntries(run, runEnd, depth + kWord);
        run = runEnd;
    }
}

void Index::build(const char* records, std::uint32_t count, int recordLength)
{
    const auto length = static_cast<std::size_t>(keyLength());
    keys_.resize(length * count);
    std::vector<Entry> entries(count);
    const int first = expression_.firstByte(), end = expression_.endByte();
    for (std::uint32_t i = 0; i < count; ++i) {
        // Each key reads a line or two of a record: asking for the lines of a
        // record some way ahead keeps the loop from waiting on memory.
        if (i + kReadAhead < count)
            prefetch(records + std::size_t(i + kReadAhead) * recordLength + first, end - first);
        expression_.evaluate(records + std::size_t(i) * recordLength, i + 1,
                             keys_.data() + i * length);
        entries[i].recno = i + 1;
    }
    sortEntries(entries.data(), entries.data() + count, 0);
    order_.resize(count);
    for (std::uint32_t i = 0; i < count; ++i)
        order_[i] = entries[i].recno;
}

void Index::reserve(std::uint32_t count)
{
    keys_.reserve(std::size_t(count) * keyLength());
    order_.reserve(count);
}

std::uint32_t Index::positionOf(std::uint32_t recno) const
{
    const auto it =
        std::lower_bound(order_.begin(), order_.end(), recno,
                         [this](std::uint32_t a, std::uint32_t b) { return before(a, b); });
    return static_cast<std::uint32_t>(it - order_.begin());
}

void Index::place(std::uint32_t recno)
{
    order_.insert(order_.begin() + positionOf(recno), recno);
}

void Index::erase(std::uint32_t recno)
{
    order_.erase(order_.begin() + positionOf(recno));
}

void Index::insert(std::uint32_t recno, const char* record)
{
    const auto length = static_cast<std::size_t>(keyLength());
    if (keys_.size() < recno * length)
        keys_.resize(recno * length);
    expression_.evaluate(record, recno, keys_.data() + (recno - 1) * length);
    place(recno);
}

void Index::update(std::uint32_t recno, const char* record)
{
    const std::string key = expression_.evaluate(record, recno);
    if (key == keyOf(recno))
        return;
    erase(recno);
    std::memcpy(keys_.data() + (recno - 1) * keyLength(), key.data(), key.size());
    place(recno);
}

std::optional<std::uint32_t> Index::findPrefix(std::string_view prefix) const
{
    if (prefix.size() > static_cast<std::size_t>(keyLength()))
        return std::nullopt;
    const auto compare = [&](std::uint32_t recno) {
        return std::memcmp(keyOf(recno).data(), prefix.data(), prefix.size());
    };
    // Keys cut to the prefix length are sorted too, so the matching entries
    // form one run; find its start in the tag's own direction.
    const auto it = std::partition_point(order_.begin(), order_.end(), [&](std::uint32_t r) {
        return tag_.descending ? compare(r) > 0 : compare(r) < 0;
    });
    if (it == order_.end() || compare(*it) != 0)
        return std::nullopt;
    return static_cast<std::uint32_t>(it - order_.begin());
}

} // namespace dbf
