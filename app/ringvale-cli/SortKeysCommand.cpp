#include "SortKeysCommand.h"

#include "setup/SortKeysConfirm.h"
#include "storage/DataModule.h"

#include "dbf/Error.h"

#include <iostream>

int sortKeysCommand(CliContext& context)
{
    const auto show = takeOption(context.args, "--show");
    if (!show)
        throw UsageError("sortkeys: --show N is required");
    if (!context.args.empty())
        throw UsageError("sortkeys: unexpected argument " + context.args.front());
    const int number = wholeNumber("--show", *show, 1, DataRoot::kHighestShowNumber);

    if (!context.takeRootForWriting())
        return 1;
    Tdmod data(context.dataRoot, context.messages, Tdmod::StartUp::OnDemand);
    const QString file = data.root().showEntryFile(number);
    if (file.isEmpty())
        throw dbf::Error("sortkeys: show " + std::to_string(number) + " has no entry table");
    if (!data.OpenShowFile(file))
        return 1;
    const SortKeysConfirm::Outcome outcome = SortKeysConfirm::run(data);
    std::cout << outcome.entries << " entries, " << outcome.changed << " changed\n";
    return 0;
}
