#include "TableCheck.h"

#include "dbf/Error.h"
#include "dbf/Table.h"

TableCheckResult checkTableFile(const std::filesystem::path& file)
{
    try {
        const auto table = dbf::Table::open(file, dbf::Table::Access::ReadOnly);
        std::string text = "ok " + std::to_string(table->recordCount());
        if (const auto header = table->repairedFrom())
            text += " (header says " + std::to_string(*header) + "; repaired on next open)";
        return {true, text};
    } catch (const dbf::InUseError&) {
        return {false, "error: in use"};
    } catch (const std::exception& e) {
        std::string message = e.what();
        // The path already starts the line; do not repeat it in the message.
        const std::string prefix = file.string() + ": ";
        if (message.rfind(prefix, 0) == 0)
            message.erase(0, prefix.size());
        return {false, "error: " + message};
    }
}
