#include "DataRootFixture.h"

#include "preparation/JudgeAssignments.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

namespace
{

class JudgeAssignmentsTest : public ::testing::Test
{
protected:
    JudgeAssignmentsTest()
    {
        fixture.addShowDates(1, QDate(2027, 4, 10), 2);
        dbf::Table& dates = *data().ShowDates();
        dates.edit();
        for (const char* flag : {"t1or", "t1rr", "t2or", "t2opn"})
            dates.setLogical(flag, true);
        dates.post();
        data().CreateShowEntryTable(1, "04/10/2027");
        data().OpenJudges();
        for (const auto& [number, first, last] :
             {std::tuple{"00012", "Ann", "Lee"}, std::tuple{"00020", "Cy", "Brown"},
              std::tuple{"00031", "Dee", "Adams"}}) {
            data().Judges()->append();
            data().Judges()->setText("judgenum", number);
            data().Judges()->setText("first", first);
            data().Judges()->setText("last", last);
            data().Judges()->post();
        }
    }
    Tdmod& data() { return fixture.data(); }
    QStringList names(const std::vector<JudgeAssignments::Judge>& judges)
    {
        QStringList all;
        for (const auto& judge : judges)
            all << judge.number + " " + judge.name;
        return all;
    }

    DataRootFixture fixture;
};

TEST_F(JudgeAssignmentsTest, AddedJudgesGetTheirClassesAndTheLookupsFindThem)
{
    JudgeAssignments judges(data());
    judges.addJudge(1, "00012");
    EXPECT_EQ(names(judges.judgesOf(1)), QStringList{"00012 Lee, Ann"});
    EXPECT_TRUE(judges.classLinesOf(1, "00012").isEmpty()) << "None Assigned";

    judges.setClasses(1, "00012", {"ORNA", "RRNA"});
    EXPECT_EQ(judges.classLinesOf(1, "00012"),
              QStringList({"Obedience     Novice A", "Rally         Rally Novice A"}));
    EXPECT_EQ(data().ShwJudges()->recordCount(), 2u) << "the judge record was replaced";
    EXPECT_EQ(data().JudgeNameForClass("ORNA", 1), "Ann Lee");
    EXPECT_EQ(data().JudgeNameForSortKey("010", 1), "Ann Lee") << "Novice A's sort key";

    judges.setClasses(1, "00012", {});
    EXPECT_EQ(names(judges.judgesOf(1)), QStringList{"00012 Lee, Ann"}) << "still listed";
    EXPECT_TRUE(judges.classLinesOf(1, "00012").isEmpty());
}

TEST_F(JudgeAssignmentsTest, ReplacingMovesEveryClassOfTheTrialAndDeletingKeepsTheOtherTrial)
{
    JudgeAssignments judges(data());
    judges.addJudge(1, "00012");
    judges.setClasses(1, "00012", {"ORNA", "ORNB"});
    judges.addJudge(2, "00012");
    judges.setClasses(2, "00012", {"OROA"});

    EXPECT_EQ(judges.replaceJudge(1, "00012", "00020"), 2);
    EXPECT_EQ(names(judges.judgesOf(1)), QStringList{"00020 Brown, Cy"});
    EXPECT_EQ(judges.classKeysOf(1, "00020"), QStringList({"ORNA", "ORNB"}));
    EXPECT_EQ(data().JudgeNameForClass("ORNB", 1), "Cy Brown");

    judges.removeJudge(1, "00020");
    EXPECT_TRUE(judges.judgesOf(1).empty());
    EXPECT_EQ(judges.classKeysOf(2, "00012"), QStringList{"OROA"});
    EXPECT_EQ(data().ShwJudges()->recordCount(), 1u) << "packed away";
}

TEST_F(JudgeAssignmentsTest, TheCheckListIsTheTrialsOfferedClassesAndThePickListAllJudges)
{
    JudgeAssignments judges(data());
    QStringList trial2;
    for (const auto& cls : judges.offeredClasses(2))
        trial2 << cls.classKey;
    EXPECT_EQ(trial2, QStringList({"ORNA", "ORNB", "OROA", "OROB", "ORUA", "ORUB", "ONPN"}));
    EXPECT_EQ(judges.offeredClasses(1).back().classKey, "RREB");
    EXPECT_EQ(judges.offeredClasses(2).back().line, "Obedience     Pre-Novice");
    EXPECT_EQ(names(judges.judgesToPick()),
              QStringList({"00031 Adams, Dee", "00020 Brown, Cy", "00012 Lee, Ann"}));
}

} // namespace
