#include "CliRun.h"
#include "DataRootFixture.h"

#include "dbf/Table.h"

#include <QFile>

#include <gtest/gtest.h>

// The data-root commands of ringvale-cli, whose output scripts rely on.

namespace
{

std::string s(const QString& t)
{
    return t.toStdString();
}

} // namespace

TEST(CliRoot, InitPrintsWhatItCreatedAndNothingTheSecondTime)
{
    TempDir dir;
    const QString root = QString::fromStdString((dir / "root").string());
    const CliRun first = runCli({"--data-dir", root, "init"});
    EXPECT_EQ(first.exitCode, 0) << s(first.err);
    EXPECT_TRUE(first.out.startsWith("userdata\npgmdata\nshows\nindexs\ncatdata\nhelp\n"))
        << s(first.out);
    EXPECT_TRUE(first.out.contains("pgmdata/nurclass26.dbf\n"));
    const CliRun second = runCli({"--data-dir", root, "init"});
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(s(second.out), "");

    // The shipped class table reads in an independent reader.
    const CliRun peer = runProgram(
        "/usr/bin/python3", {RINGVALE_PEERS "read_dbfread.py", root + "/pgmdata/nurclass26.dbf"});
    EXPECT_EQ(peer.exitCode, 0) << s(peer.err);
    EXPECT_TRUE(peer.out.contains(R"("classname": "Novice A")")) << s(peer.out.left(400));
    EXPECT_TRUE(peer.out.contains(R"("can_nq": true)"));
}

TEST(CliRoot, CheckReportsDamageFieldMismatchAndTablesInUse)
{
    DataRootFixture fixture; // holds the masters open, as the running application would
    const QString root = fixture.root();
    const CliRun locked = runCli({"--data-dir", root, "check"});
    EXPECT_EQ(locked.exitCode, 1);
    EXPECT_TRUE(locked.out.contains("userdata/dogmaster2.dbf: error: in use\n")) << s(locked.out);
    EXPECT_TRUE(locked.out.contains("pgmdata/catgroups.dbf: ok 12\n")) << s(locked.out);
    fixture.stop();

    EXPECT_EQ(runCli({"--data-dir", root, "check"}).exitCode, 0);
    QFile::remove(root + "/userdata/judges25.dbf");
    dbf::Table::create(
        (root + "/userdata/judges25.dbf").toStdString(),
        {{"judgenum", dbf::FieldType::Character, 5}, {"first", dbf::FieldType::Character, 20}});
    QFile broken(root + "/userdata/maildb25.dbf");
    ASSERT_TRUE(broken.resize(10));
    const CliRun damaged = runCli({"--data-dir", root, "check"});
    EXPECT_EQ(damaged.exitCode, 1);
    EXPECT_TRUE(damaged.out.contains(
        "userdata/judges25.dbf: error: field 2 is first C 20, expected first C 25\n"))
        << s(damaged.out);
    EXPECT_TRUE(damaged.out.contains("userdata/maildb25.dbf: error: file is too short"))
        << s(damaged.out);
}

TEST(CliRoot, ShowsAndDumpOfAShowsEntries)
{
    DataRootFixture fixture;
    fixture.addShowDates(12, QDate(2006, 10, 14), 2);
    fixture.addShowDates(13, QDate(2006, 11, 4), 1);
    Tdmod& data = fixture.data();
    data.CreateShowEntryTable(12, "10/14/2006");
    for (const char* last : {"Zeller", "Adams", "Gone"}) {
        data.TzDbf1()->append();
        data.TzDbf1()->setText("last", last);
        data.TzDbf1()->setText("notes", "says \"hi\", twice");
        data.TzDbf1()->post();
    }
    data.TzDbf1()->setDeleted(true);
    fixture.stop();
    const QString root = fixture.root();

    const CliRun shows = runCli({"--data-dir", root, "shows"});
    EXPECT_EQ(shows.exitCode, 0) << s(shows.err);
    EXPECT_EQ(s(shows.out), "12\t2006-10-14\t2\tshows/Show-00012-10-14-2006.dbf\t2\n"
                            "13\t2006-11-04\t1\t-\t-\n");

    const CliRun dump = runCli(
        {"--data-dir", root, "dump", "tzdbf1", "--show", "12", "--tag", "name", "--deleted"});
    EXPECT_EQ(dump.exitCode, 0) << s(dump.err);
    const QStringList rows = dump.out.split("\r\n");
    ASSERT_GE(rows.size(), 4);
    EXPECT_TRUE(rows[0].startsWith("deleted,reg,dog,breed,owner_id,first,last,arm,"));
    EXPECT_TRUE(rows[1].startsWith(",,,,,,Adams,,,,\"says \"\"hi\"\", twice\",F,F,")) << s(rows[1]);
    EXPECT_TRUE(rows[2].startsWith("*,,,,,,Gone,")) << s(rows[2]);

    const CliRun missing = runCli({"--data-dir", root, "dump", "Results", "--show", "12"});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_TRUE(missing.err.contains("no table Results for show 12")) << s(missing.err);
    EXPECT_FALSE(QFile::exists(root + "/catdata/cat00012/results.dbf")) << "dump creates nothing";
    EXPECT_EQ(runCli({"--data-dir", root, "dump", "Catalog"}).exitCode, 2);
}
