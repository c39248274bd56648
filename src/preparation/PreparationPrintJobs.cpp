#include "print/PrintJobs.h"

#include "entry/MenuGate.h"
#include "preparation/BreedsEntered.h"
#include "preparation/CatalogBuild.h"
#include "preparation/CatalogPreviewPrintout.h"
#include "preparation/CatalogPrintout.h"
#include "preparation/ExhibitorIndexPrintout.h"
#include "storage/DataModule.h"

#include <QStringList>

#include <algorithm>

// The trial preparation's printouts: the catalog as a booklet, a full page
// or a preview, the exhibitor index and the breeds entered.

namespace
{

using Printout = PrintJob::Printout;
using ClassCodes::Section;

Result<PrintJob::Make> refused(const QString& message)
{
    return Result<PrintJob::Make>::failure(message);
}

QString jobName(const std::string& job)
{
    return QStringLiteral("print ") + QString::fromStdString(job);
}

Result<int> showNumber(const PrintOptions& options, const std::string& job)
{
    if (!options.given("--show"))
        return Result<int>::failure(jobName(job) + QStringLiteral(": --show N is required"));
    return PrintOptions::wholeNumber("--show", options.value("--show", {}), 1,
                                     DataRoot::kHighestShowNumber);
}

// Opens show N as File, Open does once the file is chosen.
Done openShow(Tdmod& data, int show)
{
    const QString file = data.root().showEntryFile(show);
    if (file.isEmpty())
        return Done::failure(QStringLiteral("show %1 has no entry table").arg(show));
    if (!data.OpenShowFile(file))
        return Done::failure(QStringLiteral("show %1 could not be opened").arg(show));
    return Done::success();
}

// What a catalog job was asked for.
struct CatalogRequest {
    std::string job;
    int show = 0;
    Section section = Section::Obedience;
    QStringList classKeys; // empty: every class of the section's list
    bool results = false;
};

Result<CatalogRequest> catalogRequest(const PrintOptions& options, const std::string& job)
{
    CatalogRequest request{job};
    const Result<int> show = showNumber(options, job);
    if (!show)
        return Result<CatalogRequest>::failure(show.message());
    request.show = *show;
    const QString section = options.value("--section", {});
    if (section != u"obedience" && section != u"rally")
        return Result<CatalogRequest>::failure(
            jobName(job) + QStringLiteral(": --section obedience|rally is required"));
    request.section = section == u"rally" ? Section::Rally : Section::Obedience;
    if (options.given("--classes")) {
        for (const QString& key : options.value("--classes", {}).split(u',')) {
            const ClassCodes::ClassCode* cls = ClassCodes::findClass(key.trimmed());
            if (!cls || cls->section != request.section)
                return Result<CatalogRequest>::failure(
                    jobName(job) +
                    QStringLiteral(": %1 is no class key of the %2 catalog").arg(key, section));
            request.classKeys << cls->key.toString();
        }
    }
    request.results = options.given("--results");
    return request;
}

// The catalog built afresh, and the classes asked for in the order the
// window lists them.
Result<CatalogContent> catalogContent(Tdmod& data, const CatalogRequest& request,
                                      bool preview = false)
{
    if (!MenuState::of(data).clubInfoSet)
        return Result<CatalogContent>::failure(MenuGate::kNeedsClubInfo);
    if (const Done opened = openShow(data, request.show); !opened)
        return Result<CatalogContent>::failure(opened.message());
    const bool obedience = request.section == Section::Obedience;
    if (obedience ? !data.ShowHasObedience() : !data.ShowHasRally())
        return Result<CatalogContent>::failure(obedience ? MenuGate::kNoObedience
                                                         : MenuGate::kNoRally);
    BuildCatalogTable(data);
    CatalogRun run;
    run.section = request.section;
    run.results = request.results;
    // The preview gives a group's footer for each trial with a row of either section.
    run.footersForEitherSection = preview;
    const std::vector<CatalogClass> listed = catalogClasses(data, request.section);
    for (const CatalogClass& cls : listed) {
        if (request.classKeys.isEmpty() || request.classKeys.contains(cls.classKey))
            run.classes.push_back(cls);
    }
    for (const QString& key : request.classKeys) {
        const bool found = std::any_of(listed.begin(), listed.end(), [&](const CatalogClass& cls) {
            return cls.classKey == key;
        });
        if (!found)
            return Result<CatalogContent>::failure(
                jobName(request.job) +
                QStringLiteral(": class %1 has no entries in show %2").arg(key).arg(request.show));
    }
    if (run.classes.empty())
        return Result<CatalogContent>::failure(QStringLiteral("No Classes have been selected"));
    return CatalogContent::read(data, run);
}

PrintJob::Make catalogPages(const CatalogRequest& request, CatalogLayout layout)
{
    return [request, layout](Tdmod& data) -> Result<Printout> {
        Result<CatalogContent> content = catalogContent(data, request);
        if (!content)
            return Result<Printout>::failure(content.message());
        CatalogPageOptions options;
        options.layout = layout;
        options.settings = storedCatalogSettings(data.preferences(), layout);
        return Printout(std::make_unique<CatalogPrintout>(std::move(content.value()), options));
    };
}

std::function<Result<PrintJob::Make>(const PrintOptions&)> catalogJob(std::string job,
                                                                      CatalogLayout layout)
{
    return [job, layout](const PrintOptions& options) -> Result<PrintJob::Make> {
        const Result<CatalogRequest> request = catalogRequest(options, job);
        if (!request)
            return refused(request.message());
        return catalogPages(*request, layout);
    };
}

Result<PrintJob::Make> catalogPreview(const PrintOptions& options)
{
    const Result<CatalogRequest> request = catalogRequest(options, "catalog-preview");
    if (!request)
        return refused(request.message());
    return PrintJob::Make([request = *request](Tdmod& data) -> Result<Printout> {
        Result<CatalogContent> content = catalogContent(data, request, true);
        if (!content)
            return Result<Printout>::failure(content.message());
        return Printout(std::make_unique<RichListing>(
            CatalogPreviewPrintout::listing(*content, CatalogPreviewOptions{})));
    });
}

Result<PrintJob::Make> exhibitorIndex(const PrintOptions& options)
{
    const Result<int> show = showNumber(options, "exhibitor-index");
    if (!show)
        return refused(show.message());
    const QString format = options.value("--format", QStringLiteral("booklet"));
    if (format != u"booklet" && format != u"fullpage" && format != u"preview")
        return refused(QStringLiteral("print exhibitor-index: unknown format ") + format +
                       QStringLiteral(" (booklet, fullpage or preview)"));
    return PrintJob::Make([show = *show, format](Tdmod& data) -> Result<Printout> {
        if (const Done opened = openShow(data, show); !opened)
            return Result<Printout>::failure(opened.message());
        const ExhibitorIndex::Options choices;
        Result<ExhibitorIndex::Index> index = ExhibitorIndex::read(data, choices);
        if (!index)
            return Result<Printout>::failure(index.message());
        if (format == u"preview")
            return Printout(
                std::make_unique<RichListing>(ExhibitorIndexPreview::listing(*index, choices)));
        return Printout(std::make_unique<ExhibitorIndexPrintout>(
            format == u"booklet" ? BookletSheets::Format::Booklet : BookletSheets::Format::FullPage,
            std::move(index.value()), choices));
    });
}

Result<PrintJob::Make> breedsEntered(const PrintOptions& options)
{
    const Result<int> show = showNumber(options, "breeds-entered");
    if (!show)
        return refused(show.message());
    return PrintJob::Make([show = *show](Tdmod& data) -> Result<Printout> {
        if (const Done opened = openShow(data, show); !opened)
            return Result<Printout>::failure(opened.message());
        return Printout(std::make_unique<CanvasListing>(
            BreedsEntered::listing(BreedsEntered::lines(*data.TzDbf1()))));
    });
}

} // namespace

std::vector<PrintJob> preparationPrintJobs()
{
    const QList<PrintFormat> pdf{PrintFormat::Pdf};
    const std::vector<std::string> catalogOptions{"--show", "--section", "--classes"};
    const std::vector<std::string> results{"--results"};
    return {
        {"catalog-booklet",
         "the catalog of show N's section as a booklet, two 5 1/2\" x 8 1/2\" pages on each "
         "landscape sheet, with the stored booklet settings; needs the club and secretary info",
         "--show N --section obedience|rally [--classes KEY,...] [--results] --pdf FILE", pdf,
         catalogOptions, catalogJob("catalog-booklet", CatalogLayout::Booklet), results},
        {"catalog-fullpage",
         "the catalog of show N's section on full 8 1/2\" x 11\" pages, with the stored full "
         "page settings; needs the club and secretary info",
         "--show N --section obedience|rally [--classes KEY,...] [--results] --pdf FILE", pdf,
         catalogOptions, catalogJob("catalog-fullpage", CatalogLayout::FullPage), results},
        {"catalog-preview",
         "the catalog of show N's section as rich text, as the preview writes it; needs the "
         "club and secretary info",
         "--show N --section obedience|rally [--classes KEY,...] [--results] "
         "(--pdf FILE | --rtf FILE)",
         RichListing::offered(), catalogOptions, catalogPreview, results},
        {"exhibitor-index",
         "the exhibitors of show N with their addresses, breeds and armband numbers: a booklet "
         "page pair, a full page, or the preview's rich text (--rtf with preview only)",
         "--show N [--format booklet|fullpage|preview] (--pdf FILE | --rtf FILE)",
         RichListing::offered(),
         {"--show", "--format"},
         exhibitorIndex},
        {"breeds-entered",
         "the breeds entered in show N with the number of entries of each",
         "--show N (--pdf FILE | --txt FILE)",
         CanvasListing::offered(),
         {"--show"},
         breedsEntered},
    };
}
