#include "CountsCommand.h"

#include "ShowOpening.h"

#include "reports/ClassCounts.h"
#include "reports/FeeCounts.h"
#include "storage/DataModule.h"

#include <iostream>

namespace
{

// A field of RFC 4180: quoted when it holds a comma, a quote or a line end.
std::string csv(const QString& value)
{
    const std::string text = value.toStdString();
    if (text.find_first_of(",\"\r\n") == std::string::npos)
        return text;
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + '"';
}

} // namespace

int countsCommand(CliContext& context)
{
    auto& args = context.args;
    const auto show = takeOption(args, "--show");
    const bool fees = takeFlag(args, "--fees");
    if (!show)
        throw UsageError("counts: --show N is required");
    if (!args.empty())
        throw UsageError("counts: unexpected argument " + args.front());
    const int number = wholeNumber("--show", *show, 1, DataRoot::kHighestShowNumber);

    // The counts go through the reports' work tables in pgmdata/.
    if (!context.takeRootForWriting())
        return 1;
    Tdmod data(context.dataRoot, context.messages, Tdmod::StartUp::OnDemand);
    if (!openShowForCommand(data, number))
        return 1;
    const ShowCounts counts = fees ? FeeCounts::count(data) : ClassCounts::count(data);
    std::cout << (fees ? "section,row,t1,t2,t3,t4\r\n" : "section,class,t1,t2,t3,t4\r\n");
    for (const CountRow& row : counts.rows) {
        std::cout << csv(row.section) << ',' << csv(row.name);
        for (int trial = 1; trial <= 4; ++trial)
            std::cout << ',' << csv(counts.figure(row, trial));
        std::cout << "\r\n";
    }
    return 0;
}
