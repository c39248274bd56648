#include "FieldValues.h"

#include "Codepage437.h"
#include "Table.h"

#include <charconv>

namespace dbf::values
{

std::string_view trimRight(std::string_view s)
{
    while (!s.empty() && s.back() == ' ')
        s.remove_suffix(1);
    return s;
}

std::string_view trim(std::string_view s)
{
    s = trimRight(s);
    while (!s.empty() && s.front() == ' ')
        s.remove_prefix(1);
    return s;
}

std::string_view bytesOf(const char* record, const FieldDef& f)
{
    return {record + f.offset, std::size_t(f.width)};
}

std::string text(const char* record, const FieldDef& f)
{
    return cp437::toUtf8(trimRight(bytesOf(record, f)));
}

std::string raw(const char* record, const FieldDef& f)
{
    return cp437::toUtf8(bytesOf(record, f));
}

double number(const char* record, const FieldDef& f)
{
    const std::string_view t = trim(bytesOf(record, f));
    double value = 0;
    const char* begin = t.data();
    if (!t.empty() && *begin == '+')
        ++begin;
    std::from_chars(begin, t.data() + t.size(), value);
    return value;
}

std::optional<Date> date(const char* record, const FieldDef& f)
{
    return dateFromDtos(bytesOf(record, f));
}

bool logical(const char* record, const FieldDef& f)
{
    const char c = record[f.offset];
    return c == 'T' || c == 't' || c == 'Y' || c == 'y';
}

} // namespace dbf::values
