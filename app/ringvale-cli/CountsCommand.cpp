#include "CountsCommand.h"

#include "CsvField.h"
#include "ShowOpening.h"

#include "reports/ClassCounts.h"
#include "reports/FeeCounts.h"
#include "storage/DataModule.h"

#include <iostream>

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
        std::cout << csvField(row.section) << ',' << csvField(row.name);
        for (int trial = 1; trial <= 4; ++trial)
            std::cout << ',' << csvField(counts.figure(row, trial));
        std::cout << "\r\n";
    }
    return 0;
}
