#include "DemoCommand.h"

#include "entry/SampleShow.h"
#include "storage/DataModule.h"

#include <iostream>

int demoCommand(CliContext& context)
{
    auto& args = context.args;
    SampleShow::Size size;
    if (const auto entries = takeOption(args, "--entries"))
        size.entries = wholeNumber("--entries", *entries, 0, 99999);
    if (const auto dogs = takeOption(args, "--dogs"))
        size.dogs = wholeNumber("--dogs", *dogs, 0, 1000000);
    if (const auto seed = takeOption(args, "--seed"))
        size.seed = std::uint32_t(wholeNumber("--seed", *seed, 0, 2147483647));
    if (!args.empty())
        throw UsageError("demo: unexpected argument " + args.front());

    if (!context.takeRootForWriting())
        return 1;
    Tdmod data(context.dataRoot, context.messages, Tdmod::StartUp::OnDemand);
    const Result<SampleShow::Made> made = SampleShow::make(data, size);
    if (!made) {
        std::cerr << "ringvale-cli: " << made.message().toStdString() << '\n';
        return 1;
    }
    std::cout << "show " << made->show << ": " << made->entries << " entries, " << made->dogs
              << " dogs, " << made->owners << " owners\n";
    return 0;
}
