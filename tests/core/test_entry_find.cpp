#include "DataRootFixture.h"

#include "entry/EntryFind.h"
#include "entry/EntryOrders.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

namespace
{

class EntryFindTest : public ::testing::Test
{
protected:
    EntryFindTest()
    {
        fixture.addShowDates(1, QDate(2026, 3, 6), 1);
        fixture.data().CreateShowEntryTable(1, "03/06/2026");
        const struct {
            const char* last;
            const char* reg;
            const char* arm;
            const char* breed;
        } rows[] = {{"Jones", "DN2", "102", "Beagle"},
                    {"Smith", "DN1", "101", "Retrievers (Golden)"},
                    {"Smithers", "DN3", "115", "Border Collie"}};
        for (const auto& r : rows) {
            entries().append();
            entries().setText("last", r.last);
            entries().setText("reg", r.reg);
            entries().setText("arm", r.arm);
            entries().setText("breed", r.breed);
            entries().post();
        }
    }
    dbf::Table& entries() { return *fixture.data().TzDbf1(); }
    std::string lastName() { return entries().text("last"); }

    DataRootFixture fixture;
};

TEST_F(EntryFindTest, TheDeskFindsTheFirstKeyBeginningWithTheText)
{
    const struct {
        const char* tag;
        const char* typed;
        const char* found; // last name of the entry found; nullptr: not found
        const char* label;
    } cases[] = {
        {"name", "smi", "Smith", "Last Name"},
        {"armband", "10", "Smith", "Armband #"},
        {"regnum", "dn3", "Smithers", "NUR #"},
        {"breedname", "retr", "Smith", "Breed Name"}, // stored in mixed case
        {"dogname", "zz", nullptr, "Dog's Name"},
    };
    for (const auto& c : cases) {
        EntryFind find(EntryFind::Window::Desk);
        entries().setOrder(c.tag);
        entries().go(1);
        fixture.messages.texts.clear();
        const auto outcome = find.findText(entries(), fixture.messages, c.typed);
        EXPECT_EQ(find.label(c.tag).value_or("?").toStdString(), c.label) << c.tag;
        if (c.found) {
            EXPECT_EQ(outcome, EntryFind::Outcome::Found) << c.tag;
            EXPECT_EQ(lastName(), c.found) << c.tag;
        } else {
            EXPECT_EQ(outcome, EntryFind::Outcome::NotFound) << c.tag;
            EXPECT_EQ(entries().recno(), 1u) << "back where the find began";
            EXPECT_EQ(fixture.messages.texts, QStringList{QString("Could not find ") + c.label +
                                                          " " + QString(c.typed).toUpper()});
        }
    }
}

TEST_F(EntryFindTest, RecordNumbersAndTheOrdersThatCannotBeSearched)
{
    EntryFind desk(EntryFind::Window::Desk);
    entries().setOrder("");
    const struct {
        const char* typed;
        std::uint32_t recno; // where the table stands afterwards
        QString told;
    } cases[] = {
        {"2", 2, {}},
        {"999", 2, "Database only has 3 Records"},
        {"-4", 2, "Database only has 3 Records"},
        {"0", 2, {}},
        {"abc", 2, "'ABC' is not a valid integer value;;     Try again."},
    };
    for (const auto& c : cases) {
        fixture.messages.texts.clear();
        desk.findText(entries(), fixture.messages, c.typed);
        EXPECT_EQ(entries().recno(), c.recno) << c.typed;
        EXPECT_EQ(fixture.messages.texts, c.told.isEmpty() ? QStringList() : QStringList{c.told})
            << c.typed;
    }

    for (const char* tag : {"aobjmpht", "drallyht", "srtkey"}) {
        entries().setOrder(tag);
        fixture.messages.texts.clear();
        EXPECT_EQ(desk.find(entries(), fixture.messages), EntryFind::Outcome::Refused) << tag;
        EXPECT_EQ(fixture.messages.texts, QStringList{EntryFind::kCannotFindByHeight});
    }

    EntryFind grid(EntryFind::Window::Grid);
    EXPECT_EQ(grid.label("dogname").value_or("?").toStdString(), "Registered Name #");
    EXPECT_FALSE(grid.label("arallyht")) << "Find is disabled there";
    entries().setOrder("");
    fixture.messages.texts.clear();
    grid.findText(entries(), fixture.messages, "7");
    EXPECT_EQ(fixture.messages.texts, QStringList{"Could not find Record # 7"});
}

TEST_F(EntryFindTest, ThePromptNamesTheOrderAndOffersThePreviousSearch)
{
    EntryFind desk(EntryFind::Window::Desk);
    entries().setOrder("name");
    fixture.messages.answerText("jon");
    desk.find(entries(), fixture.messages);
    EXPECT_EQ(lastName(), "Jones");
    EXPECT_EQ(fixture.messages.texts.first(), "Enter Last Name to find: ");
    EXPECT_EQ(desk.lastSearch(), "JON");
}

TEST(EntryOrders, EachIndexItemSetsItsTagAndStatus)
{
    EXPECT_EQ(EntryOrders::all().size(), 10u);
    EXPECT_EQ(EntryOrders::forAction(MenuAction::OrderRallyJumpDescending)->status,
              u"Current Index is Rally Descending Jump Heights");
    EXPECT_EQ(EntryOrders::forTag(u"NAME"), &EntryOrders::lastName());
    EXPECT_EQ(EntryOrders::forTag(u"")->status, u"Current Index = Input Order");
}

} // namespace
