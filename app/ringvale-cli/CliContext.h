#pragma once

#include "storage/ConsoleMessages.h"

#include <QString>

#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

// What every command of ringvale-cli gets: its arguments, the data root and
// the console's message channel.
struct CliContext {
    std::vector<std::string> args;
    QString dataRoot;
    ConsoleMessages messages;
};

// A command line that cannot be understood: exit code 2 with the usage.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Takes the value after `flag` out of `args` (nothing when the flag is absent).
std::optional<std::string> takeOption(std::vector<std::string>& args, const std::string& flag);
// Takes a flag without a value out of `args`; true when it was there.
bool takeFlag(std::vector<std::string>& args, const std::string& flag);
