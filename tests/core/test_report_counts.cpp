#include "CliRun.h"
#include "DataRootFixture.h"
#include "PdfText.h"

#include "reports/ClassCounts.h"
#include "reports/FeeCounts.h"
#include "storage/ClassCodes.h"

#include "dbf/Table.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

// The class counts and the fee counts of a show, and the command line's CSV
// of both, which must show the figures the printed reports show.

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

// A row as "section|name|t1|t2|t3|t4", the figures as printed.
QStringList printed(const ShowCounts& counts)
{
    QStringList rows;
    for (const CountRow& row : counts.rows) {
        QStringList cells{row.section, row.name};
        for (int trial = 1; trial <= 4; ++trial)
            cells << counts.figure(row, trial);
        rows << cells.join(u'|');
    }
    return rows;
}

// The worked example: a two-trial show with obedience and rally; one dog in
// Open B and Utility B; two entries without a registration number; a
// withdrawn entry; a flag of a trial 3 the show does not hold.
class CountsTest : public ::testing::Test
{
protected:
    CountsTest()
    {
        fixture.addShowDates(1, QDate(2027, 4, 10), 2);
        offer({"t1or", "t2or", "t1ogn", "t1rr", "t2rr", "t1rtc"});
        data().CreateShowEntryTable(1, "04/10/2027");
        add("A1", {"t1orob", "t1orub", "t2orob", "t1rrna"});
        add("A2", {"t1orna", "t2orna", "t3ornb"});
        add("", {"t1orna"});
        add("", {"t1orna", "t1ongn"});
        add("A5", {"t1orua", "t1rrna"});
        entries().setDeleted(true);
        add("A6", {"t2rrnb", "t1rntc"});
        fixture.messages.texts.clear();
    }
    Tdmod& data() { return fixture.data(); }
    dbf::Table& entries() { return *data().TzDbf1(); }

    // Sets exactly these offered flags of the show.
    void offer(const QStringList& flags)
    {
        dbf::Table& dates = *data().ShowDates();
        dates.edit();
        for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial)
            for (const auto section : {ClassCodes::Section::Obedience, ClassCodes::Section::Rally})
                for (const QString& flag : ClassCodes::offeredFlagNames(section, trial))
                    dates.setLogical(flag.toStdString(), false);
        for (const QString& flag : flags)
            dates.setLogical(flag.toStdString(), true);
        dates.post();
    }
    void add(const char* reg, const QStringList& flags)
    {
        entries().append();
        entries().setText("reg", reg);
        for (const QString& flag : flags)
            entries().setLogical(flag.toStdString(), true);
        entries().post();
    }

    DataRootFixture fixture;
};

const QStringList kClassRows{
    "Obedience|Novice A|3|1||",        "Obedience|Open B|1|1||",     "Obedience|Utility B|1|0||",
    "Obedience|Graduate Novice|1|0||", "Rally|Rally Novice A|1|0||", "Rally|Rally Novice B|0|1||",
    "Rally|Rally T Challenge|1|0||",
};

const QStringList kFeeRows{
    "Obedience|Dog's Entered|4|2||",       "Obedience|Regular Class Entries|5|2||",
    "Obedience|Non-Regular Entries|1|0||", "Rally|Dog's Entered|2|1||",
    "Rally|Regular Class Entries|1|1||",   "Rally|Non-Regular Entries|1|0||",
};

TEST_F(CountsTest, ClassCountsGiveEachClassEnteredPerTrialInSectionAndSortKeyOrder)
{
    EXPECT_EQ(printed(ClassCounts::count(data())), kClassRows);
    EXPECT_TRUE(fixture.messages.texts.isEmpty()) << s(fixture.messages.texts.join('\n'));

    // A second run starts from an empty work table.
    EXPECT_EQ(printed(ClassCounts::count(data())), kClassRows);
}

TEST_F(CountsTest, FeeCountsCountEachDogOnceAndLeaveWithdrawnEntriesOut)
{
    // A1 in Open B and Utility B of trial 1 is one dog and two regular
    // entries; each entry without a number is a dog of its own; the
    // withdrawn A5 counts nowhere, so the rows agree with the class counts.
    EXPECT_EQ(printed(FeeCounts::count(data())), kFeeRows);
    EXPECT_TRUE(fixture.messages.texts.isEmpty()) << s(fixture.messages.texts.join('\n'));
}

TEST_F(CountsTest, FeeCountsHaveTheRowsOfTheSectionsTheShowOffers)
{
    const struct {
        const char* name;
        QStringList offered;
        QStringList sections;
    } cases[] = {
        {"rally only", {"t2rr"}, {"Rally", "Rally", "Rally"}},
        {"obedience only", {"t1or"}, {"Obedience", "Obedience", "Obedience"}},
        {"a non-regular class only", {"t1ogn"}, {"Obedience", "Obedience", "Obedience"}},
        {"nothing offered", {}, {}},
    };
    for (const auto& c : cases) {
        offer(c.offered);
        QStringList sections;
        for (const CountRow& row : FeeCounts::count(data()).rows)
            sections << row.section;
        EXPECT_EQ(sections, c.sections) << c.name;
    }
}

TEST_F(CountsTest, AClassMissingFromTheClassTableGetsARowNamedByThePlaceholder)
{
    data().OpenClasses();
    dbf::Table& classes = *data().ShowClasses();
    ASSERT_TRUE(classes.find("GRADUATE NOVICE"));
    classes.edit();
    classes.setText("db_key", "ONGX");
    classes.post();

    const QStringList rows = printed(ClassCounts::count(data()));
    // Sort key 999: the last of its section.
    EXPECT_EQ(rows.mid(0, 4), QStringList({kClassRows[0], kClassRows[1], kClassRows[2],
                                           "Obedience|UNKNOWN|1|0||"}));
    EXPECT_EQ(fixture.messages.texts,
              QStringList({"Unknown Sort Key for DBKey [ONGN] - Using 999",
                           "Unknown Class for DBKey [ONGN] - Using UNKNOWN"}));
    // Not REG in the class table, so a non-regular entry.
    EXPECT_EQ(printed(FeeCounts::count(data())), kFeeRows);
}

TEST_F(CountsTest, TheCommandLineWritesTheFiguresThePrintedReportsShow)
{
    fixture.stop();
    const auto cli = [&](const QStringList& arguments) {
        const CliRun run = runCli(QStringList{"--data-dir", fixture.root()} + arguments);
        EXPECT_EQ(run.exitCode, 0) << s(arguments.join(' ')) << ": " << s(run.err);
        return run;
    };
    const CliRun classes = cli({"counts", "--show", "1"});
    EXPECT_EQ(s(classes.out), "section,class,t1,t2,t3,t4\r\n"
                              "Obedience,Novice A,3,1,,\r\n"
                              "Obedience,Open B,1,1,,\r\n"
                              "Obedience,Utility B,1,0,,\r\n"
                              "Obedience,Graduate Novice,1,0,,\r\n"
                              "Rally,Rally Novice A,1,0,,\r\n"
                              "Rally,Rally Novice B,0,1,,\r\n"
                              "Rally,Rally T Challenge,1,0,,\r\n");
    const CliRun fees = cli({"counts", "--show", "1", "--fees"});
    EXPECT_EQ(s(fees.out), "section,row,t1,t2,t3,t4\r\n"
                           "Obedience,Dog's Entered,4,2,,\r\n"
                           "Obedience,Regular Class Entries,5,2,,\r\n"
                           "Obedience,Non-Regular Entries,1,0,,\r\n"
                           "Rally,Dog's Entered,2,1,,\r\n"
                           "Rally,Regular Class Entries,1,1,,\r\n"
                           "Rally,Non-Regular Entries,1,0,,\r\n");

    // The work table the report prints from, read by an independent reader.
    const CliRun table = runProgram("/usr/bin/python3", {RINGVALE_PEERS "read_dbfread.py",
                                                         fixture.root() + "/pgmdata/counts25.dbf"});
    EXPECT_EQ(table.exitCode, 0) << s(table.err);
    EXPECT_EQ(table.out.count(R"("dbkey": )"), 7) << s(table.out);
    EXPECT_FALSE(table.out.contains(R"("dbkey": "ORUA")")) << "withdrawn";
    EXPECT_FALSE(table.out.contains(R"("dbkey": "ORNB")")) << "trial 3 is no trial of the show";

    // Each CSV row is a line of the printed report, figure for figure, and
    // the totals add them up.
    const auto reportLines = [&](const char* job) {
        const QString pdf = fixture.root() + "/" + job + ".pdf";
        cli({"print", job, "--show", "1", "--pdf", pdf});
        QStringList lines;
        for (const QString& line : pdfText(pdf).split(u'\n'))
            lines << line.simplified();
        return lines;
    };
    for (const auto& [job, csv, totals] :
         {std::tuple{"class-counts", classes.out,
                     QStringList{"Obedience Total 6 2", "Rally Total 2 1", "Grand Total 8 3"}},
          std::tuple{"fee-counts", fees.out, QStringList{}}}) {
        const QStringList lines = reportLines(job);
        for (const QString& row : csv.split("\r\n", Qt::SkipEmptyParts).mid(1)) {
            const QStringList cells = row.split(u',');
            const QString expected = (cells.mid(1).join(u' ')).simplified();
            EXPECT_TRUE(lines.contains(expected)) << job << ": " << s(expected) << "\n"
                                                  << s(lines.join('\n'));
        }
        for (const QString& total : totals)
            EXPECT_TRUE(lines.contains(total)) << job << ": " << s(total);
    }
}

} // namespace
