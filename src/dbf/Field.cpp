#include "Field.h"

#include <algorithm>
#include <cctype>

namespace dbf {

int layoutFields(FieldList& fields)
{
    int offset = 1;
    for (auto& f : fields) {
        f.offset = offset;
        offset += f.width;
    }
    return offset;
}

int findField(const FieldList& fields, std::string_view name)
{
    const auto sameName = [name](const FieldDef& f) {
        return std::equal(f.name.begin(), f.name.end(), name.begin(), name.end(),
                          [](char a, char b) {
                              return std::tolower(static_cast<unsigned char>(a)) ==
                                     std::tolower(static_cast<unsigned char>(b));
                          });
    };
    const auto it = std::find_if(fields.begin(), fields.end(), sameName);
    return it == fields.end() ? -1 : static_cast<int>(it - fields.begin());
}

} // namespace dbf
