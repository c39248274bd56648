#include "PrintJobs.h"

#include "storage/DataModule.h"

#include "dbf/Error.h"

#include <QFileInfo>

#include <algorithm>
#include <iostream>

std::string PrintRequest::option(const std::string& name, const std::string& fallback) const
{
    const auto found = options.find(name);
    return found == options.end() ? fallback : found->second;
}

LabelPosition PrintRequest::labelStart(const LabelStock& stock) const
{
    return {wholeNumber("--start-row", option("--start-row", "1"), 1, stock.down),
            wholeNumber("--start-col", option("--start-col", "1"), 1, stock.across)};
}

void requireWritten(const Done& written)
{
    if (!written)
        throw dbf::Error(written.message().toStdString());
}

std::vector<PrintJob> printJobs()
{
    std::vector<PrintJob> jobs;
    const auto add = [&jobs](std::vector<PrintJob> group) {
        jobs.insert(jobs.end(), group.begin(), group.end());
    };
    add(ownersPrintJobs());
    add(judgesPrintJobs());
    add(setupPrintJobs());
    return jobs;
}

int printCommand(CliContext& context)
{
    auto& args = context.args;
    const std::vector<PrintJob> jobs = printJobs();
    if (takeFlag(args, "--list")) {
        if (!args.empty())
            throw UsageError("print: unexpected argument " + args.front());
        for (const PrintJob& job : jobs)
            std::cout << job.name << ' ' << job.usage << "\n    " << job.description << '\n';
        return 0;
    }
    if (args.empty())
        throw UsageError("print: no name given (print --list shows them)");
    const std::string name = args.front();
    args.erase(args.begin());
    const auto job =
        std::find_if(jobs.begin(), jobs.end(), [&](const PrintJob& j) { return j.name == name; });
    if (job == jobs.end())
        throw UsageError("print: unknown name " + name + " (print --list shows them)");
    context.usage = "print " + name + " " + job->usage;

    PrintRequest request;
    for (const std::string& format : job->formats) {
        if (const auto file = takeOption(args, "--" + format)) {
            if (!request.format.empty())
                throw UsageError("print " + name + ": give one output file");
            request.format = format;
            request.outputFile = QFileInfo(QString::fromStdString(*file)).absoluteFilePath();
        }
    }
    for (const std::string& option : job->options) {
        if (const auto value = takeOption(args, option))
            request.options[option] = *value;
    }
    if (!args.empty())
        throw UsageError("print " + name + ": unexpected argument " + args.front());
    if (request.format.empty())
        throw UsageError("print " + name + ": no output file given");

    // A job may make a table its first use creates.
    if (!context.takeRootForWriting())
        return 1;
    Tdmod data(context.dataRoot, context.messages, Tdmod::StartUp::OnDemand);
    return job->run(data, request);
}
