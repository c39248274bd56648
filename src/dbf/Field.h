#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace dbf
{

enum class FieldType : char { Character = 'C', Numeric = 'N', Date = 'D', Logical = 'L' };

struct FieldDef {
    std::string name; // UTF-8, lower case as stored; matched without regard to case
    FieldType type = FieldType::Character;
    int width = 1;
    int decimals = 0;
    int offset = 0; // byte offset inside the record, the deletion flag being byte 0

    friend bool operator==(const FieldDef& a, const FieldDef& b)
    {
        return a.type == b.type && a.width == b.width && a.decimals == b.decimals &&
               a.name == b.name;
    }
};

using FieldList = std::vector<FieldDef>;

// Fills in the offsets of a field list and returns the record length
// (1 for the deletion flag plus the sum of the widths).
int layoutFields(FieldList& fields);

// Names fold only A to Z: the same in every locale, and never a byte of a
// UTF-8 sequence.
constexpr char lowerAscii(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Names of fields and tags compare without regard to case.
bool sameName(std::string_view a, std::string_view b);

// Index of the field whose name matches without regard to case, or -1.
int findField(const FieldList& fields, std::string_view name);

// The same search in about one comparison, for a table whose fields are read
// by name record after record (a listing of a large table asks millions of
// times). Built once for a field list, it answers for that list only.
class FieldLookup
{
public:
    FieldLookup() = default;
    explicit FieldLookup(const FieldList& fields);
    int find(const FieldList& fields, std::string_view name) const;

private:
    std::vector<int> slots_; // field index + 1, 0 when empty; the size a power of two
};

struct TagDef {
    std::string name;       // at most 10 characters, matched without regard to case
    std::string expression; // xBase key expression, at most 220 characters
    bool descending = false;
};

} // namespace dbf
