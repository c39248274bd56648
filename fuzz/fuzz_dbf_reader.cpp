// Feeds arbitrary bytes to the table reader as a file: it must open it or
// refuse it with a dbf::Error, never crash or read out of bounds. What opens is
// walked, read field by field, given a tag and searched.
#include "dbf/Error.h"
#include "dbf/Table.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("fuzz-dbf-" + std::to_string(getpid()) + ".dbf");
    {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    try {
        auto table = dbf::Table::open(file, dbf::Table::Access::ReadOnly);
        for (table->first(); !table->eof(); table->next()) {
            for (int position = 0; position <= table->fieldCount(); ++position)
                (void)table->text(position);
            for (const auto& field : table->fields()) {
                (void)table->number(field.name);
                (void)table->date(field.name);
                (void)table->logical(field.name);
            }
        }
        if (table->fieldCount() > 0) {
            table->addTag({"first", "upper(" + table->fields()[0].name + ")+str(recno(),5)"});
            table->setOrder("first");
            (void)table->find("A");
        }
    } catch (const dbf::Error&) {
    }
    return 0;
}
