#include "CliRun.h"
#include "DataRootFixture.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

// ringvale-cli armbands and judges: what scripts see of trial preparation.

namespace
{

class CliPreparation : public ::testing::Test
{
protected:
    CliPreparation()
    {
        fixture.addShowDates(1, QDate(2027, 4, 10), 2);
        dbf::Table& dates = *fixture.data().ShowDates();
        dates.edit();
        for (const char* flag : {"t1or", "t2or", "t1rr"})
            dates.setLogical(flag, true);
        dates.post();
        fixture.data().CreateShowEntryTable(1, "04/10/2027");
        for (const auto& [last, height] :
             {std::pair{"Cole", "16"}, std::pair{"Adams", " 8"}, std::pair{"Baker", " 8"}}) {
            entries().append();
            entries().setText("last", last);
            entries().setText("ob_jmpht", height);
            entries().setText("srtkey", "010");
            entries().post();
        }
        fixture.data().OpenJudges();
        for (const auto& [number, first, last] :
             {std::tuple{"00012", "Ann", "Lee"}, std::tuple{"00020", "Cy", "Brown"}}) {
            fixture.data().Judges()->append();
            fixture.data().Judges()->setText("judgenum", number);
            fixture.data().Judges()->setText("first", first);
            fixture.data().Judges()->setText("last", last);
            fixture.data().Judges()->post();
        }
        fixture.stop();
    }
    dbf::Table& entries() { return *fixture.data().TzDbf1(); }
    CliRun run(QStringList arguments)
    {
        return runCli(QStringList{"--data-dir", fixture.root()} + arguments);
    }
    QStringList armbands()
    {
        const CliRun dump = run({"dump", "TzDbf1", "--show", "1"});
        QStringList numbers;
        const QStringList rows = dump.out.split("\r\n", Qt::SkipEmptyParts);
        const int arm = rows.first().split(',').indexOf("arm");
        for (const QString& row : rows.mid(1))
            numbers << row.split(',').at(arm);
        return numbers;
    }

    DataRootFixture fixture;
};

TEST_F(CliPreparation, ArmbandsAreAssignedAndClearedAsTheWindowDoes)
{
    const CliRun assigned = run({"armbands", "assign", "--show", "1", "--order", "obed-asc",
                                 "--jump-heights", "yes", "--digits", "5", "--start", "101"});
    ASSERT_EQ(assigned.exitCode, 0) << assigned.err.toStdString();
    EXPECT_EQ(assigned.out, "3 armbands assigned\n");
    EXPECT_EQ(armbands(), QStringList({"16103", "08101", "08102"}));

    const CliRun plain = run({"armbands", "assign", "--show", "1", "--order", "last-name"});
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(armbands(), QStringList({"103", "101", "102"})) << "the preferences: 3 digits, 101";

    EXPECT_EQ(run({"armbands", "clear", "--show", "1"}).out, "3 armbands cleared\n");
    EXPECT_EQ(armbands(), QStringList({"", "", ""}));
}

TEST_F(CliPreparation, ArmbandRefusals)
{
    const struct {
        QStringList arguments;
        int exitCode;
    } cases[] = {
        {{"armbands", "assign", "--show", "1", "--order", "height"}, 2},
        {{"armbands", "assign", "--show", "1", "--order", "name", "--jump-heights", "yes"}, 2},
        {{"armbands", "assign", "--show", "1", "--order", "obed-asc", "--jump-heights", "yes",
          "--digits", "5", "--start", "998"},
         1},
        {{"armbands", "assign", "--show", "9", "--order", "input"}, 1},
    };
    for (const auto& c : cases) {
        const CliRun refused = run(c.arguments);
        EXPECT_EQ(refused.exitCode, c.exitCode) << c.arguments.join(' ').toStdString();
        EXPECT_TRUE(refused.out.isEmpty());
    }
    EXPECT_EQ(armbands(), QStringList({"", "", ""})) << "nothing was numbered";
}

TEST_F(CliPreparation, JudgesAreAssignedReplacedRemovedAndListed)
{
    EXPECT_EQ(run({"judges", "assign", "--show", "1", "--trial", "1", "--judge", "12", "--classes",
                   "ORNA,ORNB"})
                  .exitCode,
              0);
    EXPECT_EQ(
        run({"judges", "assign", "--show", "1", "--trial", "2", "--judge", "12", "--classes", ""})
            .exitCode,
        0);
    EXPECT_EQ(run({"judges", "list", "--show", "1"}).out,
              "trial,judgenum,judge,section,class,db_key\r\n"
              "1,00012,Ann Lee,Obedience,Novice A,ORNA\r\n"
              "1,00012,Ann Lee,Obedience,Novice B,ORNB\r\n"
              "2,00012,Ann Lee,,,\r\n");

    EXPECT_EQ(run({"judges", "replace", "--show", "1", "--trial", "1", "--judge", "00012", "--by",
                   "00020"})
                  .out,
              "2 assignments moved from judge 00012 to judge 00020\n");
    EXPECT_EQ(run({"judges", "remove", "--show", "1", "--trial", "2", "--judge", "12"}).exitCode,
              0);
    EXPECT_EQ(run({"judges", "list", "--show", "1"}).out,
              "trial,judgenum,judge,section,class,db_key\r\n"
              "1,00020,Cy Brown,Obedience,Novice A,ORNA\r\n"
              "1,00020,Cy Brown,Obedience,Novice B,ORNB\r\n");

    EXPECT_EQ(run({"judges", "assign", "--show", "1", "--trial", "2", "--judge", "12", "--classes",
                   "RRNA"})
                  .exitCode,
              1)
        << "trial 2 offers no rally";
    EXPECT_EQ(run({"judges", "assign", "--show", "1", "--trial", "1", "--judge", "99", "--classes",
                   "ORNA"})
                  .exitCode,
              1)
        << "no such judge";
}

} // namespace
