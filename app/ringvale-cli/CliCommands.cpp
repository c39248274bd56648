#include "CliCommands.h"

#include "ArmbandCommands.h"
#include "CatalogCommand.h"
#include "CountsCommand.h"
#include "DemoCommand.h"
#include "JudgeCommands.h"
#include "PrintJobs.h"
#include "RootCommands.h"
#include "ShowCommands.h"
#include "SortKeysCommand.h"

#include <iostream>

const std::vector<CliCommand>& cliCommands()
{
    static const std::vector<CliCommand> commands = {
        {"init", "init",
         "lay out the data root and complete what a start or a new show cut short left behind",
         initCommand},
        {"check", "check [FILE...]",
         "check table files, or every folder and table of the data root; exit 1 on a fault",
         checkCommand},
        {"shows", "shows", "list the shows: number, first date, trials, entry file, entries",
         showsCommand},
        {"dump",
         "dump TABLE|FILE [--show N] [--tag NAME | --order EXPR [--descending]] [--deleted]",
         "write a table as CSV, deleted records left out unless --deleted", dumpCommand},
        {"print", "print --list | print NAME [options] (--pdf FILE | --rtf FILE | --txt FILE)",
         "write a listing, report or label run to a file; print --list shows each with its options",
         printCommand},
        {"sortkeys", "sortkeys --show N",
         "confirm the sort keys of show N's entries; prints \"N entries, M changed\"",
         sortKeysCommand},
        {"counts", "counts --show N [--fees]",
         "the class counts of show N as CSV (section,class,t1..t4), or with --fees the counts for "
         "the club's fees (section,row,t1..t4); a trial the show does not hold is empty",
         countsCommand},
        {"show",
         "show new --date YYYY-MM-DD --trials N [--trial-date T:YYYY-MM-DD,...] "
         "[--offer T:FLAG,...] [--obed-event T:NUMBER,...] [--rally-event T:NUMBER,...]",
         "create a show as the show dates window's first save does; prints its number and file",
         showCommand},
        {"demo", "demo [--entries N] [--dogs N] [--seed S]",
         "add a sample show of invented exhibitors (200 entries, 1,000 dogs and seed 1 unless "
         "given); prints \"show N: E entries, D dogs, O owners\"",
         demoCommand},
        {"armbands",
         "armbands assign --show N --order ORDER [--jump-heights yes|no] [--digits D] "
         "[--start TEXT] | armbands clear --show N",
         "number the entries of show N as Auto Assign does (ORDER: last-name, nur, armband, "
         "catalog, obed-asc, obed-desc, rally-asc, rally-desc, input), or clear their numbers",
         armbandsCommand},
        {"judges",
         "judges assign --show N --trial T --judge NUMBER --classes KEY,... | judges replace "
         "--show N --trial T --judge OLD --by NEW | judges remove --show N --trial T --judge "
         "NUMBER | judges list --show N",
         "the judge assignments of show N: give a judge exactly these classes, hand a judge's "
         "classes to another, take a judge out of a trial, or list them as CSV",
         judgesCommand},
        {"catalog", "catalog build --show N [--order TAG]",
         "build show N's catalog table as the catalog windows do, walking the entries in the "
         "order of TAG (NAME unless given); prints \"N catalog rows\"",
         catalogCommand},
        {"help", "help [COMMAND]", "show every command, or one command's usage", helpCommand},
    };
    return commands;
}

const CliCommand* findCommand(const std::string& name)
{
    for (const CliCommand& command : cliCommands()) {
        if (command.name == name)
            return &command;
    }
    return nullptr;
}

std::string usageLine(const std::string& usage)
{
    return "usage: ringvale-cli [--data-dir DIR] " + usage + "\n";
}

std::string overview()
{
    std::string text = usageLine("COMMAND ...") + "\n";
    for (const CliCommand& command : cliCommands())
        text += "  " + command.usage + "\n      " + command.summary + "\n";
    return text + "\nWithout --data-dir the data root is the program's folder when it holds "
                  "userdata/, else ~/.local/share/ringvale.\n";
}

int helpCommand(CliContext& context)
{
    if (context.args.size() > 1)
        throw UsageError("help: unexpected argument " + context.args[1]);
    if (context.args.empty()) {
        std::cout << overview();
        return 0;
    }
    const CliCommand* command = findCommand(context.args.front());
    if (!command)
        throw UsageError("help: unknown command " + context.args.front());
    std::cout << usageLine(command->usage) << command->summary << '\n';
    return 0;
}
