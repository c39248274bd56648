#include "print/PrintJobs.h"

#include "print/ReportLayout.h"
#include "print/ReportPrintout.h"
#include "setup/CatGroupListing.h"
#include "setup/ClassListingReport.h"
#include "setup/ClassTableOrders.h"
#include "storage/DataModule.h"

// The show setup's printouts: the class report and the two listings of the
// catalog groupings.

namespace
{

using Printout = PrintJob::Printout;

Result<PrintJob::Make> classes(const PrintOptions& options)
{
    const QString name = options.value("--order", QStringLiteral("srtkey"));
    const ClassTableOrder* order = ClassTableOrders::byName(name);
    if (!order)
        return Result<PrintJob::Make>::failure("print classes: unknown order " + name +
                                               " (srtkey, section, dbkey or name)");
    return PrintJob::Make([tag = order->tag](Tdmod& data) -> Result<Printout> {
        data.OpenClasses();
        ClassListingReport report(*data.ShowClasses(), tag);
        return Printout(std::make_unique<ReportPrintout>(ReportLayout::layout(report.build())));
    });
}

PrintJob::Make catGroups(CatGroupListing::Kind kind)
{
    return [kind](Tdmod& data) -> Result<Printout> {
        data.OpenCatGroups();
        return Printout(std::make_unique<CanvasListing>(CatGroupListing::listing(
            CatGroupListing::lines(*data.CatGroups(), kind), CatGroupListing::font())));
    };
}

} // namespace

std::vector<PrintJob> setupPrintJobs()
{
    using Kind = CatGroupListing::Kind;
    return {
        {"classes",
         "the class table report: every class with its sort key, group, fee type and scoring",
         "[--order srtkey|section|dbkey|name] --pdf FILE",
         {PrintFormat::Pdf},
         {"--order"},
         classes},
        {"catgroups-codes",
         "the list of catalog grouping codes with their descriptions, in section order",
         "--txt FILE|--pdf FILE",
         CanvasListing::offered(),
         {},
         [](const PrintOptions&) { return Result<PrintJob::Make>(catGroups(Kind::Codes)); }},
        {"catgroups-full",
         "the full list of catalog groupings, each with its header and footer lines",
         "--txt FILE|--pdf FILE",
         CanvasListing::offered(),
         {},
         [](const PrintOptions&) { return Result<PrintJob::Make>(catGroups(Kind::Full)); }},
    };
}
