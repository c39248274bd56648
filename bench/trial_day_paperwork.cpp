// The show day's paperwork on a large show, in process, written as PDFs:
//   bench_trial_day_paperwork ROOT [RUNS]
// ROOT is a data root made by `ringvale-cli demo --entries 2000 --dogs
// 100000` with armbands assigned (run_trial_day.py makes one). Judges are
// given every class of every trial first when the show has none, so that
// the sheets carry names rather than the lookups' fallbacks. Prints the
// median of each printout and of all of them together in milliseconds, each
// made from the tables and written to a PDF file:
//   gate-obedience, gate-rally  the gate steward lists of each section
//   score-boxes-T               the score-box sheets of every rally class of trial T
//   judges-book-T               the judge's book of every rally class of trial T
#include "preparation/JudgeAssignments.h"
#include "print/ReportPrintout.h"
#include "storage/DataModule.h"
#include "storage/HeapSettings.h"
#include "trialday/GateLists.h"
#include "trialday/JudgesBook.h"
#include "trialday/RallyClassChoice.h"
#include "trialday/ScoreBoxSheets.h"

#include "dbf/Table.h"

#include <QDir>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <map>
#include <vector>

namespace
{

// Answers every question cautiously and shows nothing.
class SilentMessages : public Messages
{
public:
    QChar ask(const MessageRequest& request) override { return cautiousLetter(request); }
    std::optional<QString> input(const QString&, const QString&, const QString&) override
    {
        return std::nullopt;
    }
    std::optional<QString> openFile(const FileChoice&) override { return std::nullopt; }
    std::optional<QString> saveFile(const FileChoice&) override { return std::nullopt; }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values.empty() ? 0 : values[values.size() / 2];
}

void giveEveryClassAJudge(Tdmod& data, int trials)
{
    data.OpenShowJudges(data.currentShowNumber());
    if (data.ShwJudges()->recordCount() > 0)
        return;
    data.OpenJudges();
    dbf::Table& judges = *data.Judges();
    judges.append();
    judges.setText("judgenum", "90001");
    judges.setText("first", "Bench");
    judges.setText("last", "Judge");
    judges.post();
    JudgeAssignments assignments(data);
    for (int trial = 1; trial <= trials; ++trial) {
        QStringList keys;
        for (const auto& offered : assignments.offeredClasses(trial))
            keys << offered.classKey;
        assignments.setClasses(trial, "90001", keys);
    }
}

void write(const Printable& printout, const QString& file)
{
    if (const Done written = printout.write(PrintFormat::Pdf, file); !written) {
        std::fprintf(stderr, "%s\n", qPrintable(written.message()));
        std::exit(1);
    }
}

} // namespace

int main(int argc, char* argv[])
{
    keepLargeBuffers();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s ROOT [RUNS]\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const int runs = argc > 2 ? std::atoi(argv[2]) : 11;
    SilentMessages messages;
    Tdmod data(root, messages, Tdmod::StartUp::OnDemand);
    if (!data.OpenShowFile(data.root().showEntryFile(1))) {
        std::fprintf(stderr, "no show 1 in %s\n", argv[1]);
        return 1;
    }
    const auto tabs = RallyClassChoice::trialTabs(data);
    giveEveryClassAJudge(data, int(tabs.size()));
    QTemporaryDir out;

    using Step = std::function<void()>;
    std::vector<std::pair<std::string, Step>> steps;
    for (const auto section : {ClassCodes::Section::Obedience, ClassCodes::Section::Rally}) {
        const bool obedience = section == ClassCodes::Section::Obedience;
        const QString file = out.filePath(obedience ? "gate-obedience.pdf" : "gate-rally.pdf");
        steps.emplace_back(obedience ? "gate-obedience" : "gate-rally", [&data, section, file] {
            write(GateLists::build(data, section, {}), file);
        });
    }
    for (const auto& tab : tabs) {
        QStringList keys;
        for (const auto& cls : RallyClassChoice::classesOffered(data, tab.trial))
            keys << cls.key;
        if (keys.isEmpty())
            continue;
        const QString trial = QString::number(tab.trial);
        steps.emplace_back("score-boxes-" + trial.toStdString(), [&data, tab, keys, &out, trial] {
            auto pages = ScoreBoxSheets::print(data, {tab.trial, keys, true});
            write(ReportPrintout(std::move(pages.value())), out.filePath("boxes" + trial + ".pdf"));
        });
        steps.emplace_back("judges-book-" + trial.toStdString(), [&data, tab, keys, &out, trial] {
            auto pages = printJudgesBook(data, tab.trial, keys, false);
            write(ReportPrintout(std::move(pages.value())), out.filePath("book" + trial + ".pdf"));
        });
    }

    std::map<std::string, std::vector<double>> times;
    std::vector<double> totals;
    for (int run = 0; run < runs; ++run) {
        double total = 0;
        for (const auto& [name, step] : steps) {
            QElapsedTimer clock;
            clock.start();
            step();
            const double ms = double(clock.nsecsElapsed()) / 1e6;
            times[name].push_back(ms);
            total += ms;
        }
        totals.push_back(total);
    }
    for (const auto& [name, step] : steps)
        std::printf("%-16s %7.1f ms\n", name.c_str(), median(times[name]));
    std::printf("%-16s %7.1f ms\n", "together", median(totals));
    return 0;
}
