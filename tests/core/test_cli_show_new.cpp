#include "CliRun.h"
#include "TempDir.h"

#include "setup/ShowDatesRecord.h"
#include "storage/DataRoot.h"
#include "storage/Preferences.h"
#include "storage/TableSchemas.h"

#include "dbf/Table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

// ringvale-cli show new: its output and refusals are what scripts rely on.

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

class CliShowNew : public ::testing::Test
{
protected:
    CliShowNew() { DataRoot(root).layOut(); }

    // The data root goes last: every command takes it wherever it stands.
    CliRun run(QStringList arguments) const
    {
        arguments << QStringLiteral("--data-dir") << root;
        return runCli(arguments);
    }

    ShowDatesRecord showDates(int number) const
    {
        const auto table =
            dbf::Table::open(DataRoot(root).tableFile(TableSchemas::ShowDates()).toStdString(),
                             dbf::Table::Access::ReadOnly);
        for (std::uint32_t r = 1; r <= table->recordCount(); ++r) {
            table->go(r);
            if (table->number("show_num") == number)
                return ShowDatesRecord::read(*table);
        }
        ADD_FAILURE() << "no show " << number;
        return {};
    }

    TempDir dir;
    const QString root = QString::fromStdString((dir / "root").string());
};

} // namespace

TEST_F(CliShowNew, CreatesTheShowAndPrintsItsNumberAndFile)
{
    const CliRun created = run({"show", "new", "--date", "2006-10-13", "--trials", "3", "--offer",
                                "1:OR,2:rr", "--offer", "3:Rctm", "--trial-date", "3:2006-10-20",
                                "--obed-event", "1:2006123456", "--rally-event", "2:2006654321"});
    ASSERT_EQ(created.exitCode, 0) << s(created.err);
    EXPECT_EQ(s(created.out), "1\tshows/Show-00001-10-13-2006.dbf\n");

    const CliRun shows = run({"shows"});
    EXPECT_EQ(shows.exitCode, 0) << s(shows.err);
    EXPECT_EQ(s(shows.out), "1\t2006-10-13\t3\tshows/Show-00001-10-13-2006.dbf\t0\n");
    EXPECT_TRUE(QFileInfo(root + "/catdata/cat00001/indexs").isDir());
    EXPECT_TRUE(Preferences(root).lastOpenedShow().endsWith("Show-00001-10-13-2006.dbf"))
        << s(Preferences(root).lastOpenedShow());

    const ShowDatesRecord record = showDates(1);
    EXPECT_EQ(record.of(2).date, QDate(2006, 10, 14));
    EXPECT_EQ(record.of(3).date, QDate(2006, 10, 20));
    EXPECT_TRUE(record.of(1).offered[0]);
    EXPECT_TRUE(record.of(2).offered[13]);
    EXPECT_TRUE(record.of(3).offered[18]);
    EXPECT_FALSE(record.of(1).offered[13]);
    EXPECT_EQ(s(record.of(1).obedienceEvent), "2006123456");
    EXPECT_EQ(s(record.of(2).rallyEvent), "2006654321");

    const CliRun second =
        run({"show", "new", "--date", "2006-11-03", "--trials", "1", "--offer", "1:opn"});
    EXPECT_EQ(s(second.out), "2\tshows/Show-00002-11-03-2006.dbf\n") << s(second.err);
}

TEST_F(CliShowNew, ARefusalExitsOneWithTheWindowsMessage)
{
    const CliRun refused = run({"show", "new", "--date", "2006-10-13", "--trials", "2"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_EQ(s(refused.out), "");
    EXPECT_TRUE(refused.err.contains("You haven't indicated any classes!  Please do so."))
        << s(refused.err);
    EXPECT_EQ(s(run({"shows"}).out), "");
    EXPECT_TRUE(QDir(root + "/shows").isEmpty());
}

TEST_F(CliShowNew, CommandLinesItCannotReadAreUsageErrors)
{
    for (const QStringList& arguments :
         {QStringList{"show", "new", "--trials", "1", "--offer", "1:or"},
          QStringList{"show", "new", "--date", "10/13/2006", "--trials", "1", "--offer", "1:or"},
          QStringList{"show", "new", "--date", "2006-10-13", "--trials", "5", "--offer", "1:or"},
          QStringList{"show", "new", "--date", "2006-10-13", "--trials", "1", "--offer", "2:or"},
          QStringList{"show", "new", "--date", "2006-10-13", "--trials", "1", "--offer", "1:orna"},
          QStringList{"show", "new", "--date", "2006-10-13", "--trials", "2", "--offer", "1:or",
                      "--trial-date", "1:2006-10-14"}}) {
        const CliRun refused = run(arguments);
        EXPECT_EQ(refused.exitCode, 2) << s(arguments.join(' ')) << "\n" << s(refused.err);
    }
    EXPECT_EQ(s(run({"shows"}).out), "");
}

// A new show cut short before its record was posted leaves an entry table
// without entries; the next new show gets the same number and takes its place.
TEST_F(CliShowNew, AnUnfinishedShowsEmptyEntryTableIsReplaced)
{
    for (const bool header : {false, true}) {
        const QString unfinished = root + "/shows/Show-00001-01-05-2001.dbf";
        if (header)
            dbf::Table::create(unfinished.toStdString(), TableSchemas::Show().fields);
        else
            QFile(unfinished).open(QIODevice::WriteOnly);

        const CliRun created =
            run({"show", "new", "--date", "2026-03-01", "--trials", "1", "--offer", "1:or"});
        EXPECT_EQ(created.exitCode, 0) << s(created.err);
        EXPECT_EQ(s(created.out), "1\tshows/Show-00001-03-01-2026.dbf\n");
        EXPECT_EQ(QDir(root + "/shows").entryList(QDir::Files),
                  QStringList{"Show-00001-03-01-2026.dbf"});
        EXPECT_EQ(s(run({"check"}).out).find("error"), std::string::npos);

        QDir(root).removeRecursively();
        DataRoot(root).layOut();
    }
}

TEST_F(CliShowNew, AShowNumberPastTheLastIsRefusedBeforeAnythingIsMade)
{
    {
        const auto dates =
            dbf::Table::open(DataRoot(root).tableFile(TableSchemas::ShowDates()).toStdString());
        dates->append();
        dates->setNumber("show_num", 99999);
        dates->post();
    }
    const CliRun refused =
        run({"show", "new", "--date", "2026-03-01", "--trials", "1", "--offer", "1:or"});
    EXPECT_EQ(refused.exitCode, 1);
    EXPECT_TRUE(
        refused.err.contains("Show number 100000 cannot be given: show numbers go from 1 to 99999"))
        << s(refused.err);
    EXPECT_TRUE(QDir(root + "/catdata").isEmpty());
    EXPECT_TRUE(QDir(root + "/shows").isEmpty());
    EXPECT_EQ(run({"shows"}).out.count('\n'), 1) << "no show was added";
}

TEST_F(CliShowNew, AFolderThatCannotBeMadeEndsWithItsMessage)
{
    const struct {
        QString inTheWay; // a file where the folder should be
        QString message;
    } cases[] = {
        {"indexs", "Cannot create " + root + "/indexs"},
        {"catdata", "Cannot create " + root + "/catdata"},
        {"catdata/cat00001", "Cannot create Special Data Folder" + root + "/catdata/cat00001"},
    };
    for (const auto& c : cases) {
        QDir(root).removeRecursively();
        DataRoot(root).layOut();
        const QString blocked = root + "/" + c.inTheWay;
        QDir(blocked).removeRecursively();
        QFile(blocked).open(QIODevice::WriteOnly);

        const CliRun refused =
            run({"show", "new", "--date", "2026-03-01", "--trials", "1", "--offer", "1:or"});
        EXPECT_EQ(refused.exitCode, 1) << s(c.inTheWay);
        EXPECT_TRUE(refused.err.contains(c.message)) << s(refused.err);
        EXPECT_EQ(s(refused.out), "") << s(c.inTheWay);
        EXPECT_TRUE(QDir(root + "/shows").isEmpty()) << s(c.inTheWay);
    }
}
