#include "CliRun.h"
#include "TempDir.h"

#include <gtest/gtest.h>

// ringvale-cli demo: a sample show keyed through the entry editor, the same
// for the same seed.

namespace
{

QString root(const TempDir& dir)
{
    return QString::fromStdString(dir.path().string());
}

TEST(CliDemo, MakesTheSameSampleShowForTheSameSeed)
{
    TempDir first, second;
    for (const TempDir* dir : {&first, &second}) {
        const CliRun made = runCli(
            {"--data-dir", root(*dir), "demo", "--entries", "40", "--dogs", "120", "--seed", "7"});
        ASSERT_EQ(made.exitCode, 0) << made.err.toStdString();
        EXPECT_TRUE(made.out.startsWith("show 1: 40 entries, 120 dogs, "))
            << made.out.toStdString();
        EXPECT_TRUE(made.out.endsWith(" owners\n"));
        const CliRun check = runCli({"--data-dir", root(*dir), "check"});
        EXPECT_EQ(check.exitCode, 0) << check.out.toStdString();
    }
    const auto entries = [](const TempDir& dir) {
        return runCli({"--data-dir", root(dir), "dump", "TzDbf1", "--show", "1", "--deleted"}).out;
    };
    const QString dumped = entries(first);
    EXPECT_EQ(dumped, entries(second));
    const QStringList rows = dumped.split("\r\n", Qt::SkipEmptyParts);
    ASSERT_EQ(rows.size(), 41);
    // Every entry was completed: its sort key is its lowest class's, never "999".
    const int srtkey = rows.first().split(',').indexOf("srtkey");
    for (const QString& row : rows.mid(1))
        EXPECT_NE(row.split(',').at(srtkey), "999") << row.toStdString();

    const CliRun other =
        runCli({"--data-dir", root(second), "demo", "--entries", "5", "--seed", "8"});
    EXPECT_TRUE(other.out.startsWith("show 2: 5 entries")) << other.out.toStdString();
}

TEST(CliDemo, RefusesValuesThatAreNotWholeNumbers)
{
    TempDir dir;
    for (const char* bad : {"--entries=1", "abc"}) {
        const CliRun run = runCli({"--data-dir", root(dir), "demo", "--entries", bad});
        EXPECT_EQ(run.exitCode, 2) << bad;
    }
}

} // namespace
