#include "TableDump.h"

#include <string>

namespace
{

std::string csvField(const std::string& value)
{
    if (value.find_first_of(",\"\r\n") == std::string::npos)
        return value;
    std::string quoted = "\"";
    for (char c : value) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

std::string dumpValue(const dbf::Table& table, const dbf::FieldDef& field)
{
    switch (field.type) {
    case dbf::FieldType::Numeric: {
        const std::string raw = table.raw(field.name);
        const auto first = raw.find_first_not_of(' ');
        return first == std::string::npos
                   ? std::string()
                   : raw.substr(first, raw.find_last_not_of(' ') - first + 1);
    }
    case dbf::FieldType::Logical:
        return table.logical(field.name) ? "T" : "F";
    default:
        return table.text(field.name);
    }
}

} // namespace

void dumpTableCsv(dbf::Table& table, bool withDeleted, std::ostream& out)
{
    std::string line;
    if (withDeleted)
        line = "deleted";
    for (const auto& f : table.fields()) {
        if (!line.empty())
            line += ',';
        line += csvField(f.name);
    }
    out << line << "\r\n";
    for (table.first(); !table.eof(); table.next()) {
        if (table.deleted() && !withDeleted)
            continue;
        line = withDeleted ? (table.deleted() ? "*" : "") : "";
        bool firstColumn = !withDeleted;
        for (const auto& f : table.fields()) {
            if (!firstColumn)
                line += ',';
            firstColumn = false;
            line += csvField(dumpValue(table, f));
        }
        out << line << "\r\n";
    }
}
