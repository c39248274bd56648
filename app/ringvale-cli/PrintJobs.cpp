#include "PrintJobs.h"

#include "print/PrintJobs.h"
#include "storage/DataModule.h"

#include "dbf/Error.h"

#include <QFileInfo>

#include <iostream>
#include <map>

namespace
{

void listJobs()
{
    for (const PrintJob& job : PrintJobs::all())
        std::cout << job.name << ' ' << job.usage << "\n    " << job.description << '\n';
}

// Ends the job with the reason it could not be done.
void require(const Done& done)
{
    if (!done)
        throw dbf::Error(done.message().toStdString());
}

} // namespace

int printCommand(CliContext& context)
{
    auto& args = context.args;
    if (takeFlag(args, "--list")) {
        if (!args.empty())
            throw UsageError("print: unexpected argument " + args.front());
        listJobs();
        return 0;
    }
    if (args.empty())
        throw UsageError("print: no name given (print --list shows them)");
    const std::string name = args.front();
    args.erase(args.begin());
    const PrintJob* job = PrintJobs::find(name);
    if (!job)
        throw UsageError("print: unknown name " + name + " (print --list shows them)");
    context.usage = "print " + name + " " + job->usage;

    std::optional<PrintFormat> format;
    QString outputFile;
    for (const PrintFormat offered : job->formats) {
        const std::string flag = "--" + PrintFormats::extension(offered).toStdString();
        if (const auto file = takeOption(args, flag)) {
            if (format)
                throw UsageError("print " + name + ": give one output file");
            format = offered;
            outputFile = QFileInfo(QString::fromStdString(*file)).absoluteFilePath();
        }
    }
    std::map<std::string, std::string> options;
    for (const std::string& option : job->options) {
        if (const auto value = takeOption(args, option))
            options[option] = *value;
    }
    for (const std::string& flag : job->flags) {
        if (takeFlag(args, flag))
            options[flag] = {};
    }
    if (!args.empty())
        throw UsageError("print " + name + ": unexpected argument " + args.front());
    if (!format)
        throw UsageError("print " + name + ": no output file given");
    const Result<PrintJob::Make> make = job->prepare(PrintOptions(std::move(options)));
    if (!make)
        throw UsageError(make.message().toStdString());

    // A job may make a table its first use creates.
    if (!context.takeRootForWriting())
        return 1;
    Tdmod data(context.dataRoot, context.messages, Tdmod::StartUp::OnDemand);
    Result<PrintJob::Printout> printout = (*make)(data);
    if (!printout)
        throw dbf::Error(printout.message().toStdString());
    require(printout.value()->write(*format, outputFile));
    return 0;
}
