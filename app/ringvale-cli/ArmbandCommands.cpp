#include "ArmbandCommands.h"

#include "ShowOpening.h"

#include "preparation/ArmbandNumbering.h"
#include "storage/DataModule.h"

#include <iostream>
#include <map>

namespace
{

// The orders of the armband window by the names scripts give them.
const std::map<std::string, std::string> kOrders = {
    {"last-name", "name"},     {"nur", "regnum"},          {"armband", "armband"},
    {"catalog", "srtkey"},     {"obed-asc", "aobjmpht"},   {"obed-desc", "dobjmpht"},
    {"rally-asc", "arallyht"}, {"rally-desc", "drallyht"}, {"input", ""},
};

std::string orderNames()
{
    std::string names;
    for (const auto& [name, tag] : kOrders)
        names += (names.empty() ? "" : ", ") + name;
    return names;
}

} // namespace

int armbandsCommand(CliContext& context)
{
    auto& args = context.args;
    if (args.empty() || (args.front() != "assign" && args.front() != "clear"))
        throw UsageError("armbands: expected assign or clear");
    const bool assign = args.front() == "assign";
    args.erase(args.begin());
    const auto show = takeOption(args, "--show");
    if (!show)
        throw UsageError("armbands: --show N is required");
    const int number = wholeNumber("--show", *show, 1, DataRoot::kHighestShowNumber);

    ArmbandNumbering::Pass pass;
    std::optional<std::string> digits, start;
    if (assign) {
        const auto order = takeOption(args, "--order");
        if (!order)
            throw UsageError("armbands assign: --order is required (" + orderNames() + ")");
        const auto tag = kOrders.find(*order);
        if (tag == kOrders.end())
            throw UsageError("armbands assign: unknown order " + *order + " (" + orderNames() +
                             ")");
        pass.order = tag->second;
        const std::string heights = takeOption(args, "--jump-heights").value_or("no");
        if (heights != "yes" && heights != "no")
            throw UsageError("--jump-heights: yes or no");
        pass.jumpHeightPrefix = heights == "yes";
        digits = takeOption(args, "--digits");
        start = takeOption(args, "--start");
    }
    if (!args.empty())
        throw UsageError("armbands: unexpected argument " + args.front());

    if (!context.takeRootForWriting())
        return 1;
    Tdmod data(context.dataRoot, context.messages, Tdmod::StartUp::OnDemand);
    if (!openShowForCommand(data, number))
        return 1;
    dbf::Table& entries = *data.TzDbf1();
    if (!assign) {
        std::cout << ArmbandNumbering::clear(entries, "") << " armbands cleared\n";
        return 0;
    }
    pass.digits =
        digits ? wholeNumber("--digits", *digits, 3, 5) : data.preferences().armbandDigits();
    pass.start = start ? QString::fromStdString(*start) : data.preferences().armbandStart();
    // As in the window, the jump height goes into five-digit numbers only.
    if (pass.jumpHeightPrefix && pass.digits != 5)
        throw UsageError("--jump-heights yes needs 5 digits");
    const Result<int> assigned = ArmbandNumbering::assign(entries, pass);
    if (!assigned) {
        context.messages.error(assigned.message());
        return 1;
    }
    std::cout << *assigned << " armbands assigned\n";
    return 0;
}
