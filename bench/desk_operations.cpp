// The entry desk's everyday steps on a large show, in process:
//   bench_desk_operations ROOT SHOWFILE [RUNS]
// ROOT is a data root made by `ringvale-cli demo --entries 2000 --dogs 100000`
// (run_desk.py makes one). Prints the median of each step in milliseconds:
//   open  the data module's start (dog master, owners, breeds, classes, show
//         dates with their tags) and the show opened on the desk
//   move  Next on the desk: the owner and dog lookups and the display
//   save  Edit, a changed note, Save (posts and flushes included)
//   pack  Pack of the show entry table (on a copy of the show file)
#include "entry/EntryDeskWidget.h"
#include "entry/EntryPanelWidget.h"
#include "storage/DataModule.h"
#include "storage/HeapSettings.h"
#include "storage/SessionSettings.h"

#include "dbf/Table.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace
{

// Answers every question with its cautious reply, except Pack's.
class BenchMessages : public Messages
{
public:
    QChar ask(const MessageRequest& request) override
    {
        return request.buttons == QLatin1String("Cancel Pack") ? QChar(u'P')
                                                               : cautiousLetter(request);
    }
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
        step(i);
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
    QApplication app(argc, argv);
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s ROOT SHOWFILE [RUNS]\n", argv[0]);
        return 2;
    }
    const QString root = QString::fromLocal8Bit(argv[1]);
    const QString show = QString::fromLocal8Bit(argv[2]);
    const int runs = argc > 3 ? std::atoi(argv[3]) : 11;
    BenchMessages messages;
    SessionSettings session;

    const auto opens = time(runs, [&](int) {
        Tdmod data(root, messages);
        data.OpenShowFile(show);
        EntryDeskWidget desk(data, session, messages);
        desk.showOpened();
    });

    Tdmod data(root, messages);
    data.OpenShowFile(show);
    EntryDeskWidget desk(data, session, messages);
    desk.showOpened();
    const auto moves = time(runs * 20, [&](int) { desk.goNext(); });
    const auto saves = time(runs * 5, [&](int i) {
        desk.edit();
        qobject_cast<QLineEdit*>(desk.panel()->fieldBox("notes"))
            ->setText(QStringLiteral("Changed %1").arg(i));
        desk.save();
    });
    data.CloseShow();

    const QString copy = show + QStringLiteral(".bench.dbf");
    std::vector<double> packs;
    for (int i = 0; i < runs; ++i) {
        QFile::remove(copy);
        QFile::copy(show, copy);
        auto table = dbf::Table::open(copy.toStdString());
        for (std::uint32_t r = 1; r <= table->recordCount(); r += 25) {
            table->go(r);
            table->setDeleted(true);
        }
        QElapsedTimer clock;
        clock.start();
        table->pack();
        packs.push_back(double(clock.nsecsElapsed()) / 1e6);
    }
    QFile::remove(copy);

    std::printf("open %.1f ms\nmove %.2f ms\nsave %.2f ms\npack %.1f ms\n", median(opens),
                median(moves), median(saves), median(packs));
    return 0;
}
