// The catalog on a large show, in process:
//   bench_catalog_timings ROOT SHOWFILE [RUNS]
// ROOT is a data root made by `ringvale-cli demo --entries 2000 --dogs 100000`
// with the club info set (run_catalog.py makes one, with judges). Prints the
// median of each step in milliseconds:
//   build     BuildCatalogTable: the catalog work table emptied and filled
//             from every entry and its dog
//   booklets  the whole obedience and the whole rally catalog, each read
//             from the built catalog and written as a booklet PDF
#include "preparation/CatalogBuild.h"
#include "preparation/CatalogPrintout.h"
#include "storage/DataModule.h"
#include "storage/HeapSettings.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

// Says nothing and answers every question cautiously.
class BenchMessages : public Messages
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

template <typename Step> std::vector<double> time(int runs, Step step)
{
    std::vector<double> ms;
    for (int i = 0; i < runs; ++i) {
        QElapsedTimer clock;
        clock.start();
        step();
        ms.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    return ms;
}

} // namespace

int main(int argc, char* argv[])
{
    keepLargeBuffers();
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROOT SHOWFILE [RUNS]\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString show = QString::fromLocal8Bit(argv[2]);
    const int runs = argc > 3 ? std::atoi(argv[3]) : 11;
    BenchMessages messages;
    Tdmod data(root, messages);
    if (!data.OpenShowFile(show))
        return 1;

    int rows = 0;
    const auto builds = time(runs, [&] { rows = BuildCatalogTable(data); });

    QTemporaryDir out;
    const CatalogPageOptions booklet{
        CatalogLayout::Booklet, storedCatalogSettings(data.preferences(), CatalogLayout::Booklet)};
    const auto booklets = time(runs, [&] {
        for (const auto section : {ClassCodes::Section::Obedience, ClassCodes::Section::Rally}) {
            CatalogRun run;
            run.section = section;
            run.classes = catalogClasses(data, section);
            const CatalogPrintout printout(CatalogContent::read(data, run), booklet);
            const QString pdf = out.filePath(ClassCodes::sectionName(section) + ".pdf");
            if (!printout.write(PrintFormat::Pdf, pdf))
                std::fprintf(stderr, "could not write %s\n", qPrintable(pdf));
        }
    });
    std::printf("build %.1f ms (%d rows)\nbooklets %.0f ms\n", median(builds), rows,
                median(booklets));
    return 0;
}
