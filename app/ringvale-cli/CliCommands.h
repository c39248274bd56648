#pragma once

#include "CliContext.h"

#include <string>
#include <vector>

// The commands of ringvale-cli, each with its usage and a line that says
// what it does: the one list that the dispatch, `help` and usage errors read.
struct CliCommand {
    std::string name;
    std::string usage;   // the command line after "ringvale-cli [--data-dir DIR] "
    std::string summary; // one line
    int (*run)(CliContext&);
};

const std::vector<CliCommand>& cliCommands();
// The command of that name; nullptr when there is none.
const CliCommand* findCommand(const std::string& name);

// "usage: ringvale-cli [--data-dir DIR] " and the command's usage.
std::string usageLine(const std::string& usage);
// The usage of every command with its summary, as --help shows it.
std::string overview();

// `help [COMMAND]`: the overview, or one command's usage and summary.
int helpCommand(CliContext& context);
