#include "Field.h"

#include <algorithm>
#include <cctype>

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
    return std::equal(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
        return std::tolower(static_cast<unsigned char>(x)) ==
               std::tolower(static_cast<unsigned char>(y));
    });
}

int findField(const FieldList& fields, std::string_view name)
{
    const auto it = std::find_if(fields.begin(), fields.end(),
                                 [name](const FieldDef& f) { return sameName(f.name, name); });
    return it == fields.end() ? -1 : static_cast<int>(it - fields.begin());
}

} // namespace dbf
