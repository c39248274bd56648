#pragma once

#include "CliContext.h"

#include "print/LabelStock.h"
#include "storage/Result.h"

#include <QString>

#include <functional>
#include <map>
#include <string>
#include <vector>

class Tdmod;

// One thing `ringvale-cli print` can produce: a listing, a report or a label
// run, made by the same code as its window's Print and Save as PDF.
struct PrintRequest {
    std::map<std::string, std::string> options; // "--order" -> "zip"; flags map to ""
    std::string format;                         // "pdf", "rtf" or "txt"
    QString outputFile;

    // The option's value, or fallback when the command line left it out.
    std::string option(const std::string& name, const std::string& fallback) const;
    // The label to start from, --start-row and --start-col (1 when left
    // out), each a whole number inside the sheet of `stock`.
    LabelPosition labelStart(const LabelStock& stock) const;
};

// Ends the job with the reason when its output could not be written.
void requireWritten(const Done& written);
template <typename T> void requireWritten(const Result<T>& written)
{
    requireWritten(written ? Done::success() : Done::failure(written.message()));
}

struct PrintJob {
    std::string name;
    std::string description;          // one line, for `print --list`
    std::string usage;                // the options, for `print --list` and usage errors
    std::vector<std::string> formats; // the outputs it can write
    std::vector<std::string> options; // the options it takes (each with a value)
    // Writes the output; returns the exit code. Throws UsageError for a bad
    // option value and dbf::Error for a failure.
    std::function<int(Tdmod&, const PrintRequest&)> run;
};

// Every print job, grouped by the subsystem that owns it. Each group lives in
// its own file (for example OwnersPrintJobs.cpp) and is listed in PrintJobs.cpp.
std::vector<PrintJob> printJobs();
std::vector<PrintJob> ownersPrintJobs();
std::vector<PrintJob> judgesPrintJobs();
std::vector<PrintJob> setupPrintJobs();

int printCommand(CliContext& context);
