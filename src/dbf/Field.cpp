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

int findField(const FieldList& fields, std::string_view name)
{
    const auto it = std::find_if(fields.begin(), fields.end(),
                                 [name](const FieldDef& f) { return sameName(f.name, name); });
    return it == fields.end() ? -1 : static_cast<int>(it - fields.begin());
}

} // namespace dbf
