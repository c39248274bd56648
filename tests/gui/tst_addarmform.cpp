#include "ScriptedMessages.h"
#include "TempDir.h"

#include "entry/EntryDeskWidget.h"
#include "entry/MainForm.h"
#include "entry/MainFormCommands.h"
#include "preparation/AddArmForm.h"
#include "setup/ConfirmSortKeysForm.h"
#include "storage/DataModule.h"
#include "storage/DataRoot.h"
#include "storage/SessionSettings.h"

#include "dbf/Table.h"

#include <QAction>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QTimer>
#include <QtTest>

#include <functional>

namespace
{

const QString k999 =
    QStringLiteral("Sort Key of 999 found.;Suggest you do CONFIRM SORT KEYS under TASKS");

// Keeps the starting text of every input box as well.
class FindMessages : public ScriptedMessages
{
public:
    std::optional<QString> input(const QString& caption, const QString& prompt,
                                 const QString& initial) override
    {
        captions << caption;
        initials << initial;
        return ScriptedMessages::input(caption, prompt, initial);
    }
    QStringList captions;
    QStringList initials;
};

struct Entry {
    const char* last;
    const char* obedience = "";
    const char* rally = "";
    const char* sortKey = "010";
    bool deleted = false;
};

// Runs `step` on the modal window of type W once it is up and activated.
template <typename W> void whenShown(std::function<void(W&)> step)
{
    auto* poll = new QTimer;
    poll->setInterval(10);
    QObject::connect(poll, &QTimer::timeout, [poll, step] {
        auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
        if (!window)
            return;
        poll->stop();
        poll->deleteLater();
        QCoreApplication::processEvents(); // its activation
        step(*window);
    });
    poll->start();
}

} // namespace

// The armband window over show 1 (one trial offering obedience classes), its
// entries given per test in record order.
class AddArmFormTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempDir> dir;
    std::unique_ptr<FindMessages> messages_;
    std::unique_ptr<Tdmod> data_;
    std::unique_ptr<TAddArmForm> form;

    Tdmod& data() { return *data_; }
    dbf::Table& entries() { return *data_->TzDbf1(); }
    FindMessages& messages() { return *messages_; }

    void makeShow(const std::vector<Entry>& list, int digits = 3,
                  const QString& armbands = "AfterAutomatic", const QString& start = "101")
    {
        dir = std::make_unique<TempDir>();
        const QString root = QString::fromStdString(dir->path().string());
        DataRoot(root).layOut();
        messages_ = std::make_unique<FindMessages>();
        data_ = std::make_unique<Tdmod>(root, *messages_);
        Tdmod* data = data_.get();
        dbf::Table& dates = *data->ShowDates();
        dates.append();
        dates.setNumber("show_num", 1);
        dates.setNumber("num_trials", 1);
        dates.setDate("show_date",
                      dbf::Date{std::chrono::year(2027), std::chrono::April, std::chrono::day(10)});
        dates.setLogical("t1or", true);
        dates.post();
        data->CreateShowEntryTable(1, "04/10/2027");
        for (const Entry& e : list) {
            entries().append();
            entries().setText("last", e.last);
            entries().setText("first", "Pat");
            entries().setText("ob_jmpht", e.obedience);
            entries().setText("rallyjmpht", e.rally);
            entries().setText("srtkey", e.sortKey);
            entries().post();
            if (e.deleted)
                entries().setDeleted(true);
        }
        QVERIFY(data->preferences().writeMany({PreferenceKeys::digits.with(QString::number(digits)),
                                               PreferenceKeys::armbands.with(armbands),
                                               PreferenceKeys::armbandStart.with(start)}));
        messages().texts.clear();
    }

    void openWindow()
    {
        form = std::make_unique<TAddArmForm>(data(), KeyboardSettings{});
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCoreApplication::processEvents();
    }

    QStringList armbands()
    {
        QStringList all;
        for (std::uint32_t r = 1; r <= entries().recordCount(); ++r)
            all << QString::fromStdString(entries().record(r).raw("arm"));
        return all;
    }
    QString current(const char* field) { return QString::fromStdString(entries().text(field)); }
    int count999() { return int(messages().texts.count(k999)); }
    QModelIndex cell(int row, const QString& header)
    {
        QAbstractItemModel* model = form->grid()->model();
        for (int c = 0; c < model->columnCount(); ++c) {
            if (model->headerData(c, Qt::Horizontal).toString() == header)
                return model->index(row, c);
        }
        return {};
    }
    // Types into the grid as the secretary does: the first key opens the cell.
    void typeIntoGrid(const QString& text)
    {
        for (QChar c : text)
            QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    void pressEnter() { QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return); }

private slots:
    void cleanup()
    {
        form.reset();
        data_.reset();
        messages_.reset();
        dir.reset();
    }

    void openingReadsThePreferencesAndStartsOnTheFirstByLastName_data()
    {
        QTest::addColumn<QString>("armbands");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("line");
        QTest::newRow("after") << "AfterAutomatic" << 3
                               << "Current Armband Preferences = AFTER - 3 Digits";
        QTest::newRow("as inputted")
            << " inputAutomatic" << 5 << "Current Armband Preferences = AS INPUTTED - 5 Digits";
        QTest::newRow("manual") << "Manual" << 4
                                << "Current Armband Preferences = MANUAL - 4 Digits";
        QTest::newRow("other letter") << "Xyz" << 4 << "Current Armband Preferences = ";
    }
    void openingReadsThePreferencesAndStartsOnTheFirstByLastName()
    {
        QFETCH(QString, armbands);
        QFETCH(int, digits);
        QFETCH(QString, line);
        makeShow({{"Cole"}, {"Adams"}, {"Baker"}}, digits, armbands);
        openWindow();
        QCOMPARE(form->windowTitle(), QStringLiteral("Add Armband Numbers"));
        QCOMPARE(form->preferenceLine()->text(), line);
        QCOMPARE(current("last"), QStringLiteral("Adams"));
        QCOMPARE(form->classEntered()->text(), QStringLiteral("Class Entered = Novice A"));
        QCOMPARE(form->showPanel()->text(), QStringLiteral("Show #  1"));
        QCOMPARE(form->recordPanel()->text(), QStringLiteral("Rec #     2 /     3"));
        QCOMPARE(form->indexPanel()->text(), QStringLiteral("Current Index = Last Name"));
        QVERIFY(form->orderAction(TAddArmForm::LastName)->isChecked());
        QVERIFY(form->findButton()->isEnabled());
        QVERIFY(form->obedienceHeightsMenu()->menuAction()->isEnabled());
        QVERIFY2(!form->rallyHeightsMenu()->menuAction()->isEnabled(), "the show offers no rally");
        QVERIFY(!form->jumpHeightChoice()->isEnabled());
        QVERIFY(!form->jumpHeightYes()->isChecked() && !form->jumpHeightNo()->isChecked());
        QCOMPARE(form->grid()->currentIndex().row(), 0);
        QVERIFY(messages().texts.isEmpty());
    }

    void autoAssignInAJumpHeightOrderWithAndWithoutTheHeight()
    {
        makeShow({{"Cole", "16"}, {"Adams", " 8"}, {"Baker", " 8"}}, 5);
        openWindow();
        form->orderAction(TAddArmForm::AscendingJumpHts)->trigger();
        QCOMPARE(form->indexPanel()->text(),
                 QStringLiteral("Current Index = Ascending Obedience Jump Heights"));
        QVERIFY2(!form->findButton()->isEnabled(), "no Find by jump height");
        QVERIFY(form->jumpHeightChoice()->isEnabled());

        QTest::mouseClick(form->jumpHeightYes(), Qt::LeftButton);
        QTest::mouseClick(form->autoAssignButton(), Qt::LeftButton);
        QCOMPARE(armbands(), QStringList({"16103", "08101", "08102"}));
        QCOMPARE(current("last"), QStringLiteral("Adams")); // back on the first of the order

        QTest::mouseClick(form->jumpHeightNo(), Qt::LeftButton);
        form->autoAssignAction()->trigger();
        QCOMPARE(armbands(), QStringList({"  103", "  101", "  102"}));

        form->orderAction(TAddArmForm::LastName)->trigger();
        QVERIFY(form->findButton()->isEnabled());
        QVERIFY2(form->jumpHeightChoice()->isEnabled(),
                 "enabled for the rest of the window's life");
        QVERIFY(messages().texts.isEmpty());
    }

    void theHeightChoiceStaysOffBelowFiveDigits()
    {
        makeShow({{"Cole", "16"}}, 4);
        openWindow();
        form->orderAction(TAddArmForm::DescendingJumpHts)->trigger();
        QVERIFY(!form->jumpHeightChoice()->isEnabled());
        form->AutoAssign1Click();
        QCOMPARE(armbands(), QStringList{" 101 "});
    }

    void aPassReportsEach999OnceAndKeepsItsOrder()
    {
        // Adams comes first by last name, Baker (no sort key known) first in
        // the Armband # order while the numbers are blank, and Dunn, deleted,
        // keeps his blank number and comes first after the pass.
        makeShow({{"Baker", "", "", "999"},
                  {"Adams"},
                  {"Cole", "", "", "999"},
                  {"Dunn", "", "", "010", true}});
        openWindow();
        QCOMPARE(count999(), 0);
        form->orderAction(TAddArmForm::ArmbandNumber)->trigger();

        form->autoAssignAction()->trigger();
        QCOMPARE(count999(), 2); // once for each entry numbered, none for the deleted one
        QCOMPARE(armbands(), QStringList({"101  ", "102  ", "103  ", "     "}));
        QCOMPARE(current("last"), QStringLiteral("Dunn"));
        QVERIFY(form->orderAction(TAddArmForm::ArmbandNumber)->isChecked());
        QCOMPARE(form->indexPanel()->text(), QStringLiteral("Current Index = Armband #"));
        QVERIFY(dbf::sameName(entries().order(), "armband"));

        form->clearAllNumbersAction()->trigger();
        QCOMPARE(count999(), 4); // Baker, first again, was told of in the pass
        QCOMPARE(current("last"), QStringLiteral("Baker"));
        QCOMPARE(form->classEntered()->text(), QStringLiteral("Class Entered = Unknown"));
        QCOMPARE(armbands(), QStringList({"     ", "     ", "     ", "     "}));
        QVERIFY(dbf::sameName(entries().order(), "armband"));
        QCOMPARE(messages().texts.size(), 4); // no other message

        // Moving onto such an entry tells of it too.
        form->goLast();
        form->goFirst();
        QCOMPARE(count999(), 5);
    }

    void aPassThatWouldNotFitIsRefusedWithAMessage()
    {
        makeShow({{"A", "16"}, {"B", "16"}, {"C", "16"}}, 5, "AfterAutomatic", "998");
        openWindow();
        form->orderAction(TAddArmForm::AscendingJumpHts)->trigger();
        form->jumpHeightYes()->click();
        form->autoAssignButton()->click();
        QCOMPARE(messages().texts.size(), 1);
        QVERIFY(messages().texts.first().startsWith(
            "3 entries numbered from 998 would need the number 1000"));
        QCOMPARE(armbands(), QStringList(3, "     "));
        QVERIFY(form->orderAction(TAddArmForm::AscendingJumpHts)->isChecked());
    }

    void findByArmbandFindsANumberAsAutoAssignStoresIt()
    {
        makeShow({{"Cole"}, {"Adams"}, {"Baker"}}, 5);
        openWindow();
        form->orderAction(TAddArmForm::InputOrder)->trigger();
        form->AutoAssign1Click(); // "  101", "  102", "  103" in record order
        entries().go(3);
        entries().edit();
        entries().setText("arm", "7777");
        entries().post();

        form->orderAction(TAddArmForm::ArmbandNumber)->trigger();
        messages().answerText(QStringLiteral("102 "));
        QTest::mouseClick(form->findButton(), Qt::LeftButton);
        QCOMPARE(messages().texts.last(), QStringLiteral("Enter Armband # to find: "));
        QCOMPARE(messages().captions.last(), QStringLiteral("Find Record"));
        QCOMPARE(current("last"), QStringLiteral("Adams"));
        QCOMPARE(form->grid()->currentIndex().row(),
                 int(form->grid()->model()->rowCount()) - 1 - 1); // the grid follows

        messages().answerText(QStringLiteral("77"));
        form->findButton()->click();
        QCOMPARE(messages().initials.last(), QStringLiteral("102").leftJustified(20, ' '));
        QCOMPARE(current("last"), QStringLiteral("Baker")); // typed numbers by their start

        messages().answerText(QStringLiteral("5"));
        form->findButton()->click();
        QCOMPARE(messages().texts.last(), QStringLiteral("Could not find Armband # 5"));
        QCOMPARE(current("last"), QStringLiteral("Baker")); // stays where it was

        form->orderAction(TAddArmForm::CatalogOrder)->trigger();
        messages().answerText(QStringLiteral("1"));
        form->findButton()->click();
        QCOMPARE(messages().texts.last(), QStringLiteral("Enter Record # to find: "));
        QCOMPARE(current("last"), QStringLiteral("Cole"));
        messages().answerText(QStringLiteral("4"));
        form->findButton()->click();
        QCOMPARE(messages().texts.last(), QStringLiteral("Could not find Record # 4"));
        form->orderAction(TAddArmForm::LastName)->trigger();
        messages().answerText(QStringLiteral("bak"));
        form->findButton()->click();
        QCOMPARE(current("last"), QStringLiteral("Baker"));
    }

    void theGridTakesTheArmbandFromTheKeyboardAndNotTheSortKey()
    {
        makeShow({{"Adams", "16"}, {"Baker", "20"}});
        openWindow();
        QTableView* grid = form->grid();
        grid->setFocus();
        grid->setCurrentIndex(cell(0, "Armband"));

        typeIntoGrid("55");
        pressEnter();
        QCOMPARE(grid->currentIndex(), cell(0, "breed"));
        QCOMPARE(armbands().first(), QStringLiteral("55   ")); // leaving the column saved it
        QCOMPARE(entries().state(), dbf::Table::State::Browse);

        pressEnter();
        QCOMPARE(grid->currentIndex(), cell(0, "srtkey"));
        QVERIFY(!(grid->model()->flags(grid->currentIndex()) & Qt::ItemIsEditable));
        typeIntoGrid("1");
        QCOMPARE(entries().state(), dbf::Table::State::Browse);
        QCOMPARE(current("srtkey"), QStringLiteral("010"));
        QVERIFY(!grid->model()->setData(grid->currentIndex(), "1"));
        QCOMPARE(grid->currentIndex(), cell(0, "srtkey")); // no jump to a row by its letter

        pressEnter();
        QCOMPARE(current("last"), QStringLiteral("Baker")); // Enter on the last column
        QCOMPARE(grid->currentIndex(), cell(1, "srtkey"));
        pressEnter();
        QCOMPARE(current("last"), QStringLiteral("Baker")); // no record after the last

        // The height typed, then the row left by a click on the other row.
        grid->setCurrentIndex(cell(1, "ob_ht"));
        typeIntoGrid("24");
        grid->setCurrentIndex(cell(0, "ob_ht"));
        QCOMPARE(QString::fromStdString(entries().record(2).raw("ob_jmpht")), QStringLiteral("24"));
        QCOMPARE(current("last"), QStringLiteral("Adams"));
        QCOMPARE(form->recordPanel()->text(), QStringLiteral("Rec #     1 /     2"));

        // Close saves the row being typed.
        grid->setCurrentIndex(cell(0, "Armband"));
        typeIntoGrid("9");
        form->closeButton()->click();
        QCOMPARE(armbands().first(), QStringLiteral("9    "));
    }

    void enterOutsideTheGridMovesToTheNextControl()
    {
        makeShow({{"Adams"}});
        openWindow();
        form->findButton()->setFocus();
        QTest::keyClick(form->findButton(), Qt::Key_Return);
        QVERIFY(form->autoAssignButton()->hasFocus());
        QVERIFY(messages().texts.isEmpty()); // Find did not run
        QTest::keyClick(form->autoAssignButton(), Qt::Key_Enter);
        QCOMPARE(armbands(), QStringList{"     "}); // nor Auto Assign
    }

    void hideDeletesHidesThemUntilShown()
    {
        makeShow({{"Adams", "", "", "010", true}, {"Baker"}});
        openWindow();
        QCOMPARE(form->grid()->model()->rowCount(), 2);
        QCOMPARE(current("last"), QStringLiteral("Adams"));
        form->hideDeletesAction()->trigger();
        QCOMPARE(form->hideDeletesAction()->text(), QStringLiteral("Show Deletes"));
        QCOMPARE(form->grid()->model()->rowCount(), 1);
        QCOMPARE(current("last"), QStringLiteral("Baker"));
        form->hideDeletesAction()->trigger();
        QCOMPARE(form->hideDeletesAction()->text(), QStringLiteral("Hide Deletes"));
        QCOMPARE(form->grid()->model()->rowCount(), 2);
    }

    void confirmSortKeysReadsEverythingAgainWhenItCloses()
    {
        makeShow({{"Adams"}, {"Baker"}}, 5);
        openWindow();
        entries().go(1);
        entries().edit();
        entries().setLogical("t1orna", true);
        entries().setText("srtkey", "999");
        entries().post();
        form->orderAction(TAddArmForm::ArmbandNumber)->trigger();
        QVERIFY(data().preferences().writeMany({PreferenceKeys::digits.with("4")}));

        whenShown<TConfirmSortKeysForm>([](TConfirmSortKeysForm& sortKeys) {
            sortKeys.startButton()->click();
            sortKeys.close();
        });
        form->confirmSortKeysAction()->trigger();
        QCOMPARE(QString::fromStdString(entries().record(1).raw("srtkey")), QStringLiteral("010"));
        QVERIFY(form->orderAction(TAddArmForm::LastName)->isChecked());
        QCOMPARE(current("last"), QStringLiteral("Adams"));
        QCOMPARE(form->classEntered()->text(), QStringLiteral("Class Entered = Novice A"));
        QCOMPARE(form->preferenceLine()->text(),
                 QStringLiteral("Current Armband Preferences = AFTER - 4 Digits"));
        QCOMPARE(count999(), 0);
    }

    void theEntryDeskShowsAllFromTheStartAfterwards()
    {
        makeShow({{"Cole"}, {"Adams", "", "", "010", true}});
        SessionSettings session;
        TMainForm main(data().preferences(), session, data().messages());
        connectMenuCommands(main, data(), session);
        main.showShowOpenState(1, data().currentShowDateText());
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.action(MenuAction::HideDeletes)->trigger();
        main.action(MenuAction::OrderInputOrder)->trigger();
        QCOMPARE(main.action(MenuAction::HideDeletes)->text(), QStringLiteral("Show Deletes"));

        bool opened = false;
        whenShown<TAddArmForm>([&](TAddArmForm& window) {
            opened = true;
            QVERIFY(!main.entryHooksAttached());
            window.orderAction(TAddArmForm::InputOrder)->trigger();
            window.goLast();
            window.closeButton()->click();
        });
        main.action(MenuAction::AssignArmbandNumbers)->trigger();
        QVERIFY(opened);
        QVERIFY(main.entryHooksAttached());
        QVERIFY(dbf::sameName(entries().order(), "name"));
        QCOMPARE(current("last"), QStringLiteral("Adams")); // deleted entries shown, the first
        QVERIFY(main.action(MenuAction::OrderLastName)->isChecked());
        QCOMPARE(main.action(MenuAction::HideDeletes)->text(), QStringLiteral("Hide Deletes"));
    }
};

QTEST_MAIN(AddArmFormTest)
#include "tst_addarmform.moc"
