#include "print/PrintJobs.h"

#include "print/ReportLayout.h"
#include "print/ReportPrintout.h"
#include "reports/CountsReports.h"
#include "reports/EmailString.h"
#include "reports/ShowListings.h"
#include "reports/VerifyInput.h"
#include "storage/DataModule.h"

// The printouts of the reports menu, each of one show: the two count reports,
// the verify listing and the show listings.

namespace
{

using Printout = PrintJob::Printout;
using Make = std::function<Result<Printout>(Tdmod& data)>;

// Reads --show, then makes the printout of that show once it is open.
Result<PrintJob::Make> ofShow(const std::string& job, const PrintOptions& options, Make make)
{
    const QString given = options.value("--show", {});
    if (given.isEmpty())
        return Result<PrintJob::Make>::failure(
            QString::fromStdString("print " + job + ": --show N is required"));
    const Result<int> show =
        PrintOptions::wholeNumber("--show", given, 1, DataRoot::kHighestShowNumber);
    if (!show)
        return Result<PrintJob::Make>::failure(show.message());
    return PrintJob::Make([show = *show, make = std::move(make)](Tdmod& data) -> Result<Printout> {
        const QString file = data.root().showEntryFile(show);
        if (file.isEmpty())
            return Result<Printout>::failure(
                QStringLiteral("show %1 has no entry table").arg(show));
        if (!data.OpenShowFile(file))
            return Result<Printout>::failure(QStringLiteral("show %1 cannot be opened").arg(show));
        return make(data);
    });
}

Result<Printout> report(ReportBuilder&& builder)
{
    return Printout(std::make_unique<ReportPrintout>(ReportLayout::layout(builder.build())));
}

Result<Printout> listing(RichListing&& made)
{
    return Printout(std::make_unique<RichListing>(std::move(made)));
}

Result<PrintJob::Make> verifyInput(const PrintOptions& options)
{
    const QString by = options.value("--by", QStringLiteral("input"));
    if (by != u"input" && by != u"owner")
        return Result<PrintJob::Make>::failure("print verify-input: unknown order " + by +
                                               " (input or owner)");
    const VerifyOrder order = by == u"owner" ? VerifyOrder::OwnerName : VerifyOrder::InputOrder;
    return ofShow("verify-input", options, [order](Tdmod& data) {
        return report(
            VerifyInputReport(data, order, VerifyInput::entriesInOrder(*data.TzDbf1(), order)));
    });
}

// A job of a show listing: its name, what it lists, and how it is made.
PrintJob listingJob(const std::string& name, const std::string& description,
                    RichListing (*make)(Tdmod&))
{
    return {name,
            description,
            "--show N (--pdf FILE | --rtf FILE)",
            RichListing::offered(),
            {"--show"},
            [name, make](const PrintOptions& options) {
                return ofShow(name, options, [make](Tdmod& data) { return listing(make(data)); });
            }};
}

} // namespace

std::vector<PrintJob> reportPrintJobs()
{
    const QList<PrintFormat> pdf{PrintFormat::Pdf};
    return {
        {"class-counts",
         "the class counts of a show: the entries of every class per trial, with the totals of "
         "each section and of the show",
         "--show N --pdf FILE",
         pdf,
         {"--show"},
         [](const PrintOptions& options) {
             return ofShow("class-counts", options,
                           [](Tdmod& data) { return report(ClassCountsReport(data)); });
         }},
        {"fee-counts",
         "the counts for the club's fees: dogs entered, regular and non-regular class entries "
         "per section and trial",
         "--show N --pdf FILE",
         pdf,
         {"--show"},
         [](const PrintOptions& options) {
             return ofShow("fee-counts", options,
                           [](Tdmod& data) { return report(FeeCountsReport(data)); });
         }},
        {"verify-input",
         "the verify listing of a show's entries, in input (record number) or owner's last name "
         "order",
         "[--by input|owner] --show N --pdf FILE",
         pdf,
         {"--by", "--show"},
         verifyInput},
        listingJob("notes", "the entries with special notes, and whether each prints on the slip",
                   ShowListings::specialNotes),
        listingJob("prepaid", "the entries with a pre-paid catalog, and their count",
                   ShowListings::prePaidCatalogs),
        listingJob("workers", "the volunteer workers with their owner's phone and e-mail",
                   ShowListings::volunteerWorkers),
        listingJob("emails-sent", "the entries whose confirmation went out by e-mail",
                   ShowListings::emailConfirmationsSent),
        listingJob("email-addresses", "each owner of the show once, with the e-mail address",
                   ShowListings::ownersAndEmails),
        listingJob("email-string",
                   "the e-mail addresses of the show's owners separated by commas, 20 to a line",
                   EmailString::ofShow),
    };
}
