#include "DataRootFixture.h"

#include "entry/EntryEditor.h"
#include "entry/EntrySaveChecks.h"
#include "entry/PreparedOwners.h"
#include "storage/RecordValues.h"
#include "storage/SessionSettings.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

// The entry desk's work on an entry, its owner and its dog, without a window.

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

class EntryEditorTest : public ::testing::Test
{
protected:
    EntryEditorTest()
    {
        fixture.addShowDates(1, QDate(2026, 3, 6), 2);
        dbf::Table& dates = *data().ShowDates();
        dates.edit();
        for (const char* offered : {"t1or", "t2or", "t1rr", "t2rr", "t1obr", "t1otm", "t1rpr"})
            dates.setLogical(offered, true);
        dates.post();
        data().CreateShowEntryTable(1, "03/06/2026");
        editor.showOpened();
    }

    Tdmod& data() { return fixture.data(); }
    dbf::Table& entries() { return *data().TzDbf1(); }
    dbf::Table& dogs() { return *data().Dogs(); }
    dbf::Table& owners() { return *data().Owners(); }
    QString entryText(const char* field) { return QString::fromStdString(entries().text(field)); }

    void type(const char* field, const QString& value)
    {
        entries().setText(field, value.toStdString());
    }

    // Adds an entry the way the desk does: the number, the leaving check, the
    // owner from the pick list, the registered name and the classes.
    EntryEditor::SaveOutcome addEntry(const QString& reg, const QString& owner,
                                      const QStringList& flags, const QString& dog = "Rex")
    {
        editor.add();
        type("reg", reg);
        editor.leaveRegistration();
        if (entryText("owner_id").isEmpty())
            editor.leaveOwnerPickList(owner);
        if (entryText("dog").isEmpty())
            type("dog", dog);
        for (const QString& flag : flags)
            entries().setLogical(flag.toStdString(), true);
        return editor.save();
    }

    void addDogToMaster(const char* reg, const char* name, const char* ownerId)
    {
        dogs().append();
        dogs().setText("reg", reg);
        dogs().setText("dog", name);
        dogs().setText("breed", "Border Collie");
        dogs().setText("sex", "Bitch");
        dogs().setText("breeder", "Hill Farm");
        dogs().setText("first", "Mary");
        dogs().setText("last", "Smith");
        dogs().setText("owner_id", ownerId);
        dogs().setText("ob_jmpht", "16");
        dogs().post();
    }

    DataRootFixture fixture;
    SessionSettings session;
    PreparedOwners dialog{fixture.data()};
    EntryEditor editor{fixture.data(), session.armbands, dialog};
};

// --- Save -----------------------------------------------------------------------

TEST_F(EntryEditorTest, AJumpHeightMissingStoresTheEntryWithSortKey999UntilItIsGiven)
{
    const auto outcome = addEntry("DN100", "Smith, Mary", {"t2orob"});
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(s(outcome.focus), "ob_jmpht");
    EXPECT_EQ(fixture.messages.texts.last(), EntrySaveChecks::kNoObedienceJumpHeight);
    ASSERT_EQ(entries().recordCount(), 1u);
    EXPECT_EQ(entries().record(1).text("srtkey"), "999");
    EXPECT_EQ(entries().record(1).number("shownum"), 1);

    ASSERT_TRUE(editor.edit());
    type("ob_jmpht", "20");
    const auto again = editor.save();
    EXPECT_TRUE(again.completed);
    EXPECT_EQ(s(again.focus), "Find");
    EXPECT_EQ(entries().record(1).text("srtkey"), "040") << "Open B's sort key";
    EXPECT_EQ(entries().recordCount(), 1u) << "saving again makes no second entry";
}

TEST_F(EntryEditorTest, ARallyJumpHeightIsAskedForAfterTheObedienceOne)
{
    addEntry("DN101", "Smith, Mary", {"t1rrea"});
    EXPECT_EQ(fixture.messages.texts.last(), EntrySaveChecks::kNoRallyJumpHeight);
    ASSERT_TRUE(editor.edit());
    type("rallyjmpht", "12");
    EXPECT_TRUE(editor.save().completed);
}

TEST_F(EntryEditorTest, EveryMissingLinkCodeIsToldAndTheFocusEndsOnTheLast)
{
    const auto outcome = addEntry("DN102", "Smith, Mary", {"t1onbr", "t1ontm"});
    EXPECT_FALSE(outcome.completed);
    EXPECT_EQ(s(outcome.focus), "teamcode");
    const QStringList told = fixture.messages.texts.mid(fixture.messages.texts.size() - 2);
    EXPECT_EQ(told, QStringList({"You need to specify a LINK CODE for this Brace entry",
                                 "You need to specify a LINK CODE for this Team entry"}));

    ASSERT_TRUE(editor.edit());
    type("bracecode", "B");
    type("teamcode", "C");
    EXPECT_TRUE(editor.save().completed);
    EXPECT_EQ(s(data().maxLinkCodes()[0]), "B") << "the Max Code of braces";
    EXPECT_EQ(s(data().maxLinkCodes()[1]), "C");
}

TEST_F(EntryEditorTest, InputAutomaticArmbandsFollowTheRecordNumberUnlessItIsTaken)
{
    session.armbands.creation = ArmbandCreation::InputAutomatic;
    for (const char* reg : {"A1", "A2", "A3"})
        addEntry(reg, "Smith, Mary", {"t1orna"});
    EXPECT_EQ(entries().record(3).text("arm"), "103") << "the third entry of an empty show";

    // Editing an entry with a blank armband: 100 + its record number.
    entries().go(2);
    editor.recordMoved();
    ASSERT_TRUE(editor.edit());
    type("arm", "");
    editor.save();
    EXPECT_EQ(entries().record(2).text("arm"), "102");

    // After a pack the record numbers repeat armbands still in use.
    entries().go(1);
    entries().setDeleted(true);
    entries().pack();
    addEntry("A4", "Smith, Mary", {"t1orna"});
    EXPECT_EQ(entries().record(3).text("arm"), "104") << "103 is taken: the next above the highest";
}

// --- Owner -----------------------------------------------------------------------

TEST_F(EntryEditorTest, TheOwnerIsPickedByNameOrMadeWithTheNextOwnerId)
{
    owners().append();
    owners().setText("owner_id", "00017");
    owners().setText("first", "Al");
    owners().setText("last", "Smithers");
    owners().post();
    owners().append();
    owners().setText("owner_id", "00020");
    owners().setText("first", "Mary");
    owners().setText("last", "Smith");
    owners().post();

    addEntry("DN1", "Smith", {"t1orna"});
    EXPECT_EQ(entries().record(1).text("owner_id"), "00020") << "the exact name comes first";
    EXPECT_EQ(dialog.runs(), 0);

    addEntry("DN2", "Smithe", {"t1orna"});
    EXPECT_EQ(entries().record(2).text("owner_id"), "00017") << "else the first containing it";

    dialog.prepare({{"address", "4 Oak Lane"}});
    addEntry("DN3", "Lee, Ann", {"t1orna"});
    EXPECT_EQ(dialog.runs(), 1);
    const dbf::RecordView third = entries().record(3);
    EXPECT_EQ(third.text("owner_id"), "00021");
    EXPECT_EQ(third.text("first"), "Ann");
    EXPECT_EQ(third.text("last"), "Lee");
    EXPECT_EQ(s(editor.owner().display().address), "4 Oak Lane");
}

TEST_F(EntryEditorTest, ACancelledOwnerDialogLeavesTheEntryWithoutAnOwner)
{
    dialog.cancelNext();
    addEntry("DN5", "Nobody, Known", {"t1orna"});
    EXPECT_EQ(entries().record(1).text("owner_id"), "");
    EXPECT_FALSE(editor.owner().found());
    EXPECT_EQ(owners().recordCount(), 0u);
}

// --- Dog master ------------------------------------------------------------------

TEST_F(EntryEditorTest, ANewDogGoesIntoTheDogMasterInCapitals)
{
    editor.add();
    type("reg", "dn123");
    editor.leaveRegistration();
    editor.leaveOwnerPickList("Brown, Cy");
    type("dog", "Skye");
    editor.dog().sex = "Dog";
    editor.dog().breeder = "Glen Kennels";
    editor.save();
    ASSERT_EQ(dogs().recordCount(), 1u);
    const dbf::RecordView dog = dogs().record(1);
    EXPECT_EQ(dog.text("reg"), "DN123");
    EXPECT_EQ(dog.text("dog"), "Skye");
    EXPECT_EQ(dog.text("sex"), "Dog");
    EXPECT_EQ(dog.text("breeder"), "Glen Kennels");
    EXPECT_EQ(dog.text("owner_id"), entries().record(1).text("owner_id"));
    EXPECT_TRUE(dog.date("modified").has_value());
}

TEST_F(EntryEditorTest, AReturningDogIsCopiedInWhateverCaseItsNumberIsTyped)
{
    addDogToMaster("DN777", "Hill Farm Moss", "00004");
    editor.add();
    type("reg", "dn777");
    EXPECT_EQ(s(editor.leaveRegistration()), "reg_ctry");
    EXPECT_EQ(s(entryText("dog")), "Hill Farm Moss");
    EXPECT_EQ(s(entryText("owner_id")), "00004");
    EXPECT_EQ(s(entryText("ob_jmpht")), "16");
    EXPECT_EQ(s(editor.dog().breeder), "Hill Farm");
    EXPECT_EQ(s(editor.dog().sex), "Bitch");
    EXPECT_FALSE(editor.ownerPickListShown());
    entries().setLogical("t1orna", true);
    editor.save();
    EXPECT_EQ(dogs().recordCount(), 1u) << "no second record for the dog";
}

TEST_F(EntryEditorTest, ADogAlreadyInTheShowAsksWhatToDo)
{
    addDogToMaster("DN9", "Moss", "00004");
    addEntry("DN9", "", {"t1orna"});
    const struct {
        const char* name;
        QString answers; // one per entry of the dog the question is asked about
        std::uint32_t entriesAfterSave;
        QString focus;
    } cases[] = {
        {"Add_Duplicate makes a second entry", "A", 2, "reg_ctry"},
        {"closed: the search goes on and the dog is copied", "XX", 3, "reg_ctry"},
        {"Edit_Record goes to the entry there is", "E", 3, "Edit"},
    };
    for (const auto& c : cases) {
        editor.add();
        type("reg", "DN9");
        for (QChar answer : c.answers)
            fixture.messages.answer(answer);
        const auto asked = fixture.messages.requests.size();
        EXPECT_EQ(s(editor.leaveRegistration()), s(c.focus)) << c.name;
        EXPECT_EQ(fixture.messages.requests.size() - asked,
                  c.answers.size() + (c.answers == "E" ? 1 : 0))
            << c.name;
        EXPECT_EQ(s(fixture.messages.requests.at(asked).caption), "Entry Found!");
        if (c.answers != "E") {
            EXPECT_EQ(s(entryText("dog")), "Moss") << c.name;
            editor.save();
        }
        EXPECT_EQ(entries().recordCount(), c.entriesAfterSave) << c.name;
    }
    EXPECT_TRUE(editor.browsing());
    EXPECT_EQ(s(entryText("reg")), "DN9");
}

TEST_F(EntryEditorTest, AMixedBreedNumberGivesTheBreed)
{
    editor.add();
    type("reg", "M1234567");
    editor.leaveRegistration();
    EXPECT_EQ(s(entryText("breed")), "Mixed Breed Dog");
}

TEST_F(EntryEditorTest, ABlankNumberIsToldAndKeptOutOfTheDogMaster)
{
    addEntry("", "Smith, Mary", {"t1orna"});
    EXPECT_TRUE(fixture.messages.texts.contains("You MUST enter a Registration Number!"));
    EXPECT_EQ(entries().recordCount(), 1u) << "the entry itself is saved";
    EXPECT_EQ(dogs().recordCount(), 0u);
}

TEST_F(EntryEditorTest, ChangingTheNumberRenamesTheDogOrUpdatesTheOneThatHasIt)
{
    addEntry("OLD1", "Smith, Mary", {"t1orna"}, "Scout");
    addDogToMaster("TAKEN", "Moss", "00004");
    ASSERT_EQ(dogs().recordCount(), 2u);

    entries().go(1);
    editor.recordMoved();
    ASSERT_TRUE(editor.edit());
    type("reg", "NEW1");
    editor.leaveRegistration();
    editor.save();
    EXPECT_EQ(dogs().recordCount(), 2u);
    EXPECT_EQ(dogs().record(1).text("reg"), "NEW1") << "the old number's record renamed";

    ASSERT_TRUE(editor.edit());
    type("reg", "TAKEN");
    editor.leaveRegistration();
    editor.save();
    EXPECT_EQ(dogs().recordCount(), 2u);
    EXPECT_EQ(dogs().record(1).text("reg"), "NEW1") << "the old record stays";
    EXPECT_EQ(dogs().record(2).text("reg"), "TAKEN");
    EXPECT_EQ(dogs().record(2).text("dog"), "Scout") << "the record of that number is updated";
}

// --- Classes, Cancel, Delete -----------------------------------------------------------

TEST_F(EntryEditorTest, AClassLabelEntersEveryTrialThatOffersTheClass)
{
    editor.add();
    editor.enterInAllTrials(*ClassCodes::findClass(u"OROA"));
    editor.enterInAllTrials(*ClassCodes::findClass(u"ONBR"));
    EXPECT_TRUE(entries().logical("t1oroa"));
    EXPECT_TRUE(entries().logical("t2oroa"));
    EXPECT_FALSE(entries().logical("t3oroa")) << "not offered in trial 3";
    EXPECT_TRUE(entries().logical("t1onbr"));
    EXPECT_FALSE(entries().logical("t2onbr")) << "Brace only in trial 1";
}

TEST_F(EntryEditorTest, CancelPutsBackTheDogBoxesAndTheOwner)
{
    addDogToMaster("DN5", "Moss", "00004");
    addEntry("DN5", "", {"t1orna"});
    editor.recordMoved();
    ASSERT_TRUE(editor.edit());
    editor.dogDetailsTouched();
    editor.dog().breeder = "Typed over";
    editor.cancel();
    EXPECT_EQ(s(editor.dog().breeder), "Hill Farm");
    EXPECT_TRUE(editor.browsing());
}

TEST_F(EntryEditorTest, DeleteAsksFirstAndUndeleteDoesNot)
{
    addEntry("DN6", "Smith, Mary", {"t1orna"});
    editor.toggleDeleted(); // cautious answer: Cancel
    EXPECT_FALSE(entries().deleted());
    EXPECT_EQ(s(fixture.messages.texts.last()), "Delete Record ?");
    fixture.messages.answer(u'O');
    editor.toggleDeleted();
    EXPECT_TRUE(entries().record(1).deleted());
    const int asked = fixture.messages.requests.size();
    editor.toggleDeleted();
    EXPECT_FALSE(entries().record(1).deleted());
    EXPECT_EQ(fixture.messages.requests.size(), asked) << "no question to undelete";
}

TEST_F(EntryEditorTest, ANewBreedIsAddedWhenTheSecretarySaysSo)
{
    editor.add();
    type("breed", "Lagotto Romagnolo");
    fixture.messages.answer(u'Y');
    EXPECT_TRUE(editor.leaveBreed());
    EXPECT_TRUE(data().Breeds()->seekRecord("breedname", "LAGOTTO ROMAGNOLO"));
    EXPECT_FALSE(editor.leaveBreed()) << "known now";
}

TEST_F(EntryEditorTest, AnArmbandLongerThanTheDigitsIsRefused)
{
    session.armbands.digits = 3;
    editor.add();
    type("arm", "1001");
    EXPECT_FALSE(editor.leaveArmband());
    EXPECT_EQ(s(fixture.messages.texts.last()),
              "You have specified under TOOLS\\PREFERENCES;that Armbands will be only 3 "
              "digits.;Either change your Option or fix the number.");
    type("arm", "101");
    EXPECT_TRUE(editor.leaveArmband());
}

} // namespace
