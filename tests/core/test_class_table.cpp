#include "setup/ClassTableFind.h"
#include "setup/ClassTableSave.h"

#include "DataRootFixture.h"

#include <gtest/gtest.h>

// The class table as shipped: Novice A is 010/ORNA, Novice B 020/ORNB, ...

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

class ClassTableTest : public ::testing::Test
{
protected:
    dbf::Table& classes() { return *fixture.data().ShowClasses(); }

    // Goes to the class with this key (record order, so deleted ones too).
    void goToClass(const char* key)
    {
        for (std::uint32_t r = 1; r <= classes().recordCount(); ++r) {
            classes().go(r);
            if (classes().text("db_key") == key)
                return;
        }
        FAIL() << "no class " << key;
    }

    std::uint32_t recnoOf(const char* key)
    {
        goToClass(key);
        return classes().recno();
    }

    DataRootFixture fixture;
};

struct RefusalCase {
    const char* name;
    const char* edited; // the class edited
    const char* srtkey;
    const char* db_key;
    const char* deletedFirst; // a class marked deleted before the save, or null
    const char* refusal;      // the start of the message, or null when saved
};

class ClassSaveRefusals : public ClassTableTest, public ::testing::WithParamInterface<RefusalCase>
{
};

TEST_P(ClassSaveRefusals, SortKeyAndClassKey)
{
    const RefusalCase& c = GetParam();
    if (c.deletedFirst) {
        goToClass(c.deletedFirst);
        classes().setDeleted(true);
    }
    const std::uint32_t edited = recnoOf(c.edited);
    const std::string oldSortKey = classes().text("srtkey");
    classes().edit();
    classes().setText("srtkey", c.srtkey);
    classes().setText("db_key", c.db_key);

    const std::optional<QString> refusal = ClassTableSave::save(classes());

    if (!c.refusal) {
        EXPECT_FALSE(refusal) << s(*refusal);
        EXPECT_EQ(classes().state(), dbf::Table::State::Browse);
        classes().go(edited);
        EXPECT_EQ(classes().text("srtkey"), c.srtkey);
        return;
    }
    ASSERT_TRUE(refusal);
    EXPECT_TRUE(refusal->startsWith(c.refusal)) << s(*refusal);
    // Still editing what was typed, on the same record, and nothing written.
    EXPECT_EQ(classes().state(), dbf::Table::State::Edit);
    EXPECT_EQ(classes().recno(), edited);
    EXPECT_EQ(classes().text("srtkey"), c.srtkey);
    EXPECT_EQ(classes().text("db_key"), c.db_key);
    classes().cancel();
    EXPECT_EQ(classes().text("srtkey"), oldSortKey);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClassSaveRefusals,
    ::testing::Values(
        RefusalCase{"NewUniqueSortKey", "ORNA", "015", "ORNA", nullptr, nullptr},
        RefusalCase{"OwnKeysUnchanged", "ORNA", "010", "ORNA", nullptr, nullptr},
        RefusalCase{"TwoDigits", "ORNA", "15", "ORNA", nullptr, "Sort Key [15] is not three"},
        RefusalCase{"Letter", "ORNA", "01A", "ORNA", nullptr, "Sort Key [01A] is not three"},
        RefusalCase{"LeadingBlank", "ORNA", " 15", "ORNA", nullptr, "Sort Key [ 15] is not"},
        RefusalCase{"Blank", "ORNA", "", "ORNA", nullptr, "Sort Key [] is not three"},
        RefusalCase{"NoClassKey", "ORNA", "999", "ORNA", nullptr, "Sort Key [999] is kept"},
        RefusalCase{"SortKeyTaken", "ORNA", "020", "ORNA", nullptr,
                    "Sort Key [020] is already used by Novice B (Rec # 2)."},
        RefusalCase{"SortKeyOfADeletedClass", "ORNA", "020", "ORNA", "ORNB",
                    "Sort Key [020] is already used by Novice B (Rec # 2, marked Deleted)."},
        RefusalCase{"ClassKeyTakenInLowerCase", "ORNA", "010", "ornb", nullptr,
                    "Class Key [ORNB] is already used by Novice B (Rec # 2)."},
        RefusalCase{"ClassKeyOfADeletedClass", "ORNA", "010", "ORNB", "ORNB",
                    "Class Key [ORNB] is already used by Novice B (Rec # 2, marked Deleted)."}),
    [](const ::testing::TestParamInfo<RefusalCase>& info) { return info.param.name; });

TEST_F(ClassTableTest, ANewClassIsSavedWithItsCodesInCapitals)
{
    const std::uint32_t before = classes().recordCount();
    classes().append();
    classes().setText("section", "Obedience");
    classes().setText("classname", "Sub Novice");
    classes().setText("srtkey", "105");
    classes().setText("catgroup", "ttl");
    classes().setText("db_key", "onsn");
    classes().setText("selkey", "osn");
    classes().setText("fee_type", "non");
    classes().setNumber("maxscore", 200);
    classes().setLogical("can_nq", true);
    classes().setNumber("q_score", 170);

    ASSERT_FALSE(ClassTableSave::save(classes()));

    fixture.stop();
    Tdmod& data = fixture.start(); // read back from the file
    dbf::Table& stored = *data.ShowClasses();
    ASSERT_EQ(stored.recordCount(), before + 1);
    stored.go(before + 1);
    EXPECT_EQ(stored.text("classname"), "Sub Novice") << "the name keeps its case";
    EXPECT_EQ(stored.text("catgroup"), "TTL");
    EXPECT_EQ(stored.text("db_key"), "ONSN");
    EXPECT_EQ(stored.text("selkey"), "OSN");
    EXPECT_EQ(stored.text("fee_type"), "NON");
    EXPECT_EQ(stored.number("maxscore"), 200);
    EXPECT_TRUE(stored.logical("can_nq"));
}

TEST_F(ClassTableTest, ARefusedNewClassStaysBeingAddedAndAddsNothing)
{
    const std::uint32_t before = classes().recordCount();
    classes().append();
    classes().setText("classname", "Copy of Open A");
    classes().setText("srtkey", "030");
    classes().setText("db_key", "xxxx");

    const std::optional<QString> refusal = ClassTableSave::save(classes());

    ASSERT_TRUE(refusal);
    EXPECT_EQ(classes().state(), dbf::Table::State::Insert);
    EXPECT_EQ(classes().text("classname"), "Copy of Open A");
    EXPECT_EQ(classes().text("db_key"), "xxxx") << "left as typed while it is refused";
    EXPECT_EQ(classes().recordCount(), before);
    classes().setText("srtkey", "035");
    EXPECT_FALSE(ClassTableSave::save(classes()));
    EXPECT_EQ(classes().recordCount(), before + 1);
}

TEST_F(ClassTableTest, FindSeeksInTheCurrentOrderAndStaysWhenNothingMatches)
{
    classes().setOrder("NAME");
    goToClass("RRNA");
    ScriptedMessages& messages = fixture.messages;
    ClassTableFind find;

    messages.answerText(QStringLiteral("  open b  "));
    EXPECT_TRUE(find.find(classes(), messages, ClassTableOrders::all()[3]));
    EXPECT_EQ(s(messages.texts.last()), "Enter Class Name to find: ");
    EXPECT_EQ(classes().text("db_key"), "OROB");

    EXPECT_FALSE(find.findText(classes(), messages, "zzz"));
    EXPECT_EQ(classes().text("db_key"), "OROB") << "back where the search began";
    EXPECT_EQ(s(messages.texts.last()), "Could not find  ZZZ");
    EXPECT_EQ(s(find.lastSearch()), "ZZZ");
}

TEST(ClassTableOrders, PromptsAndNames)
{
    const auto& orders = ClassTableOrders::all();
    ASSERT_EQ(orders.size(), 4);
    EXPECT_EQ(s(ClassTableFind::prompt(orders[0])), "Enter Sort Key to find: ");
    EXPECT_EQ(s(ClassTableFind::prompt(orders[2])), "Enter  to find: ");
    EXPECT_EQ(ClassTableOrders::byName("DBKEY"), &orders[2]);
    EXPECT_EQ(ClassTableOrders::byTag("section"), &orders[1]);
    EXPECT_EQ(ClassTableOrders::byName("zip"), nullptr);
}

} // namespace
