#include "DataRootFixture.h"

#include "setup/ShowDatesClassBoxes.h"
#include "setup/ShowDatesEditor.h"

#include "dbf/Table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

// The show dates window's decisions: show numbers, trial dates, the save and
// the files a new show gets.

namespace
{

const QString kNoClasses = QStringLiteral("You haven't indicated any classes!  Please do so.");
const QString kNoShowDate = QStringLiteral("You must specify a Show Date");
const QDate kFriday(2006, 10, 13);

std::string s(const QString& text)
{
    return text.toStdString();
}

class ShowDates : public ::testing::Test
{
protected:
    ShowDatesEditor& editor()
    {
        if (!editor_)
            editor_ = std::make_unique<ShowDatesEditor>(fixture.data());
        return *editor_;
    }
    dbf::Table& table() { return *fixture.data().ShowDates(); }
    QString path(const QString& relative) const { return fixture.root() + u'/' + relative; }

    // A new show with a first date, trials and one class offered, ready to save.
    void prepareNewShow(const QDate& first, int trials = 1)
    {
        editor().startNewShow();
        editor().setFirstDate(first);
        editor().leaveFirstDate();
        editor().setTrials(trials);
        ASSERT_TRUE(editor().leaveTrials());
        editor().specifyClasses();
        editor().setOffered(1, 0, true);
    }

    DataRootFixture fixture;

private:
    std::unique_ptr<ShowDatesEditor> editor_;
};

} // namespace

TEST(ShowDatesClassBoxesTest, BoxesMapToTheOfferedFlagsInTheWindowsOrder)
{
    struct Case {
        int trial;
        int box; // 1-based, as numbered on the tab
        const char* flag;
        const char* caption;
    };
    for (const Case& c :
         {Case{1, 1, "t1or", "Obedience (All Regular)"}, Case{2, 5, "t2ovr", "Versatility"},
          Case{3, 11, "t3ovt", "Veterans"}, Case{4, 13, "t4oit", "International"},
          Case{1, 14, "t1rr", "Rally (All Regular)"}, Case{2, 18, "t2rtm", "Team"},
          Case{3, 19, "t3rctm", "T Challenge Team"}}) {
        EXPECT_EQ(s(ShowDatesClassBoxes::offeredFlag(c.trial, c.box - 1)), c.flag);
        EXPECT_EQ(s(ShowDatesClassBoxes::caption(c.box - 1)), c.caption);
    }
    EXPECT_EQ(ShowDatesClassBoxes::boxOf(u"RCTM"), 18);
    EXPECT_EQ(ShowDatesClassBoxes::boxOf(u"Opn"), 1);
    EXPECT_EQ(ShowDatesClassBoxes::boxOf(u"orna"), std::nullopt);
}

// The first date's box text names the show's files, so it reads and writes
// MM/DD/YYYY whatever the machine's locale, and only a real date counts.
TEST(ShowDatesBoxTextTest, DatesReadAndWriteAsMonthDayYear)
{
    EXPECT_EQ(s(dateBoxText(QDate(2006, 10, 4))), "10/04/2006");
    EXPECT_EQ(s(dateBoxText(std::nullopt)), "");
    const std::pair<const char*, std::optional<QDate>> cases[] = {
        {"10/14/2006", QDate(2006, 10, 14)}, {" 02/29/2008 ", QDate(2008, 2, 29)},
        {"02/29/2007", std::nullopt},        {"  /  /    ", std::nullopt},
        {"14/10/2006", std::nullopt},        {"", std::nullopt},
    };
    for (const auto& [text, date] : cases)
        EXPECT_EQ(dateFromBoxText(text), date) << text;
}

TEST_F(ShowDates, NextShowNumberIsTheLastInNumberOrderPlusOne)
{
    EXPECT_EQ(ShowDatesEditor::NextShowNumber(table()), 1);

    // Appended out of number order: the highest number counts, not the last record.
    for (int number : {1, 2, 3, 4, 6, 7, 5})
        fixture.addShowDates(number, kFriday, 1);
    EXPECT_EQ(ShowDatesEditor::NextShowNumber(table()), 8);

    // A deleted show keeps its number: its files may still be there.
    for (int number : {5, 7}) {
        ASSERT_TRUE(table().find("    " + std::to_string(number)));
        table().setDeleted(true);
        EXPECT_EQ(ShowDatesEditor::NextShowNumber(table()), 8);
    }
    // Numbers are compared as numbers, not as text ("10" after "9").
    fixture.addShowDates(10, kFriday, 1);
    fixture.addShowDates(9, kFriday, 1);
    editor().startNewShow();
    EXPECT_EQ(editor().record().number, 11);
}

TEST_F(ShowDates, ANewShowsTrialsRunOnConsecutiveDays)
{
    editor().startNewShow();
    editor().setFirstDate(kFriday);
    editor().setTrials(3);
    ASSERT_TRUE(editor().leaveTrials());
    const ShowDatesRecord& record = editor().record();
    EXPECT_EQ(record.of(1).date, kFriday);
    EXPECT_EQ(record.of(2).date->dayOfWeek(), Qt::Saturday);
    EXPECT_EQ(record.of(3).date, QDate(2006, 10, 15));
    EXPECT_EQ(record.of(3).date->dayOfWeek(), Qt::Sunday);
    EXPECT_EQ(record.of(4).date, std::nullopt);
}

TEST_F(ShowDates, LeavingTrialsOfANewShowWithoutADateIsRefused)
{
    editor().startNewShow();
    editor().setTrials(2);
    EXPECT_FALSE(editor().leaveTrials());
    EXPECT_EQ(fixture.messages.texts, QStringList{kNoShowDate});
    EXPECT_FALSE(editor().canSpecify());
    editor().setFirstDate(kFriday);
    EXPECT_TRUE(editor().canSpecify());
}

TEST_F(ShowDates, AddedTrialsFollowTheLastTrialTheShowHad)
{
    fixture.addShowDates(1, kFriday, 2);
    ASSERT_TRUE(editor().startEditing());
    editor().setTrialDate(2, QDate(2006, 10, 20));
    editor().setTrials(4);
    ASSERT_TRUE(editor().leaveTrials());
    const ShowDatesRecord& record = editor().record();
    EXPECT_EQ(record.of(1).date, kFriday);
    EXPECT_EQ(record.of(2).date, QDate(2006, 10, 20));
    EXPECT_EQ(record.of(3).date, QDate(2006, 10, 21));
    EXPECT_EQ(record.of(4).date, QDate(2006, 10, 22));

    // Lowering and raising again keeps the date trial 4 already has.
    editor().setTrialDate(4, QDate(2006, 11, 1));
    editor().setTrials(3);
    ASSERT_TRUE(editor().leaveTrials());
    editor().setTrials(4);
    ASSERT_TRUE(editor().leaveTrials());
    EXPECT_EQ(editor().record().of(4).date, QDate(2006, 11, 1));
}

TEST_F(ShowDates, ChangingTrialTwoOrThreeCarriesTheLaterTrials)
{
    struct Case {
        int trials;
        int changed;
        std::array<int, 4> expectedDays; // day of October of trials 1 to 4; 0 for none
    };
    for (const Case& c : {Case{4, 2, {13, 20, 21, 22}}, Case{3, 2, {13, 20, 21, 0}},
                          Case{2, 2, {13, 20, 0, 0}}, Case{4, 3, {13, 14, 20, 21}},
                          Case{3, 3, {13, 14, 20, 0}}, Case{4, 4, {13, 14, 15, 20}}}) {
        SCOPED_TRACE(testing::Message() << c.trials << " trials, trial " << c.changed);
        editor().startNewShow();
        editor().setFirstDate(kFriday);
        editor().setTrials(c.trials);
        ASSERT_TRUE(editor().leaveTrials());
        editor().setTrialDate(c.changed, QDate(2006, 10, 20));
        for (int t = 1; t <= 4; ++t) {
            const int day = c.expectedDays[t - 1];
            EXPECT_EQ(editor().record().of(t).date,
                      day ? std::optional(QDate(2006, 10, day)) : std::nullopt)
                << "trial " << t;
        }
    }
}

TEST_F(ShowDates, SavingWithoutClassesOrDateCreatesNothing)
{
    struct Case {
        bool withDate;
        bool withClass;
        QString message;
        ShowDatesEditor::SaveFault fault;
    };
    for (const Case& c :
         {Case{true, false, kNoClasses, ShowDatesEditor::SaveFault::NoClasses},
          Case{false, true, kNoShowDate, ShowDatesEditor::SaveFault::NoFirstDate}}) {
        fixture.messages.texts.clear();
        editor().startNewShow();
        if (c.withDate)
            editor().setFirstDate(kFriday);
        editor().specifyClasses();
        // A box checked in a trial the show does not have does not count.
        editor().setOffered(2, 0, true);
        if (c.withClass)
            editor().setOffered(1, 13, true);
        EXPECT_EQ(editor().save(), ShowDatesEditor::SaveResult::Refused);
        EXPECT_EQ(editor().lastFault(), c.fault);
        EXPECT_EQ(fixture.messages.texts, QStringList{c.message});
        EXPECT_EQ(table().recordCount(), 0u);
        EXPECT_TRUE(QDir(path("shows")).isEmpty());
        EXPECT_FALSE(QFileInfo::exists(path("catdata/cat00001")));
        EXPECT_FALSE(fixture.data().showOpen());
        EXPECT_TRUE(editor().newShow());
    }
}

TEST_F(ShowDates, TheFirstSaveMakesTheShowsFilesAndOpensIt)
{
    for (int number = 1; number <= 11; ++number)
        fixture.addShowDates(number, kFriday.addDays(-7 * number), 1);
    prepareNewShow(QDate(2006, 10, 14), 2);
    editor().setObedienceEvent(2, QStringLiteral("2006123456"));
    ASSERT_EQ(editor().save(), ShowDatesEditor::SaveResult::ShowCreated);

    const QString file = path("shows/Show-00012-10-14-2006.dbf");
    EXPECT_TRUE(QFileInfo(file).isFile());
    EXPECT_TRUE(QFileInfo(path("catdata/cat00012/indexs")).isDir());
    Tdmod& data = fixture.data();
    EXPECT_TRUE(data.showOpen());
    EXPECT_EQ(data.currentShowNumber(), 12);
    EXPECT_EQ(s(data.currentShowDateText()), "10-14-2006");
    EXPECT_EQ(QFileInfo(QDir::fromNativeSeparators(data.ReadLastShow())).canonicalFilePath(),
              QFileInfo(file).canonicalFilePath());
    EXPECT_EQ(fixture.messages.texts,
              QStringList{QStringLiteral(
                  "You will also have to specify;the Judging Assignments;under TASKS from main "
                  "menu;after you have added their name(s);to the Judge's Database")});

    EXPECT_FALSE(editor().newShow());
    EXPECT_FALSE(editor().editing());
    EXPECT_EQ(s(editor().recordStatus()), "Rec #    12 /    12");
    const ShowDatesRecord saved = ShowDatesRecord::read(table());
    EXPECT_EQ(saved.number, 12);
    EXPECT_EQ(saved.trials, 2);
    EXPECT_EQ(saved.of(2).date, QDate(2006, 10, 15));
    EXPECT_EQ(s(saved.of(2).obedienceEvent), "2006123456");
    EXPECT_TRUE(table().logical("t1or"));
}

TEST_F(ShowDates, AShowWhoseFilesCannotBeMadeIsNotPosted)
{
    // A plain file where the show's folder must go.
    QFile blocker(path("catdata/cat00001"));
    ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));
    blocker.close();

    prepareNewShow(kFriday);
    EXPECT_EQ(editor().save(), ShowDatesEditor::SaveResult::Refused);
    EXPECT_EQ(editor().lastFault(), ShowDatesEditor::SaveFault::Files);
    ASSERT_EQ(fixture.messages.requests.size(), 1);
    EXPECT_EQ(fixture.messages.requests[0].kind, MessageKind::Error);
    EXPECT_TRUE(fixture.messages.texts[0].startsWith("Cannot create Special Data Folder"))
        << s(fixture.messages.texts[0]);
    EXPECT_EQ(table().recordCount(), 0u);
    EXPECT_TRUE(QDir(path("shows")).isEmpty());
    EXPECT_FALSE(fixture.data().showOpen());

    // Once the way is clear the same show saves.
    ASSERT_TRUE(QFile::remove(path("catdata/cat00001")));
    EXPECT_EQ(editor().save(), ShowDatesEditor::SaveResult::ShowCreated);
    EXPECT_EQ(table().recordCount(), 1u);
}

TEST_F(ShowDates, ANumberWhoseOldShowFileRemainsIsNotReused)
{
    // Show 1's record was packed away, but its entry file, with its entries,
    // is still there.
    const std::string old = path("shows/Show-00001-01-05-2001.dbf").toStdString();
    dbf::Table::create(old, TableSchemas::Show().fields);
    const auto entries = dbf::Table::open(old);
    entries->append();
    entries->setText("dog", "Rex");
    entries->post();
    entries->close();

    prepareNewShow(kFriday);
    EXPECT_EQ(editor().save(), ShowDatesEditor::SaveResult::Refused);
    EXPECT_TRUE(fixture.messages.texts.value(0).contains("Show-00001-01-05-2001.dbf"));
    EXPECT_EQ(table().recordCount(), 0u);
}

TEST_F(ShowDates, EditingAShowTellsWhenItsClassesChanged)
{
    fixture.addShowDates(1, kFriday, 1);
    const QString classesModified =
        QStringLiteral("You must now re-do the  Judge Assignments;;Also, if the show is currently "
                       "opened, you must [Close It];then [Re-Open it] for the new classes to be "
                       "shown.");
    ASSERT_TRUE(editor().startEditing());
    EXPECT_FALSE(editor().editing());
    EXPECT_EQ(s(editor().recordStatus()), "Rec #     1 /     1");
    EXPECT_EQ(s(ShowDatesEditor::indexStatus()), "Current Index = Show Number");

    // A record loaded without classes is refused like a new one.
    editor().setObedienceEvent(1, QStringLiteral("123"));
    EXPECT_EQ(editor().save(), ShowDatesEditor::SaveResult::Refused);
    EXPECT_EQ(fixture.messages.texts, QStringList{kNoClasses});

    fixture.messages.texts.clear();
    editor().setOffered(1, 14, true);
    EXPECT_EQ(editor().save(), ShowDatesEditor::SaveResult::Saved);
    ASSERT_EQ(fixture.messages.requests.size(), 2);
    EXPECT_EQ(fixture.messages.requests.last().text, classesModified);
    EXPECT_EQ(s(fixture.messages.requests.last().caption), "Classes Have Been Modified");
    EXPECT_TRUE(table().logical("t1rtc"));
    EXPECT_EQ(table().text("t1_o_evnum"), "123");

    // An event number alone changes no classes.
    fixture.messages.texts.clear();
    editor().setRallyEvent(1, QStringLiteral("456"));
    EXPECT_EQ(editor().save(), ShowDatesEditor::SaveResult::Saved);
    EXPECT_TRUE(fixture.messages.texts.isEmpty());
    EXPECT_FALSE(editor().changed());
}

TEST_F(ShowDates, LeavingAChangedRecordAsksAndARefusedSaveKeepsIt)
{
    fixture.addShowDates(1, kFriday, 1);
    fixture.addShowDates(2, kFriday.addDays(7), 1);
    ASSERT_TRUE(editor().startEditing());
    ASSERT_TRUE(editor().move(ShowDatesEditor::Move::First));
    ASSERT_EQ(editor().record().number, 1);
    const QString question = QStringLiteral("Data has been changed - Save it?");

    // Yes with no classes: the save is refused, so the record and window stay.
    editor().setObedienceEvent(1, QStringLiteral("1"));
    fixture.messages.answer(u'Y');
    EXPECT_FALSE(editor().move(ShowDatesEditor::Move::Next));
    EXPECT_EQ(fixture.messages.texts, (QStringList{question, kNoClasses}));
    EXPECT_EQ(editor().record().number, 1);
    fixture.messages.answer(u'Y');
    EXPECT_FALSE(editor().close());

    // Yes with a class saves, then moves.
    editor().setOffered(1, 0, true);
    fixture.messages.answer(u'Y');
    EXPECT_TRUE(editor().move(ShowDatesEditor::Move::Next));
    EXPECT_EQ(editor().record().number, 2);
    ASSERT_TRUE(table().find("    1"));
    EXPECT_TRUE(table().logical("t1or"));

    // No drops the change.
    fixture.messages.texts.clear();
    editor().setOffered(1, 0, true);
    fixture.messages.answer(u'N');
    EXPECT_TRUE(editor().close());
    EXPECT_EQ(fixture.messages.texts, QStringList{question});
    ASSERT_TRUE(table().find("    2"));
    EXPECT_FALSE(table().logical("t1or"));
}

TEST_F(ShowDates, CancellingANewShowClosesOnlyWhenThereIsNoShow)
{
    editor().startNewShow();
    EXPECT_TRUE(editor().cancel());

    fixture.addShowDates(1, kFriday, 1);
    editor().startNewShow();
    editor().setFirstDate(kFriday.addDays(7));
    EXPECT_FALSE(editor().cancel());
    EXPECT_FALSE(editor().newShow());
    EXPECT_EQ(editor().record().number, 1);
    EXPECT_EQ(table().recordCount(), 1u);
}

TEST_F(ShowDates, EditModeWithNoShowSaysToStartOne)
{
    EXPECT_FALSE(editor().startEditing());
    EXPECT_EQ(fixture.messages.texts,
              QStringList{QStringLiteral("You need to start a New Show from the Main Screen")});
}

// An N 1 field holds 0 to 9: a stored 9 trials once made the save throw out of
// the window. It is told, shown as 4 trials, and saved as that.
TEST_F(ShowDates, AnImpossibleNumberOfTrialsIsToldAndSavedAsFour)
{
    fixture.addShowDates(3, kFriday, 4);
    table().first();
    table().edit();
    table().setNumber("num_trials", 9);
    table().setLogical("t1or", true);
    table().post();

    ASSERT_TRUE(editor().startEditing());
    ASSERT_EQ(fixture.messages.texts.size(), 1);
    EXPECT_TRUE(fixture.messages.texts[0].startsWith(
        "Show # 3: the number of trials (num_trials) is 9, but a show has 1 to 4 trials."));
    EXPECT_EQ(editor().record().trials, 4);

    editor().setObedienceEvent(1, QStringLiteral("123"));
    EXPECT_EQ(editor().save(), ShowDatesEditor::SaveResult::Saved);
    EXPECT_EQ(table().number("num_trials"), 4);
}
