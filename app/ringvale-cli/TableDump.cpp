#include "TableDump.h"

#include "CsvField.h"

#include <string>

namespace
{

std::string dumpValue(const dbf::RecordView& record, const dbf::FieldDef& field, int position)
{
    switch (field.type) {
    case dbf::FieldType::Numeric: {
        std::string text = record.text(position);
        text.erase(0, text.find_first_not_of(' '));
        return text;
    }
    case dbf::FieldType::Logical:
        return record.logical(position) ? "T" : "F";
    default:
        return record.text(position);
    }
}

} // namespace

void dumpTableCsv(const dbf::Table& table, bool withDeleted, std::ostream& out)
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
    const dbf::FieldList& fields = table.fields();
    for (std::uint32_t recno : table.recordsInOrder(table.order())) {
        const dbf::RecordView record = table.record(recno);
        if (record.deleted() && !withDeleted)
            continue;
        line = withDeleted ? (record.deleted() ? "*" : "") : "";
        bool firstColumn = !withDeleted;
        for (std::size_t i = 0; i < fields.size(); ++i) {
            if (!firstColumn)
                line += ',';
            firstColumn = false;
            line += csvField(dumpValue(record, fields[i], int(i) + 1));
        }
        out << line << "\r\n";
    }
}
