#include "DataRootFixture.h"

#include "preparation/ArmbandNumbering.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

namespace
{

using ArmbandNumbering::Pass;

class ArmbandNumberingTest : public ::testing::Test
{
protected:
    ArmbandNumberingTest()
    {
        fixture.addShowDates(1, QDate(2027, 4, 10), 1);
        fixture.data().CreateShowEntryTable(1, "04/10/2027");
    }
    dbf::Table& entries() { return *fixture.data().TzDbf1(); }

    // Entries in record order: last name, obedience height, rally height.
    void add(const char* last, const char* obedience, const char* rally = "",
             const char* sortKey = "010")
    {
        entries().append();
        entries().setText("last", last);
        entries().setText("ob_jmpht", obedience);
        entries().setText("rallyjmpht", rally);
        entries().setText("srtkey", sortKey);
        entries().post();
    }
    std::vector<std::string> armbands()
    {
        std::vector<std::string> all;
        for (std::uint32_t r = 1; r <= entries().recordCount(); ++r)
            all.push_back(entries().record(r).raw("arm"));
        return all;
    }

    DataRootFixture fixture;
};

TEST(ArmbandNumbers, PlainAndJumpHeightForms)
{
    const struct {
        const char* height; // nullptr: the plain form
        int counter;
        int digits;
        const char* number;
    } cases[] = {
        {nullptr, 101, 3, "101"},   {nullptr, 101, 4, " 101"}, {nullptr, 1000, 3, "1000"},
        {nullptr, 101, 5, "  101"}, {"16", 101, 5, "16101"},   {" 8", 101, 5, "08101"},
        {"16", 4, 5, "16  4"},      {"", 101, 5, "101"},       {"??", 7, 5, "00  7"},
    };
    for (const auto& c : cases) {
        const QString number = c.height
                                   ? ArmbandNumbering::withJumpHeight(c.height, c.counter, c.digits)
                                   : ArmbandNumbering::plainNumber(c.counter, c.digits);
        EXPECT_EQ(number.toStdString(), c.number) << c.height << " " << c.counter;
    }
}

// Find in the Armband # order matches the field as a pass leaves it.
TEST(ArmbandNumbers, TheStoredFieldOfATypedNumber)
{
    const struct {
        const char* typed;
        int digits;
        const char* stored; // nullptr: not a number
    } cases[] = {
        {"101", 5, "  101"},  {"101", 4, " 101 "}, {"101", 3, "101  "}, {" 7 ", 3, "  7  "},
        {"1000", 3, "1000 "}, {"10A", 5, nullptr}, {"", 5, nullptr},    {"123456", 5, nullptr},
    };
    for (const auto& c : cases) {
        const auto stored = ArmbandNumbering::storedNumber(c.typed, c.digits);
        if (!c.stored)
            EXPECT_FALSE(stored) << c.typed;
        else
            EXPECT_EQ(stored.value_or("none").toStdString(), c.stored) << c.typed;
    }
}

TEST_F(ArmbandNumberingTest, EachEntryAPassNumbersOrClearsIsVisitedOnceWhereItStands)
{
    add("Cole", "16");
    add("Adams", " 8");
    add("Baker", " 8");
    entries().go(3);
    entries().setDeleted(true);
    std::vector<std::string> visited;
    const auto visit = [&](const dbf::Table& table) {
        visited.push_back(table.text("last") + "=" + table.raw("arm"));
    };
    ASSERT_TRUE(ArmbandNumbering::assign(entries(), {"name", false, 3, "101"}, visit));
    EXPECT_EQ(visited, (std::vector<std::string>{"Adams=101  ", "Cole=102  "}));
    visited.clear();
    ArmbandNumbering::clear(entries(), "", visit);
    EXPECT_EQ(visited, (std::vector<std::string>{"Cole=     ", "Adams=     "}));
}

TEST_F(ArmbandNumberingTest, TheCounterRunsOnAcrossHeightsInTheOrderChosen)
{
    add("Cole", "16");
    add("Adams", " 8");
    add("Baker", " 8");
    // Ascending obedience heights: 8, 8, 16.
    Pass pass{"aobjmpht", true, 5, "101"};
    ASSERT_EQ(*ArmbandNumbering::assign(entries(), pass), 3);
    EXPECT_EQ(armbands(), (std::vector<std::string>{"16103", "08101", "08102"}));
    pass.jumpHeightPrefix = false;
    ArmbandNumbering::assign(entries(), pass);
    EXPECT_EQ(armbands(), (std::vector<std::string>{"  103", "  101", "  102"}));
}

TEST_F(ArmbandNumberingTest, OutsideTheObedienceOrdersTheRallyHeightIsThePrefix)
{
    add("Cole", "16", "12");
    add("Adams", " 8", "");
    ASSERT_TRUE(ArmbandNumbering::assign(entries(), {"name", true, 5, "101"}));
    EXPECT_EQ(armbands(), (std::vector<std::string>{"12102", "101  "}));
}

TEST_F(ArmbandNumberingTest, DeletedEntriesKeepTheirNumbersAndUseNoCounterValue)
{
    add("A", "16");
    add("B", "16");
    add("C", "16");
    entries().go(2);
    entries().edit();
    entries().setText("arm", "777");
    entries().post();
    entries().setDeleted(true);
    ArmbandNumbering::assign(entries(), {"", false, 3, "101"});
    EXPECT_EQ(armbands(), (std::vector<std::string>{"101  ", "777  ", "102  "}));
    EXPECT_EQ(ArmbandNumbering::clear(entries(), ""), 2);
    EXPECT_EQ(armbands(), (std::vector<std::string>{"     ", "777  ", "     "}));
}

TEST_F(ArmbandNumberingTest, TheStartIsReadAsATypedNumber)
{
    add("A", "16");
    add("B", "16");
    ArmbandNumbering::assign(entries(), {"", false, 3, "abc"});
    EXPECT_EQ(armbands(), (std::vector<std::string>{"  0  ", "  1  "}));
    ArmbandNumbering::assign(entries(), {"", false, 4, "1,001"});
    EXPECT_EQ(armbands(), (std::vector<std::string>{"1001 ", "1002 "}));
}

TEST_F(ArmbandNumberingTest, ThePassRewritingTheArmbandOrderNumbersEveryEntryOnce)
{
    for (const char* last : {"A", "B", "C", "D"})
        add(last, "");
    entries().setOrder("armband");
    ASSERT_EQ(*ArmbandNumbering::assign(entries(), {"armband", false, 3, "101"}), 4);
    EXPECT_EQ(armbands(), (std::vector<std::string>{"101  ", "102  ", "103  ", "104  "}));
}

// A counter too wide for the field would be cut into a wrong, repeated number.
TEST_F(ArmbandNumberingTest, APassWhoseNumbersWouldNotFitIsRefused)
{
    add("A", "16");
    add("B", "16");
    add("C", "16");
    const auto refused = ArmbandNumbering::assign(entries(), {"aobjmpht", true, 5, "998"});
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.message().toStdString(),
              "3 entries numbered from 998 would need the number 1000, which does not fit the "
              "armband field.;Give an Armband Start of at most 997 under TOOLS\\PREFERENCES, or "
              "leave the Jump Ht out.");
    EXPECT_EQ(armbands(), (std::vector<std::string>(3, "     "))) << "nothing was written";
    EXPECT_TRUE(ArmbandNumbering::assign(entries(), {"aobjmpht", false, 5, "998"}))
        << "without the prefix the field has room for 1000";
}

} // namespace
