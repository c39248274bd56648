// The dog master window's rules without the window: its orders and their
// names, its lists, the owner display, the save rules and "Change Owner".

#include "DataRootFixture.h"

#include "entry/PreparedOwners.h"
#include "masters/DogMasterRules.h"
#include "masters/DogOwnerChange.h"
#include "storage/RecordValues.h"
#include "ui/MasterTableBrowser.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

#include <memory>

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

// The owner dialog as a secretary would fill it in, noting every hand-over.
class RecordingOwnerDialog : public OwnerDialog
{
public:
    explicit RecordingOwnerDialog(Tdmod& data) : prepared(data) {}
    OwnerHandOver run(bool adding, const QString& typedName) override
    {
        runs.append({adding, typedName});
        return prepared.run(adding, typedName);
    }
    PreparedOwners prepared;
    QList<std::pair<bool, QString>> runs;
};

// Owners Adams 00003, Goldsmith 00009, Smith 00017, Smithers 00005 and
// "Mary & Al Jones" 00021; dogs DN1 (Adams's, last modified 01/02/2020),
// DN2 (owner ID 00019, which names nobody) and DN3 (marked deleted).
class DogMasterTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        for (const auto& [id, first, last] :
             std::vector<std::tuple<const char*, const char*, const char*>>{
                 {"00017", "Mary", "Smith"},
                 {"00005", "Al", "Smithers"},
                 {"00009", "Bo", "Goldsmith"},
                 {"00003", "Al", "Adams"},
                 {"00021", "Mary & Al", "Jones"}}) {
            owners().append();
            owners().setText("owner_id", id);
            owners().setText("first", first);
            owners().setText("last", last);
            owners().setText("address", "12 Elm St");
            owners().setText("city", "Salem");
            owners().setText("state", "OR");
            owners().setText("zip", "97301");
            owners().setText("phone", "503-555-0100");
            owners().setText("email", "owner@example.com");
            owners().post();
        }
        addDog("DN1", "00003", "Al", "Adams");
        addDog("DN2", "00019", "", "");
        addDog("DN3", "00017", "Mary", "Smith");
        dogs().setDeleted(true);
        // Written straight, so the date stays as it is.
        dogs().go(1);
        dogs().setDate("modified", RecordValues::toDate(QDate(2020, 1, 2)));
        dogs().writeRecord();
        dogs().setOrder("regnum");
        dogs().go(1);
    }

    void addDog(const char* reg, const char* ownerId, const char* first, const char* last)
    {
        dogs().append();
        dogs().setText("reg", reg);
        dogs().setText("owner_id", ownerId);
        dogs().setText("first", first);
        dogs().setText("last", last);
        dogs().post();
    }

    dbf::Table& dogs() { return *fixture.data().Dogs(); }
    dbf::Table& owners() { return *fixture.data().Owners(); }
    QString stored(std::uint32_t recno, const char* field)
    {
        return RecordValues::text(dogs().record(recno), field);
    }
    QString lastMessage() const
    {
        return fixture.messages.texts.isEmpty() ? QString() : fixture.messages.texts.constLast();
    }

    DataRootFixture fixture;
};

// --- Orders -------------------------------------------------------------------------

TEST(DogMasterRules, OrdersNameTheirTagsForTheStatusBarAndFind)
{
    const struct {
        const char* caption;
        const char* tag;
        const char* status;
        const char* prompt;
    } cases[] = {
        {"Registration #", "regnum", "Current Index = Registration #",
         "Enter Registration # to find: "},
        {"Owner's Last name", "ownername", "Current Index = Owner's Last Name",
         "Enter Owner's Last Name to find: "},
        {"Dog's Registered Name", "dogname", "Current Index = Dog's Name",
         "Enter Dog's Name to find: "},
        {"Call Name", "callname", "Current Index = Call Name", "Enter Call Name to find: "},
        {"Input Order", "", "Current Index = Input Order", "Enter Record # to find: "},
    };
    DataRootFixture fixture;
    MasterTableBrowser browser(*fixture.data().Dogs(), fixture.messages);
    for (const MasterOrder& order : DogMasterRules::orders())
        browser.addOrder(order);
    ASSERT_EQ(browser.orders().size(), std::size(cases));
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(cases[i].caption);
        EXPECT_EQ(s(browser.orders().at(int(i)).caption), cases[i].caption);
        EXPECT_EQ(s(browser.orders().at(int(i)).tag), cases[i].tag);
        // Every tag is one the dog master has: selecting it must not throw.
        browser.selectOrder(int(i));
        EXPECT_EQ(QString::fromStdString(fixture.data().Dogs()->order()).toLower(), cases[i].tag);
        EXPECT_EQ(s(browser.indexText()), cases[i].status);
        EXPECT_EQ(s(browser.findPrompt()), cases[i].prompt);
    }
}

TEST(DogMasterRules, OrderNamesGoByTheFirstLetterOfTheTagInAnyCase)
{
    EXPECT_EQ(s(DogMasterRules::orderName(u"REGNUM")), "Registration #");
    EXPECT_EQ(s(DogMasterRules::orderName(u"Callname")), "Call Name");
    EXPECT_EQ(s(DogMasterRules::orderName(u"OWNERNAME")), "Owner's Last Name");
    EXPECT_EQ(s(DogMasterRules::orderName(u"x")), "Input Order");
    EXPECT_EQ(s(DogMasterRules::findLabel(u"x")), "Record #");
    EXPECT_EQ(s(DogMasterRules::findLabel(u"")), "Record #");
}

TEST_F(DogMasterTest, FindByCallNameUsesItsTag)
{
    dogs().go(2);
    dogs().edit();
    dogs().setText("callname", "Pip");
    dogs().post();
    MasterTableBrowser browser(dogs(), fixture.messages);
    for (const MasterOrder& order : DogMasterRules::orders())
        browser.addOrder(order);
    browser.selectOrder(3);
    dogs().go(1);
    EXPECT_EQ(browser.findText("pi"), FindOutcome::Found) << "typed in any case";
    EXPECT_EQ(dogs().recno(), 2u);

    EXPECT_EQ(browser.findText("Rex"), FindOutcome::NotFound);
    EXPECT_EQ(dogs().recno(), 2u) << "back where the find started";
    EXPECT_EQ(s(lastMessage()), "Could not find Call Name REX");
}

TEST_F(DogMasterTest, FindByRecordNumberReachesTheLastRecordAndNoFurther)
{
    MasterTableBrowser browser(dogs(), fixture.messages);
    for (const MasterOrder& order : DogMasterRules::orders())
        browser.addOrder(order);
    browser.selectOrder(4);
    EXPECT_EQ(browser.findText("3"), FindOutcome::Found);
    EXPECT_EQ(dogs().recno(), 3u);
    for (const char* typed : {"0", "4"}) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(browser.findText(typed), FindOutcome::NotFound);
        EXPECT_EQ(dogs().recno(), 3u);
        EXPECT_EQ(s(lastMessage()), std::string("Could not find Record # ") + typed);
    }
}

// --- Lists --------------------------------------------------------------------------

TEST(DogMasterRules, JumpHeightsShowAnInchMarkAndStoreTwoCharacters)
{
    using DogMasterRules::ListItem;
    EXPECT_EQ(DogMasterRules::obedienceHeights().first(), (ListItem{" 4\"", " 4"}));
    EXPECT_EQ(DogMasterRules::obedienceHeights().at(2), (ListItem{"10\"", "10"}));
    EXPECT_EQ(DogMasterRules::obedienceHeights().last(), (ListItem{"28\"", "28"}));
    EXPECT_EQ(DogMasterRules::obedienceHeights().size(), 12);

    const struct {
        const char* name;
        QList<ListItem> items;
        QStringList stored;
    } lists[] = {
        {"rally", DogMasterRules::rallyHeights(), {" 4", " 8", "12", "16", ""}},
        {"agility", DogMasterRules::agilityHeights(), {" 4", " 8", "12", "16", "20", "24", "26"}},
        {"ISC", DogMasterRules::iscHeights(), {"14", "18", "26", ""}},
    };
    for (const auto& list : lists) {
        SCOPED_TRACE(list.name);
        QStringList stored;
        for (const ListItem& item : list.items) {
            stored << item.stored;
            EXPECT_EQ(item.shown, item.stored.isEmpty() ? QString() : item.stored + u'"');
        }
        EXPECT_EQ(stored, list.stored);
    }
}

// --- Owner display -------------------------------------------------------------------

TEST_F(DogMasterTest, OwnerDisplayShowsTheOwnerOrSaysTheIdIsUnknown)
{
    using DogMasterRules::OwnerDisplay;
    owners().go(1);
    EXPECT_EQ(DogMasterRules::ownerDisplay(owners(), "00003"),
              (OwnerDisplay{"Al Adams", "12 Elm St  Salem, OR  97301", "Email: owner@example.com",
                            "Phone: 503-555-0100"}));
    EXPECT_EQ(DogMasterRules::ownerDisplay(owners(), "00021").name, "Mary && Al Jones")
        << "doubled, so that the caption shows the ampersand";
    EXPECT_EQ(DogMasterRules::ownerDisplay(owners(), "00099"),
              (OwnerDisplay{"Owner Unknown for ID= 00099", "", "Email:", "Phone:"}));
    EXPECT_EQ(DogMasterRules::ownerDisplay(owners(), "").name, "Owner Unknown for ID= ");
    EXPECT_EQ(owners().recno(), 1u) << "read without moving the owners table";
}

// --- Save rules ---------------------------------------------------------------------

TEST_F(DogMasterTest, NewAndSavedDogsAreDatedTodayAndKeptInCapitals)
{
    MasterTableBrowser browser(dogs(), fixture.messages);
    browser.setSaveRules(std::make_unique<DogSaveRules>());
    const QDate today = QDate::currentDate();

    ASSERT_TRUE(browser.startAdd());
    EXPECT_EQ(RecordValues::date(dogs(), "modified"), today) << "when the record is added";
    dogs().setText("reg", "dn40 ");
    EXPECT_EQ(browser.save(), SaveOutcome::Saved);
    EXPECT_EQ(s(stored(4, "reg")), "DN40");

    dogs().go(1);
    ASSERT_TRUE(browser.startEdit());
    dogs().setText("dog", "Moss");
    EXPECT_EQ(browser.save(), SaveOutcome::Saved);
    EXPECT_EQ(RecordValues::date(dogs().record(1), "modified"), today) << "on every Save";
}

TEST_F(DogMasterTest, ASaveNeedsARegistrationNumberNoOtherDogHas)
{
    MasterTableBrowser browser(dogs(), fixture.messages);
    browser.setSaveRules(std::make_unique<DogSaveRules>());
    const struct {
        const char* reg;
        const char* message;
    } refused[] = {
        {"  ", "A dog needs a Registration #.;Type the number, or press Cancel to leave it."},
        {"dn2", "The Registration # DN2 is already in the Dog Master (Rec # 2).;Each dog is kept "
                "once: find that record to change it."},
        {"DN3", "The Registration # DN3 is already in the Dog Master (Rec # 3, marked "
                "Deleted).;Each dog is kept once: find that record to change it."},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.reg);
        ASSERT_TRUE(browser.startAdd());
        dogs().setText("reg", c.reg);
        EXPECT_EQ(browser.save(), SaveOutcome::Refused);
        EXPECT_EQ(s(lastMessage()), c.message);
        EXPECT_EQ(dogs().state(), dbf::Table::State::Insert) << "left to be corrected";
        browser.cancel();
        EXPECT_EQ(dogs().recordCount(), 3u);
    }

    dogs().go(1);
    ASSERT_TRUE(browser.startEdit());
    dogs().setText("reg", "dn1");
    EXPECT_EQ(browser.save(), SaveOutcome::Saved) << "a dog keeps its own number";
    ASSERT_TRUE(browser.startAdd());
    dogs().setText("reg", "DN");
    EXPECT_EQ(browser.save(), SaveOutcome::Saved) << "other numbers only begin with DN";
}

// --- Change Owner -------------------------------------------------------------------

TEST_F(DogMasterTest, ChangeOwnerPicksTheExactThenThePartialMatch)
{
    const struct {
        const char* typed;
        const char* ownerId;
        const char* last;
    } cases[] = {
        {"Smith", "00017", "Smith"},           // the last name itself, before Smithers
        {"smith, mary", "00017", "Smith"},     // the whole list text, in any case
        {"mithe", "00005", "Smithers"},        // contained, with its capitals
        {"Gold ", "00009", "Goldsmith"},       // trailing blanks dropped
        {"Smithers, Al", "00005", "Smithers"}, // exactly
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        RecordingOwnerDialog dialog(fixture.data());
        DogOwnerChange change(fixture.data(), dialog);
        dogs().go(1);
        EXPECT_EQ(s(change.begin(dogs())), "Adams, Al");
        EXPECT_EQ(change.finish(dogs(), c.typed), DogOwnerChange::Outcome::Changed);
        EXPECT_TRUE(dialog.runs.isEmpty());
        EXPECT_EQ(s(stored(1, "owner_id")), c.ownerId);
        EXPECT_EQ(s(stored(1, "last")), c.last);
        EXPECT_EQ(RecordValues::date(dogs().record(1), "modified"), QDate(2020, 1, 2))
            << "written straight: the date stays";
        // Back to Adams for the next case.
        change.begin(dogs());
        ASSERT_EQ(change.finish(dogs(), "Adams"), DogOwnerChange::Outcome::Changed);
    }
    // On the disk, not only in the table's memory.
    fixture.start();
    dogs().setOrder("ownername");
    ASSERT_TRUE(dogs().find("ADAMS"));
    EXPECT_EQ(dogs().text("reg"), "DN1") << "the owner-name order follows the change";
}

TEST_F(DogMasterTest, ChangeOwnerLeftUnchangedKeepsTheOwnerWithoutTheDialog)
{
    RecordingOwnerDialog dialog(fixture.data());
    DogOwnerChange change(fixture.data(), dialog);
    dogs().go(1);
    EXPECT_EQ(change.finish(dogs(), change.begin(dogs()) + "  "), DogOwnerChange::Outcome::Kept);
    EXPECT_TRUE(dialog.runs.isEmpty());
    EXPECT_EQ(s(stored(1, "owner_id")), "00003");

    // A dog whose owner is unknown starts with an empty text, and keeps it.
    dogs().go(2);
    EXPECT_EQ(s(change.begin(dogs())), "");
    EXPECT_EQ(change.finish(dogs(), ""), DogOwnerChange::Outcome::Kept);
    EXPECT_TRUE(dialog.runs.isEmpty());
    EXPECT_EQ(s(stored(2, "owner_id")), "00019");
}

TEST_F(DogMasterTest, ChangeOwnerToANewOwnerMadeInTheOwnerDialog)
{
    RecordingOwnerDialog dialog(fixture.data());
    dialog.prepared.prepare({{"city", "Lindenford"}});
    DogOwnerChange change(fixture.data(), dialog);
    dogs().go(2);
    change.begin(dogs());
    EXPECT_EQ(change.finish(dogs(), "Newman, Pat "), DogOwnerChange::Outcome::Changed);

    ASSERT_EQ(dialog.runs.size(), 1);
    EXPECT_TRUE(dialog.runs.first().first) << "in adding mode";
    EXPECT_EQ(s(dialog.runs.first().second), "Newman, Pat");
    EXPECT_EQ(s(stored(2, "owner_id")), "00022");
    EXPECT_EQ(s(stored(2, "first")), "Pat");
    EXPECT_EQ(s(stored(2, "last")), "Newman");
    EXPECT_EQ(owners().recordCount(), 6u);

    // The new owner is in the list the next change picks from.
    dogs().go(1);
    change.begin(dogs());
    EXPECT_EQ(change.finish(dogs(), "Newman"), DogOwnerChange::Outcome::Changed);
    EXPECT_EQ(dialog.runs.size(), 1);
    EXPECT_EQ(s(stored(1, "owner_id")), "00022");
}

TEST_F(DogMasterTest, ACancelledOwnerDialogLeavesTheDogAsItWas)
{
    RecordingOwnerDialog dialog(fixture.data());
    DogOwnerChange change(fixture.data(), dialog);
    const struct {
        const char* typed;
        const char* handedOver;
    } cases[] = {
        {"Nobody", "Nobody"}, // matches no owner
        {"", ""},             // the owner's name cleared
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        dialog.runs.clear();
        dialog.prepared.cancelNext();
        dogs().go(1);
        change.begin(dogs());
        EXPECT_EQ(change.finish(dogs(), c.typed), DogOwnerChange::Outcome::NoOwner);
        ASSERT_EQ(dialog.runs.size(), 1);
        EXPECT_EQ(s(dialog.runs.first().second), c.handedOver);
        EXPECT_EQ(s(stored(1, "owner_id")), "00003");
        EXPECT_EQ(s(stored(1, "last")), "Adams");
        EXPECT_EQ(owners().recordCount(), 5u);
    }
}

} // namespace
