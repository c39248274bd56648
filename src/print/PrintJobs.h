#pragma once

#include "print/LabelStock.h"
#include "print/Printable.h"
#include "storage/Result.h"

#include <QList>
#include <QString>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class Tdmod;

// The options a print job was given, by name: "--order" -> "zip".
class PrintOptions
{
public:
    PrintOptions() = default;
    explicit PrintOptions(std::map<std::string, std::string> values) : values_(std::move(values)) {}

    // The option's value, or `fallback` when it was not given.
    QString value(const std::string& name, const QString& fallback) const;
    // Whether an option or a flag was given.
    bool given(const std::string& name) const { return values_.contains(name); }
    // The label to start from, --start-row and --start-col (1 when not
    // given), each a whole number inside the sheet of `stock`.
    Result<LabelPosition> labelStart(const LabelStock& stock) const;

    // A whole number from `lowest` to `highest`, written in digits only;
    // anything else ("1abc", "2.5", "+1", out of range) gives the message
    // that names the option: "--start-row: 11 is not a whole number from 1
    // to 10".
    static Result<int> wholeNumber(const std::string& option, const QString& text, int lowest,
                                   int highest);

private:
    std::map<std::string, std::string> values_;
};

// One printout the secretary can have written to a file by name: a listing,
// a report or a label run. Its window prints the same printout from the same
// code; this table is how the command line reaches it.
struct PrintJob {
    using Printout = std::unique_ptr<Printable>;
    // Makes the printout from the data: the tables it needs are opened and
    // only read. A job that cannot be done gives the reason.
    using Make = std::function<Result<Printout>(Tdmod& data)>;

    std::string name;
    std::string description;          // one line
    std::string usage;                // the options and output files it takes
    QList<PrintFormat> formats;       // the files it can write, as its printout offers them
    std::vector<std::string> options; // the options it takes, each with a value
    // Reads the options before any table is touched: what makes the
    // printout, or the message that names an option's bad value.
    std::function<Result<Make>(const PrintOptions& options)> prepare;
    // The options it takes without a value ("--results"): given or not.
    std::vector<std::string> flags;
};

namespace PrintJobs
{

// Every job, those of the master databases first, then the show setup's,
// the trial preparation's, the trial day's and the reports'.
const std::vector<PrintJob>& all();
// The job of that name; nullptr when there is none.
const PrintJob* find(const std::string& name);

} // namespace PrintJobs

// The jobs of each subsystem, each group in a file of its own subsystem.
std::vector<PrintJob> masterPrintJobs();
std::vector<PrintJob> setupPrintJobs();
std::vector<PrintJob> preparationPrintJobs();
std::vector<PrintJob> trialDayPrintJobs();
std::vector<PrintJob> reportPrintJobs();
