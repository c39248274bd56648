#pragma once

#include "CliMessages.h"

#include "storage/DataRootLock.h"

#include <QDate>
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
    CliMessages messages;
    // The usage a usage error shows: the command's, or a print job's once
    // the job is known.
    std::string usage;
    // Held by a command that writes, from its start to the end of the program.
    std::optional<DataRootLock> lock;

    // For a command that writes: takes the data root's lock, then lays the
    // root out as every start does (what is damaged is told, and left as it
    // is). False, after the message, when another Ringvale holds the root.
    // Throws dbf::Error for a folder or table that cannot be made.
    bool takeRootForWriting();
    // Only the lock, for init, which lays out the root as its own work.
    bool lockRoot();
};

// A command line that cannot be understood: exit code 2 with the usage.
struct UsageError : std::runtime_error {
    using std::runtime_error::runtime_error;
};

// Takes the value after `flag` out of `args` (nothing when the flag is absent).
std::optional<std::string> takeOption(std::vector<std::string>& args, const std::string& flag);
// Takes a flag without a value out of `args`; true when it was there.
bool takeFlag(std::vector<std::string>& args, const std::string& flag);

// A whole number from `lowest` to `highest`, digits only; anything else
// ("1abc", "1.9", "1 5", "+1", a number out of range) is a UsageError naming
// the option.
int wholeNumber(const std::string& option, const std::string& text, int lowest, int highest);
// A calendar date written YYYY-MM-DD, the year in four digits; anything else
// ("-2026-03-01", "2026-02-30", "2026-3-1") is a UsageError naming the option.
QDate calendarDate(const std::string& option, const std::string& text);
