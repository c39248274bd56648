#include "CliContext.h"

#include "storage/DataRoot.h"

#include <algorithm>

bool CliContext::lockRoot()
{
    Result<DataRootLock> taken = DataRootLock::take(dataRoot);
    if (!taken) {
        messages.error(taken.message());
        return false;
    }
    lock.emplace(std::move(taken.value()));
    return true;
}

bool CliContext::takeRootForWriting()
{
    if (!lockRoot())
        return false;
    QStringList damaged;
    DataRoot(dataRoot).layOut(&damaged);
    for (const QString& fault : damaged)
        messages.inform(fault);
    return true;
}

std::optional<std::string> takeOption(std::vector<std::string>& args, const std::string& flag)
{
    const auto it = std::find(args.begin(), args.end(), flag);
    if (it == args.end())
        return std::nullopt;
    if (it + 1 == args.end())
        throw UsageError(flag + " needs a value");
    std::string value = *(it + 1);
    args.erase(it, it + 2);
    return value;
}

bool takeFlag(std::vector<std::string>& args, const std::string& flag)
{
    const auto it = std::find(args.begin(), args.end(), flag);
    if (it == args.end())
        return false;
    args.erase(it);
    return true;
}
