#include "CatalogCommand.h"

#include "ShowOpening.h"

#include "preparation/CatalogBuild.h"
#include "storage/DataModule.h"
#include "storage/TableSchemas.h"

#include <iostream>

namespace
{

// The show entry table's tag of that name, in any case; empty when none.
std::string entryTag(const std::string& name, std::string& known)
{
    std::string found;
    for (const dbf::TagDef& tag : TableSchemas::TzDbf1().tags) {
        known += (known.empty() ? "" : ", ") + tag.name;
        if (QString::fromStdString(tag.name).compare(QString::fromStdString(name),
                                                     Qt::CaseInsensitive) == 0)
            found = tag.name;
    }
    return found;
}

} // namespace

int catalogCommand(CliContext& context)
{
    auto& args = context.args;
    if (args.empty() || args.front() != "build")
        throw UsageError("catalog: expected build");
    args.erase(args.begin());
    const auto show = takeOption(args, "--show");
    if (!show)
        throw UsageError("catalog build: --show N is required");
    const std::string order = takeOption(args, "--order").value_or("NAME");
    if (!args.empty())
        throw UsageError("catalog build: unexpected argument " + args.front());
    const int number = wholeNumber("--show", *show, 1, DataRoot::kHighestShowNumber);
    std::string known;
    const std::string tag = entryTag(order, known);
    if (tag.empty())
        throw UsageError("catalog build: unknown order " + order + " (" + known + ")");

    if (!context.takeRootForWriting())
        return 1;
    Tdmod data(context.dataRoot, context.messages, Tdmod::StartUp::OnDemand);
    if (!openShowForCommand(data, number))
        return 1;
    data.TzDbf1()->setOrder(tag);
    std::cout << BuildCatalogTable(data) << " catalog rows\n";
    return 0;
}
