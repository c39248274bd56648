// The save rules of the master tables, run as every window runs them: through
// the browser, over a fresh data root, without a window.

#include "DataRootFixture.h"

#include "masters/BreedSaveRules.h"
#include "masters/JudgeSaveRules.h"
#include "masters/OwnerRules.h"
#include "setup/CatGroupSave.h"
#include "setup/ClassTableSave.h"
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

class SaveRulesTest : public ::testing::Test
{
protected:
    Tdmod& data() { return fixture.data(); }

    // A browser over `table` with `rules`, as the table's window makes it.
    MasterTableBrowser& browse(dbf::Table& table, std::unique_ptr<MasterSaveRules> rules)
    {
        browser = std::make_unique<MasterTableBrowser>(table, fixture.messages);
        browser->setSaveRules(std::move(rules));
        return *browser;
    }

    static void add(dbf::Table& table,
                    std::initializer_list<std::pair<const char*, QString>> values,
                    bool deleted = false)
    {
        table.append();
        for (const auto& [field, value] : values)
            table.setText(field, value.toStdString());
        table.post();
        if (deleted)
            table.setDeleted(true);
    }

    QString lastMessage() const
    {
        return fixture.messages.texts.isEmpty() ? QString() : fixture.messages.texts.constLast();
    }

    DataRootFixture fixture;
    std::unique_ptr<MasterTableBrowser> browser;
};

// --- Owners ----------------------------------------------------------------------

TEST_F(SaveRulesTest, NewOwnersTakeTheNextIdAndEverySaveIsTidied)
{
    dbf::Table& owners = *data().Owners();
    MasterTableBrowser& b = browse(owners, std::make_unique<OwnerSaveRules>(data()));
    ASSERT_TRUE(b.startAdd());
    EXPECT_EQ(owners.text("owner_id"), "00001") << "the first owner ever";
    b.cancel();

    add(owners, {{"owner_id", "00017"}, {"last", "Smith"}});
    add(owners, {{"owner_id", "00020"}, {"last", "Gone"}}, true);
    dbf::Table& dogs = *data().Dogs();
    add(dogs, {{"reg", "DN1"}, {"owner_id", "00030"}});

    ASSERT_TRUE(b.startAdd());
    EXPECT_EQ(owners.text("owner_id"), "00031")
        << "deleted owners and the owners of dogs count: their IDs are never given again";
    owners.setText("last", "Lee");
    owners.setText("state", "ny ");
    owners.setText("country", "usa");
    owners.setText("phone", "   -   -    ");
    EXPECT_EQ(b.save(), SaveOutcome::Saved);
    EXPECT_EQ(owners.state(), dbf::Table::State::Browse);
    EXPECT_EQ(owners.text("state"), "NY");
    EXPECT_EQ(owners.text("country"), "USA");
    EXPECT_EQ(owners.text("phone"), "") << "an untouched phone mask stores nothing";
    EXPECT_EQ(RecordValues::toQDate(owners.date("modified")), QDate::currentDate());
    EXPECT_TRUE(fixture.messages.texts.isEmpty());
}

TEST_F(SaveRulesTest, NoNewOwnerOncePast99999)
{
    dbf::Table& owners = *data().Owners();
    add(owners, {{"owner_id", "99999"}, {"last", "Last"}});
    MasterTableBrowser& b = browse(owners, std::make_unique<OwnerSaveRules>(data()));
    EXPECT_FALSE(b.startAdd());
    EXPECT_EQ(owners.state(), dbf::Table::State::Browse) << "no record is left half begun";
    EXPECT_EQ(owners.recordCount(), 1u);
    EXPECT_NE(lastMessage().indexOf("99999"), -1) << s(lastMessage());
}

// --- Judges ----------------------------------------------------------------------

class JudgeSaveRulesTest : public SaveRulesTest
{
protected:
    void SetUp() override
    {
        data().OpenJudges();
        judges = data().Judges();
        add(*judges, {{"judgenum", "00001"}, {"last", "Lee"}});
        add(*judges, {{"judgenum", "00007"}, {"last", "Cole"}});
        add(*judges, {{"judgenum", "00009"}, {"last", "Brown"}}, true);
        auto owned = std::make_unique<JudgeSaveRules>(data());
        rules = owned.get();
        browse(*judges, std::move(owned));
    }

    dbf::Table* judges = nullptr;
    JudgeSaveRules* rules = nullptr;
};

TEST_F(JudgeSaveRulesTest, EverySaveWritesFiveDigitsAndBlanksEmptyPhones)
{
    ASSERT_TRUE(browser->startAdd());
    EXPECT_EQ(judges->text("judgenum"), "00010") << "deleted judges count until a pack";
    judges->setText("phone", "   -   -    ");
    judges->setText("fax", "518-555-0101");
    EXPECT_EQ(browser->save(), SaveOutcome::Saved);
    EXPECT_EQ(judges->text("phone"), "");
    EXPECT_EQ(judges->text("fax"), "518-555-0101");

    judges->go(1);
    ASSERT_TRUE(browser->startEdit());
    judges->setText("judgenum", "12");
    EXPECT_EQ(browser->save(), SaveOutcome::Saved);
    EXPECT_EQ(judges->record(1).text("judgenum"), "00012");
}

TEST_F(JudgeSaveRulesTest, ANewNumberMustBeFreeAndTheChangeEndsWithTheSave)
{
    judges->go(1);
    rules->beginRenumbering();
    ASSERT_TRUE(browser->startEdit());
    judges->setText("judgenum", "9");
    EXPECT_EQ(browser->save(), SaveOutcome::Refused);
    EXPECT_EQ(judges->state(), dbf::Table::State::Edit) << "the secretary corrects the number";
    EXPECT_EQ(s(lastMessage()), "Judge number 00009 is already used by  Brown (marked deleted)."
                                ";Choose a number no other judge uses.");
    EXPECT_EQ(judges->record(1).text("judgenum"), "00001") << "nothing was written";
    EXPECT_TRUE(rules->renumbering());

    judges->setText("judgenum", "12");
    EXPECT_EQ(browser->save(), SaveOutcome::Saved);
    EXPECT_EQ(judges->record(1).text("judgenum"), "00012");
    EXPECT_FALSE(rules->renumbering());

    rules->beginRenumbering();
    ASSERT_TRUE(browser->startEdit());
    browser->cancel();
    EXPECT_FALSE(rules->renumbering()) << "a cancel ends the change too";
}

// --- Breeds ----------------------------------------------------------------------

TEST_F(SaveRulesTest, ABreedNeedsANameNoOtherBreedHas)
{
    dbf::Table& breeds = *data().Breeds();
    breeds.zap();
    add(breeds, {{"breed_name", "Retrievers (Golden)"}});
    add(breeds, {{"breed_name", "Golden Retriever"}}, true);
    add(breeds, {{"breed_name", "Border Collie"}});
    add(breeds, {{"breed_name", "border collie "}}); // twins brought in from elsewhere
    MasterTableBrowser& b = browse(breeds, std::make_unique<BreedSaveRules>());

    struct Case {
        const char* name;
        std::uint32_t recno; // 0: a new breed
        SaveOutcome outcome;
        const char* message;
    };
    const Case cases[] = {
        {"  ", 0, SaveOutcome::Refused,
         "A breed needs a Breed Name.;Type the name, or press Cancel to leave it."},
        {"golden retriever", 0, SaveOutcome::Refused,
         "The breed golden retriever is already in the Breeds Database (Rec # 2, marked "
         "Deleted).;Each breed is listed once."},
        {"Retrievers (Golden)", 3, SaveOutcome::Refused,
         "The breed Retrievers (Golden) is already in the Breeds Database (Rec # 1).;Each breed "
         "is listed once."},
        {"Border Collie", 4, SaveOutcome::Saved, ""},
        {"Akita", 0, SaveOutcome::Saved, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        fixture.messages.texts.clear();
        if (c.recno == 0) {
            ASSERT_TRUE(b.startAdd());
        } else {
            breeds.go(c.recno);
            ASSERT_TRUE(b.startEdit());
        }
        breeds.setText("breed_name", c.name);
        EXPECT_EQ(b.save(), c.outcome);
        EXPECT_EQ(s(lastMessage()), c.message);
        b.cancel();
    }
    EXPECT_EQ(breeds.recordCount(), 5u);
}

// --- Class table ------------------------------------------------------------------

TEST_F(SaveRulesTest, AClassKeepsUniqueKeysAndUpperCaseCodes)
{
    data().OpenClasses();
    dbf::Table& classes = *data().ShowClasses();
    MasterTableBrowser& b = browse(classes, std::make_unique<ClassTableSave::Rules>());
    classes.go(1);
    const std::string ownKey = classes.text("srtkey");
    ASSERT_TRUE(b.startEdit());
    classes.setText("srtkey", classes.record(2).text("srtkey"));
    EXPECT_EQ(b.save(), SaveOutcome::Refused);
    EXPECT_TRUE(lastMessage().startsWith("Sort Key [")) << s(lastMessage());
    EXPECT_EQ(classes.record(1).text("srtkey"), ownKey);

    classes.setText("srtkey", ownKey);
    classes.setText("fee_type", "non");
    classes.setText("catgroup", "nov");
    EXPECT_EQ(b.save(), SaveOutcome::Saved);
    EXPECT_EQ(classes.record(1).text("fee_type"), "NON");
    EXPECT_EQ(classes.record(1).text("catgroup"), "NOV");
}

// --- Catalog groupings -------------------------------------------------------------

TEST_F(SaveRulesTest, AGroupingNeedsACodeAClassSectionAndNoTwin)
{
    data().OpenCatGroups();
    dbf::Table& groups = *data().CatGroups();
    groups.zap();
    add(groups, {{"section", "Obedience"}, {"catgroup", "NOV"}});
    add(groups, {{"section", "Rally"}, {"catgroup", "RNV"}}, true);
    MasterTableBrowser& b = browse(groups, std::make_unique<CatGroupSaveRules>());

    struct Case {
        const char* section;
        const char* code;
        std::uint32_t recno; // 0: a new grouping
        const char* message; // empty: saved
        const char* storedSection;
        const char* storedCode;
    };
    const Case cases[] = {
        {"Obedience", " ", 0,
         "A grouping needs a Catalog Group code;the one the classes of the group carry.", "", ""},
        {"Agility", "AGL", 0,
         "Show Section [Agility] is no section of the classes.;Type "
         "Obedience or Rally.",
         "", ""},
        {"Obed", "OBD", 0,
         "Show Section [Obed] is no section of the classes.;Type "
         "Obedience or Rally.",
         "", ""},
        {"rally", "rnv", 0,
         "Rally already has the Catalog Group RNV (Rec # 2, marked Deleted).;"
         "Each group of a section has one grouping.",
         "", ""},
        {"Obedience", "nov", 1, "", "Obedience", "NOV"},
        {" rally ", "rnv", 0,
         "Rally already has the Catalog Group RNV (Rec # 2, marked "
         "Deleted).;Each group of a section has one grouping.",
         "", ""},
        {"rally ", "rxa", 0, "", "Rally", "RXA"},
        {"RALLY", "nov", 0, "", "Rally", "NOV"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.section) + "/" + c.code);
        fixture.messages.texts.clear();
        if (c.recno == 0) {
            ASSERT_TRUE(b.startAdd());
        } else {
            groups.go(c.recno);
            ASSERT_TRUE(b.startEdit());
        }
        groups.setText("section", c.section);
        groups.setText("catgroup", c.code);
        const SaveOutcome outcome = b.save();
        EXPECT_EQ(s(lastMessage()), c.message);
        if (*c.message) {
            EXPECT_EQ(outcome, SaveOutcome::Refused);
            b.cancel();
            continue;
        }
        EXPECT_EQ(outcome, SaveOutcome::Saved);
        EXPECT_EQ(groups.text("section"), c.storedSection);
        EXPECT_EQ(groups.text("catgroup"), c.storedCode);
    }
    EXPECT_EQ(groups.recordCount(), 4u);
}

} // namespace
