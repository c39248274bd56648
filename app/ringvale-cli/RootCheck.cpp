#include "RootCheck.h"

#include "TableCheck.h"

#include "storage/DataRoot.h"
#include "storage/TableSchemas.h"

#include "dbf/Table.h"

#include <QFileInfo>

#include <iostream>

namespace
{

std::string describe(const dbf::FieldDef& f)
{
    std::string text = f.name + " " + static_cast<char>(f.type) + " " + std::to_string(f.width);
    if (f.decimals > 0)
        text += "." + std::to_string(f.decimals);
    return text;
}

// "" when the fields are those of the definition, else what differs first.
std::string fieldMismatch(const dbf::FieldList& found, const dbf::FieldList& expected)
{
    const std::size_t n = std::max(found.size(), expected.size());
    for (std::size_t i = 0; i < n; ++i) {
        const std::string position = "field " + std::to_string(i + 1) + " ";
        if (i >= found.size())
            return position + "missing, expected " + describe(expected[i]);
        if (i >= expected.size())
            return position + "is " + describe(found[i]) + ", not in the table definition";
        if (!(found[i] == expected[i]))
            return position + "is " + describe(found[i]) + ", expected " + describe(expected[i]);
    }
    return {};
}

TableCheckResult checkRootTable(const DataRoot& root, const QString& file)
{
    if (QFileInfo(file).size() == 0)
        return {false, "error: empty file (0 bytes)"};
    TableCheckResult result = checkTableFile(file.toStdString());
    const TableSchema* schema =
        TableSchemas::forFile(root.folderOf(file), QFileInfo(file).fileName());
    if (!result.ok || !schema)
        return result;
    const auto table = dbf::Table::open(file.toStdString(), dbf::Table::Access::ReadOnly);
    const std::string mismatch = fieldMismatch(table->fields(), schema->fields);
    if (!mismatch.empty())
        return {false, "error: " + mismatch};
    if (table->recordCount() == 0 && !DataRoot::shippedRows(*schema).isEmpty())
        return {false, "error: no records (init writes the shipped ones again)"};
    return result;
}

} // namespace

int checkRoot(const QString& rootPath)
{
    const DataRoot root(rootPath);
    bool allOk = true;
    const auto report = [&allOk](const QString& what, const std::string& text, bool ok = false) {
        std::cout << what.toStdString() << ": " << text << '\n';
        allOk = allOk && ok;
    };

    const QFileInfo rootInfo(root.path());
    if (!rootInfo.isDir()) {
        report(root.path(), rootInfo.exists() ? "error: not a folder" : "error: no such folder");
    } else {
        for (const QString& name : DataRoot::layoutFolders()) {
            const QFileInfo folder(DataRoot::locate(root.path(), name));
            if (!folder.isDir())
                report(root.relative(folder.filePath()),
                       folder.exists() ? "error: not a folder" : "error: missing folder");
        }
    }
    for (const QString& file : root.tableFiles()) {
        const TableCheckResult result = checkRootTable(root, file);
        report(root.relative(file), result.text, result.ok);
    }
    for (const TableSchema* schema : DataRoot::layoutTables()) {
        const QFileInfo table(root.tableFile(*schema));
        if (!table.isFile())
            report(root.relative(table.filePath()),
                   table.exists() ? "error: not a file" : "error: missing");
    }
    return allOk ? 0 : 1;
}
