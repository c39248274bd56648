#include "print/PrintJobs.h"

#include "entry/MenuGate.h"
#include "print/ReportPrintout.h"
#include "storage/DataModule.h"
#include "storage/DataRoot.h"
#include "trialday/GateLists.h"
#include "trialday/JudgesBook.h"
#include "trialday/RallyClassChoice.h"
#include "trialday/ScheduleLists.h"
#include "trialday/ScoreBoxSheets.h"

#include "dbf/Table.h"

// The show day's printouts: the gate steward lists, the rally score-box
// sheets, the rally judge's book and the judging schedule's armband lists.

namespace
{

using ClassCodes::Section;
using Printout = PrintJob::Printout;

template <typename T> Result<T> refused(const QString& message)
{
    return Result<T>::failure(message);
}

Result<int> showNumber(const PrintOptions& options, const std::string& job)
{
    if (!options.given("--show"))
        return refused<int>(QString::fromStdString("print " + job) + ": --show N is required");
    return PrintOptions::wholeNumber("--show", options.value("--show", {}), 1,
                                     DataRoot::kHighestShowNumber);
}

Result<Section> section(const PrintOptions& options, const std::string& job)
{
    const QString name = options.value("--section", {});
    if (name == u"obedience")
        return Section::Obedience;
    if (name == u"rally")
        return Section::Rally;
    return refused<Section>(QString::fromStdString("print " + job) +
                            ": --section obedience or --section rally is required");
}

Result<int> trialNumber(const PrintOptions& options, const std::string& job)
{
    if (!options.given("--trial"))
        return refused<int>(QString::fromStdString("print " + job) + ": --trial T is required");
    return PrintOptions::wholeNumber("--trial", options.value("--trial", {}), 1,
                                     ClassCodes::maxTrials);
}

// The rally class keys of --classes, upper-cased; none when not given.
Result<QStringList> classKeys(const PrintOptions& options)
{
    QStringList keys;
    if (!options.given("--classes"))
        return keys;
    for (const QString& part : options.value("--classes", {}).split(u',')) {
        const QString key = part.trimmed().toUpper();
        const ClassCodes::ClassCode* cls = ClassCodes::findClass(key);
        if (!cls || cls->section != Section::Rally)
            return refused<QStringList>("--classes: " + part + " is no rally class key");
        if (!keys.contains(key))
            keys << key;
    }
    return keys;
}

// Opens show `number` as the desk opens it.
Done openShow(Tdmod& data, int number)
{
    const QString file = data.root().showEntryFile(number);
    if (file.isEmpty())
        return Done::failure(QStringLiteral("show %1 has no entry table").arg(number));
    if (!data.OpenShowFile(file))
        return Done::failure(QStringLiteral("show %1 could not be opened").arg(number));
    return Done::success();
}

bool anyLiveEntry(const dbf::Table& entries)
{
    for (std::uint32_t r = 1; r <= entries.recordCount(); ++r) {
        if (!entries.record(r).deleted())
            return true;
    }
    return false;
}

// What the menu asks before the lists of a section: classes of the section,
// and for the lists, entries.
Done sectionReady(Tdmod& data, Section section, bool needsEntries)
{
    const bool offered =
        section == Section::Obedience ? data.ShowHasObedience() : data.ShowHasRally();
    if (!offered)
        return Done::failure(section == Section::Obedience ? MenuGate::kNoObedience
                                                           : MenuGate::kNoRally);
    if (needsEntries && !anyLiveEntry(*data.TzDbf1()))
        return Done::failure(MenuGate::kNoEntries);
    return Done::success();
}

using ListingMaker = std::function<RichListing(Tdmod& data, Section section)>;

// A listing of one section of a show: gate lists or schedule lists.
Result<PrintJob::Make> sectionListing(const PrintOptions& options, const std::string& job,
                                      ListingMaker make)
{
    const Result<int> show = showNumber(options, job);
    if (!show)
        return refused<PrintJob::Make>(show.message());
    const Result<Section> wanted = section(options, job);
    if (!wanted)
        return refused<PrintJob::Make>(wanted.message());
    return PrintJob::Make([show = *show, wanted = *wanted, make](Tdmod& data) -> Result<Printout> {
        if (const Done opened = openShow(data, show); !opened)
            return refused<Printout>(opened.message());
        if (const Done ready = sectionReady(data, wanted, true); !ready)
            return refused<Printout>(ready.message());
        return Printout(std::make_unique<RichListing>(make(data, wanted)));
    });
}

Result<PrintJob::Make> gateSheets(const PrintOptions& options)
{
    GateLists::Options chosen;
    chosen.trialInTitle = options.given("--trial-in-title");
    chosen.jumpHeights = options.given("--heights");
    chosen.handlers = options.given("--handlers");
    chosen.shortBreeds = options.given("--short-breeds");
    return sectionListing(options, "gate-sheets", [chosen](Tdmod& data, Section section) {
        return GateLists::build(data, section, chosen);
    });
}

Result<PrintJob::Make> scheduleLists(const PrintOptions& options)
{
    const bool trialInTitle = options.given("--trial-in-title");
    return sectionListing(options, "schedule-lists", [trialInTitle](Tdmod& data, Section section) {
        return ScheduleLists::build(data, section, trialInTitle);
    });
}

using RallyPrint =
    std::function<Result<ReportPages>(Tdmod& data, int trial, const QStringList& classes)>;

// A rally printout of chosen classes of one trial; every rally class the
// trial offers when none are chosen.
Result<PrintJob::Make> rallyClasses(const PrintOptions& options, const std::string& job,
                                    RallyPrint print)
{
    const Result<int> show = showNumber(options, job);
    if (!show)
        return refused<PrintJob::Make>(show.message());
    const Result<int> trial = trialNumber(options, job);
    if (!trial)
        return refused<PrintJob::Make>(trial.message());
    const Result<QStringList> chosen = classKeys(options);
    if (!chosen)
        return refused<PrintJob::Make>(chosen.message());
    return PrintJob::Make([show = *show, trial = *trial, chosen = *chosen,
                           print](Tdmod& data) -> Result<Printout> {
        if (const Done opened = openShow(data, show); !opened)
            return refused<Printout>(opened.message());
        if (const Done ready = sectionReady(data, Section::Rally, false); !ready)
            return refused<Printout>(ready.message());
        const auto tabs = RallyClassChoice::trialTabs(data);
        if (trial > tabs.size())
            return refused<Printout>(
                QStringLiteral("show %1 has no trial %2").arg(show).arg(trial));
        QStringList offered;
        for (const RallyClassChoice::RallyClass& cls :
             RallyClassChoice::classesOffered(data, trial))
            offered << cls.key;
        if (offered.isEmpty())
            return refused<Printout>(
                QStringLiteral("trial %1 of show %2 offers no rally class").arg(trial).arg(show));
        for (const QString& key : chosen) {
            if (!offered.contains(key))
                return refused<Printout>(
                    QStringLiteral("trial %1 offers no class %2 (it offers %3)")
                        .arg(trial)
                        .arg(key, offered.join(QStringLiteral(", "))));
        }
        Result<ReportPages> pages = print(data, trial, chosen.isEmpty() ? offered : chosen);
        if (!pages)
            return refused<Printout>(pages.message());
        return Printout(std::make_unique<ReportPrintout>(std::move(pages.value())));
    });
}

Result<PrintJob::Make> scoreBoxes(const PrintOptions& options)
{
    const bool heights = !options.given("--no-heights");
    return rallyClasses(options, "rally-score-boxes",
                        [heights](Tdmod& data, int trial, const QStringList& classes) {
                            return ScoreBoxSheets::print(data, {trial, classes, heights});
                        });
}

Result<PrintJob::Make> judgesBook(const PrintOptions& options)
{
    const bool results = options.given("--results");
    return rallyClasses(options, "judges-book",
                        [results](Tdmod& data, int trial, const QStringList& classes) {
                            return printJudgesBook(data, trial, classes, results);
                        });
}

} // namespace

std::vector<PrintJob> trialDayPrintJobs()
{
    const QList<PrintFormat> pdf{PrintFormat::Pdf};
    return {
        {"gate-sheets",
         "the gate steward lists of a section: per trial and class the judge and each dog's "
         "armband and breed, with jump heights and handlers on request",
         "--show N --section obedience|rally [--trial-in-title] [--heights] [--handlers] "
         "[--short-breeds] (--rtf FILE | --pdf FILE)",
         RichListing::offered(),
         {"--show", "--section"},
         gateSheets,
         {"--trial-in-title", "--heights", "--handlers", "--short-breeds"}},
        {"rally-score-boxes",
         "the rally gate sheets with a score box for the steward, a page per class of the trial "
         "(every rally class of it unless --classes names them)",
         "--show N --trial T [--classes KEY,...] [--no-heights] --pdf FILE",
         pdf,
         {"--show", "--trial", "--classes"},
         scoreBoxes,
         {"--no-heights"}},
        {"judges-book",
         "the rally judge's book, a page set per class of the trial (every rally class of it "
         "unless --classes names them), with the results keyed so far on request",
         "--show N --trial T [--classes KEY,...] [--results] --pdf FILE",
         pdf,
         {"--show", "--trial", "--classes"},
         judgesBook,
         {"--results"}},
        {"schedule-lists",
         "the armband numbers of each class with its count of entries, for the judging schedule",
         "--show N --section obedience|rally [--trial-in-title] (--rtf FILE | --pdf FILE)",
         RichListing::offered(),
         {"--show", "--section"},
         scheduleLists,
         {"--trial-in-title"}},
    };
}
