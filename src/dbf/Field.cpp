#include "Field.h"

#include <algorithm>

namespace dbf
{

int layoutFields(FieldList& fields)
{
    int offset = 1;
    for (auto& f : fields) {
        f.offset = offset;
        offset += f.width;
    }
    return offset;
}

bool sameName(std::string_view a, std::string_view b)
{
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

namespace
{

std::size_t hashName(std::string_view name)
{
    std::uint32_t hash = 2166136261u; // FNV-1a, over the name as it compares
    for (const char c : name)
        hash = (hash ^ static_cast<unsigned char>(lowerAscii(c))) * 16777619u;
    return hash;
}

} // namespace

FieldLookup::FieldLookup(const FieldList& fields)
{
    std::size_t size = 4;
    while (size < 2 * fields.size())
        size *= 2;
    slots_.assign(size, 0);
    for (std::size_t i = 0; i < fields.size(); ++i) {
        std::size_t slot = hashName(fields[i].name) & (size - 1);
        while (slots_[slot] != 0)
            slot = (slot + 1) & (size - 1);
        slots_[slot] = static_cast<int>(i) + 1;
    }
}

int FieldLookup::find(const FieldList& fields, std::string_view name) const
{
    if (slots_.empty())
        return -1;
    const std::size_t mask = slots_.size() - 1;
    for (std::size_t slot = hashName(name) & mask; slots_[slot] != 0; slot = (slot + 1) & mask) {
        const int i = slots_[slot] - 1;
        if (sameName(fields[i].name, name))
            return i;
    }
    return -1;
}

int findField(const FieldList& fields, std::string_view name)
{
    const auto it = std::find_if(fields.begin(), fields.end(),
                                 [name](const FieldDef& f) { return sameName(f.name, name); });
    return it == fields.end() ? -1 : static_cast<int>(it - fields.begin());
}

} // namespace dbf
