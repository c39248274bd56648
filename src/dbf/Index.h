#pragma once

#include "BulkBuffer.h"
#include "Field.h"
#include "KeyExpression.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dbf
{

// One tag, kept in memory: the key of every record (fixed length, stored by
// record number) and the record numbers sorted by (key, record number), the
// whole comparison reversed for a descending tag.
class Index
{
public:
    Index(TagDef tag, const FieldList& fields);

    const TagDef& tag() const { return tag_; }
    int keyLength() const { return expression_.keyLength(); }

    void build(const char* records, std::uint32_t count, int recordLength);
    // Makes room for `count` records, so that inserting up to them cannot fail.
    void reserve(std::uint32_t count);
    // Keeps the tag in step with a new record or a changed one.
    void insert(std::uint32_t recno, const char* record);
    void update(std::uint32_t recno, const char* record);

    std::uint32_t size() const { return static_cast<std::uint32_t>(order_.size()); }
    std::uint32_t recnoAt(std::uint32_t position) const { return order_[position]; }
    std::uint32_t positionOf(std::uint32_t recno) const;
    std::string_view keyOf(std::uint32_t recno) const;

    // First position whose key begins with `prefix` (code page 437 bytes).
    std::optional<std::uint32_t> findPrefix(std::string_view prefix) const;

private:
    struct Entry {
        std::uint64_t word; // eight bytes of the key, see sortEntries()
        std::uint32_t recno;
    };
    void sortEntries(Entry* begin, Entry* end, std::size_t depth) const;
    bool before(std::uint32_t a, std::uint32_t b) const;
    void erase(std::uint32_t recno);
    void place(std::uint32_t recno);

    TagDef tag_;
    KeyExpression expression_;
    BulkBuffer keys_; // keyLength() bytes per record, record 1 first
    std::vector<std::uint32_t> order_;
};

} // namespace dbf
