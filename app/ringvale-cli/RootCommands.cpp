#include "RootCommands.h"

#include "RootCheck.h"
#include "TableCheck.h"
#include "TableDump.h"

#include "storage/DataRoot.h"
#include "storage/TableSchemas.h"

#include "dbf/Error.h"
#include "dbf/Table.h"

#include <QFileInfo>

#include <algorithm>
#include <iostream>

namespace
{

void printLine(const QString& line)
{
    std::cout << line.toStdString() << '\n';
}

const TableSchema* resolveTable(const std::string& name)
{
    return TableSchemas::find(QString::fromStdString(name));
}

bool perShow(const TableSchema& schema)
{
    return schema.folder == TableFolder::ShowData || schema.folder == TableFolder::Shows;
}

} // namespace

int initCommand(CliContext& context)
{
    if (!context.args.empty())
        throw UsageError("init: unexpected argument " + context.args.front());
    if (!context.lockRoot())
        return 1;
    QStringList damaged;
    for (const QString& path : DataRoot(context.dataRoot).layOut(&damaged))
        printLine(path);
    for (const QString& fault : damaged)
        context.messages.error(fault + QStringLiteral(" (left as it is)"));
    return damaged.isEmpty() ? 0 : 1;
}

int checkCommand(CliContext& context)
{
    if (context.args.empty())
        return checkRoot(context.dataRoot);
    bool allOk = true;
    for (const auto& file : context.args) {
        const TableCheckResult result = checkTableFile(file);
        std::cout << file << ": " << result.text << '\n';
        allOk = allOk && result.ok;
    }
    return allOk ? 0 : 1;
}

int showsCommand(CliContext& context)
{
    if (!context.args.empty())
        throw UsageError("shows: unexpected argument " + context.args.front());
    const DataRoot root(context.dataRoot);
    const QString file = root.tableFile(TableSchemas::ShowDates());
    if (!QFileInfo::exists(file))
        throw dbf::Error(("no show dates table: " + file).toStdString());
    const auto dates = dbf::Table::open(file.toStdString(), dbf::Table::Access::ReadOnly);
    dates->addTag({"shownum", "str(show_num,5)"});
    dates->setOrder("shownum");
    for (dates->first(); !dates->eof(); dates->next()) {
        if (dates->deleted())
            continue;
        const int number = static_cast<int>(dates->number("show_num"));
        const auto date = dates->date("show_date");
        const QString entryFile = root.showEntryFile(number);
        QString count = QStringLiteral("-");
        if (!entryFile.isEmpty()) {
            const auto entries =
                dbf::Table::open(entryFile.toStdString(), dbf::Table::Access::ReadOnly);
            int live = 0;
            for (std::uint32_t r = 1; r <= entries->recordCount(); ++r) {
                entries->go(r);
                live += entries->deleted() ? 0 : 1;
            }
            count = QString::number(live);
        }
        const QString dateText =
            date ? QString::asprintf("%04d-%02u-%02u", int(date->year()), unsigned(date->month()),
                                     unsigned(date->day()))
                 : QStringLiteral("-");
        printLine(QStringList{
            QString::number(number), dateText, QString::fromStdString(dates->text("num_trials")),
            entryFile.isEmpty() ? QStringLiteral("-") : root.relative(entryFile), count}
                      .join(u'\t'));
    }
    return 0;
}

int dumpCommand(CliContext& context)
{
    auto& args = context.args;
    const auto show = takeOption(args, "--show");
    const auto tag = takeOption(args, "--tag");
    const auto order = takeOption(args, "--order");
    const bool descending = takeFlag(args, "--descending");
    const bool withDeleted = takeFlag(args, "--deleted");
    if (args.size() != 1)
        throw UsageError(args.empty() ? "dump: no table given"
                                      : "dump: unexpected argument " + args[1]);
    if (tag && order)
        throw UsageError("dump: --tag and --order exclude each other");
    if (descending && !order)
        throw UsageError("dump: --descending needs --order");

    const DataRoot root(context.dataRoot);
    const TableSchema* schema = resolveTable(args.front());
    QString file = QString::fromStdString(args.front());
    if (schema) {
        int number = 0;
        if (perShow(*schema)) {
            if (!show)
                throw UsageError("dump: " + args.front() + " needs --show N");
            number = wholeNumber("--show", *show, 1, DataRoot::kHighestShowNumber);
        }
        file = schema == &TableSchemas::TzDbf1() ? root.showEntryFile(number)
                                                 : root.tableFile(*schema, number);
        if (file.isEmpty() || !QFileInfo::exists(file))
            throw dbf::Error("no table " + schema->component.toStdString() +
                             (number ? " for show " + std::to_string(number) : std::string()) +
                             (file.isEmpty() ? std::string() : ": " + file.toStdString()));
    } else if (!QFileInfo::exists(file)) {
        throw dbf::Error("no table " + file.toStdString());
    }
    const auto table = dbf::Table::open(file.toStdString(), dbf::Table::Access::ReadOnly);
    if (tag) {
        if (!schema)
            throw UsageError("dump: --tag needs a table name, not a file");
        // Only the tag asked for is built: a dump walks one order.
        const auto named =
            std::find_if(schema->tags.begin(), schema->tags.end(),
                         [&](const dbf::TagDef& t) { return dbf::sameName(t.name, *tag); });
        if (named == schema->tags.end())
            throw dbf::Error(file.toStdString() + ": no tag named " + *tag);
        table->addTag(*named);
        table->setOrder(named->name);
    } else if (order) {
        table->addTag({"dumporder", *order, descending});
        table->setOrder("dumporder");
    }
    dumpTableCsv(*table, withDeleted, std::cout);
    return 0;
}
