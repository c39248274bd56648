#include "PrintJobs.h"

#include "print/ReportLayout.h"
#include "print/ReportPainter.h"
#include "setup/CatGroupListing.h"
#include "setup/ClassListingReport.h"
#include "setup/ClassTableOrders.h"
#include "storage/DataModule.h"

// The show setup's printouts: the class report and the two listings of the
// catalog groupings.

namespace
{

int printClasses(Tdmod& data, const PrintRequest& request)
{
    const QString name = QString::fromStdString(request.option("--order", "srtkey"));
    const ClassTableOrder* order = ClassTableOrders::byName(name);
    if (!order)
        throw UsageError("print classes: unknown order " + name.toStdString() +
                         " (srtkey, section, dbkey or name)");
    data.OpenClasses();
    ClassListingReport builder(*data.ShowClasses(), order->tag);
    requireWritten(
        ReportPainter::writePdf(ReportLayout::layout(builder.build()), request.outputFile));
    return 0;
}

int printCatGroups(Tdmod& data, const PrintRequest& request, CatGroupListing::Kind kind)
{
    data.OpenCatGroups();
    const QStringList lines = CatGroupListing::lines(*data.CatGroups(), kind);
    requireWritten(request.format == "txt"
                       ? CatGroupListing::saveText(request.outputFile, lines)
                       : CatGroupListing::printout(lines, CatGroupListing::font())
                             .savePdf(request.outputFile, CatGroupListing::title()));
    return 0;
}

} // namespace

std::vector<PrintJob> setupPrintJobs()
{
    using Kind = CatGroupListing::Kind;
    return {
        {"classes",
         "the class table report: every class with its sort key, group, fee type and scoring",
         "[--order srtkey|section|dbkey|name] --pdf FILE",
         {"pdf"},
         {"--order"},
         printClasses},
        {"catgroups-codes",
         "the list of catalog grouping codes with their descriptions, in section order",
         "--txt FILE|--pdf FILE",
         {"txt", "pdf"},
         {},
         [](Tdmod& data, const PrintRequest& r) { return printCatGroups(data, r, Kind::Codes); }},
        {"catgroups-full",
         "the full list of catalog groupings, each with its header and footer lines",
         "--txt FILE|--pdf FILE",
         {"txt", "pdf"},
         {},
         [](Tdmod& data, const PrintRequest& r) { return printCatGroups(data, r, Kind::Full); }},
    };
}
