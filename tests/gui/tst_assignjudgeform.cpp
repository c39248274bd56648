#include "DataRootFixture.h"

#include "preparation/AssignJudgeForm.h"

#include "dbf/Table.h"

#include <QAction>
#include <QComboBox>
#include <QDateTime>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTabBar>
#include <QtTest>

#include <memory>

// The judge assignments of show 1: two trials on Saturday and Sunday, trial 1
// offering the regular obedience and rally classes, trial 2 the regular
// obedience ones; judges 00012 Ann Lee, 00020 Cy Brown and 00031 Dee Adams
// (marked deleted).
class AssignJudgeFormTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<DataRootFixture> fixture;
    std::unique_ptr<TAssignJudgeForm> form;

    Tdmod& data() { return fixture->data(); }
    ScriptedMessages& messages() { return fixture->messages; }

    void makeShow(bool withShowDates = true)
    {
        fixture = std::make_unique<DataRootFixture>();
        if (withShowDates) {
            fixture->addShowDates(1, QDate(2027, 4, 10), 2);
            dbf::Table& dates = *data().ShowDates();
            dates.edit();
            for (const char* flag : {"t1or", "t1rr", "t2or"})
                dates.setLogical(flag, true);
            dates.post();
        }
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
        data().Judges()->setDeleted(true);
        messages().texts.clear();
    }
    void openWindow()
    {
        form = std::make_unique<TAssignJudgeForm>(data());
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        QCoreApplication::processEvents();
    }

    QStringList lines(const QListWidget* list)
    {
        QStringList all;
        for (int row = 0; row < list->count(); ++row)
            all << list->item(row)->text();
        return all;
    }
    QStringList ticked()
    {
        QStringList all;
        for (int row = 0; row < form->checkList()->count(); ++row) {
            if (form->checkList()->item(row)->checkState() == Qt::Checked)
                all << form->checkList()->item(row)->text();
        }
        return all;
    }
    QString highlighted() { return form->judgeList()->currentItem()->text(); }
    // The picker's judge chosen from the keyboard, then Okay.
    void pick(const QString& name)
    {
        QComboBox* list = form->pickerList();
        QVERIFY(list->isVisible());
        QVERIFY(list->hasFocus());
        while (list->currentText() != name && list->currentIndex() < list->count() - 1)
            QTest::keyClick(list, Qt::Key_Down);
        QCOMPARE(list->currentText(), name);
        QTest::mouseClick(form->okayButton(), Qt::LeftButton);
    }
    // The check list's line ticked with the space bar.
    void tick(const QString& line)
    {
        QListWidget* list = form->checkList();
        const QList<QListWidgetItem*> found = list->findItems(line, Qt::MatchExactly);
        QCOMPARE(found.size(), 1);
        list->setFocus();
        list->setCurrentItem(found.first());
        QTest::keyClick(list, Qt::Key_Space);
    }
    int records() { return int(data().ShwJudges()->recordCount()); }

private slots:
    void cleanup()
    {
        form.reset();
        fixture.reset();
    }

    void opensOnTheFirstTrialWithNoJudges()
    {
        makeShow();
        openWindow();
        QCOMPARE(form->windowTitle(), QStringLiteral("Judge Assigments "));
        QCOMPARE(form->showNumber()->text(), QStringLiteral("1"));
        QVERIFY(form->showNumber()->isReadOnly());
        QCOMPARE(form->trialTabs()->count(), 2);
        QCOMPARE(form->trialTabs()->tabText(1), QStringLiteral("Trial 2"));
        QCOMPARE(form->trialDate()->text(), QStringLiteral("Saturday   04/10/2027"));
        QCOMPARE(lines(form->judgeList()), QStringList{"None Assigned"});
        QCOMPARE(lines(form->classList()), QStringList{"None Assigned"});
        QCOMPARE(form->classPanel()->title(),
                 QStringLiteral("Class Assignments for Highlighted Judge"));
        QVERIFY(!form->picker()->isVisible());
        for (QPushButton* b :
             {form->selectAllButton(), form->saveClassesButton(), form->cancelClassesButton()})
            QVERIFY(!b->isEnabled());

        form->trialTabs()->setCurrentIndex(1);
        QCOMPARE(form->currentTrial(), 2);
        QCOMPARE(form->trialDate()->text(), QStringLiteral("Sunday     04/11/2027"));
        QVERIFY(messages().texts.isEmpty());
    }

    void aJudgeIsAddedGivenClassesAndFoundByTheLookups()
    {
        makeShow();
        openWindow();
        QTest::mouseClick(form->addJudgeButton(), Qt::LeftButton);
        QCOMPARE(form->pickerList()->itemText(0), QStringLiteral("Brown, Cy"));
        QCOMPARE(form->pickerList()->count(), 2); // the deleted judge is not offered
        pick(QStringLiteral("Lee, Ann"));
        QVERIFY(!form->picker()->isVisible());
        QCOMPARE(lines(form->judgeList()), QStringList{"Lee, Ann"});
        QCOMPARE(highlighted(), QStringLiteral("Lee, Ann"));
        QCOMPARE(lines(form->classList()), QStringList{"None Assigned"});
        QCOMPARE(records(), 1);

        QTest::mouseClick(form->changeClassesButton(), Qt::LeftButton);
        QCOMPARE(form->classPanel()->title(),
                 QStringLiteral("Check-off Classes for Highlighted Judge"));
        QVERIFY(form->checkList()->isVisible());
        QVERIFY(form->saveClassesButton()->isEnabled());
        QVERIFY(ticked().isEmpty());
        const QStringList offered = lines(form->checkList());
        QVERIFY(offered.contains("Obedience     Novice A"));
        QVERIFY(offered.contains("Rally         Rally Novice A"));
        tick("Obedience     Novice A");
        tick("Rally         Rally Novice A");
        QTest::mouseClick(form->saveClassesButton(), Qt::LeftButton);

        QCOMPARE(lines(form->classList()),
                 QStringList({"Obedience     Novice A", "Rally         Rally Novice A"}));
        QVERIFY(form->classList()->isVisible());
        QVERIFY(!form->saveClassesButton()->isEnabled());
        QCOMPARE(records(), 2); // the judge record gave way to the classes
        QCOMPARE(data().JudgeNameForClass("ORNA", 1), QStringLiteral("Ann Lee"));
        QCOMPARE(data().JudgeNameForSortKey("010", 1), QStringLiteral("Ann Lee"));

        // The list opens with the judge's classes ticked.
        form->changeClassesAction()->trigger();
        QCOMPARE(ticked(), QStringList({"Obedience     Novice A", "Rally         Rally Novice A"}));
        QTest::mouseClick(form->cancelClassesButton(), Qt::LeftButton);
        QCOMPARE(lines(form->classList()).size(), 2);
    }

    void savingWithNothingTickedKeepsTheJudgeListed()
    {
        makeShow();
        openWindow();
        form->addJudgeAction()->trigger();
        pick(QStringLiteral("Brown, Cy"));
        form->ChangeClassesClick();
        QTest::mouseClick(form->selectAllButton(), Qt::LeftButton);
        QCOMPARE(ticked().size(), form->checkList()->count());
        form->SaveClassesClick();
        QCOMPARE(records(), form->checkList()->count());

        form->ChangeClassesClick();
        for (int row = 0; row < form->checkList()->count(); ++row)
            form->checkList()->item(row)->setCheckState(Qt::Unchecked);
        form->SaveClassesClick();
        QCOMPARE(lines(form->judgeList()), QStringList{"Brown, Cy"});
        QCOMPARE(lines(form->classList()), QStringList{"None Assigned"});
        QCOMPARE(records(), 1);

        // Save with nothing clicked writes nothing.
        form->ChangeClassesClick();
        const QDateTime before =
            QFileInfo(QString::fromStdString(data().ShwJudges()->path().string())).lastModified();
        form->SaveClassesClick();
        QCOMPARE(records(), 1);
        QCOMPARE(
            QFileInfo(QString::fromStdString(data().ShwJudges()->path().string())).lastModified(),
            before);
    }

    void replacingMovesTheClassesAndDeletingKeepsTheOtherTrial()
    {
        makeShow();
        openWindow();
        form->AddJudgeClick();
        pick(QStringLiteral("Lee, Ann"));
        form->ChangeClassesClick();
        tick("Obedience     Novice A");
        tick("Obedience     Novice B");
        form->SaveClassesClick();
        form->trialTabs()->setCurrentIndex(1);
        QCOMPARE(lines(form->judgeList()), QStringList{"None Assigned"});
        form->AddJudgeClick();
        pick(QStringLiteral("Lee, Ann"));
        form->ChangeClassesClick();
        tick("Obedience     Open A");
        form->SaveClassesClick();

        form->trialTabs()->setCurrentIndex(0);
        QCOMPARE(highlighted(), QStringLiteral("Lee, Ann"));
        QTest::mouseClick(form->replaceJudgeButton(), Qt::LeftButton);
        pick(QStringLiteral("Brown, Cy"));
        QCOMPARE(lines(form->judgeList()), QStringList{"Brown, Cy"});
        QCOMPARE(lines(form->classList()),
                 QStringList({"Obedience     Novice A", "Obedience     Novice B"}));
        QCOMPARE(data().JudgeNameForClass("ORNB", 1), QStringLiteral("Cy Brown"));
        QCOMPARE(data().JudgeNameForClass("OROA", 2), QStringLiteral("Ann Lee"));

        messages().answer(u'C');
        form->DeleteJudgeClick();
        QCOMPARE(lines(form->judgeList()), QStringList{"Brown, Cy"});
        const MessageRequest asked = messages().requests.last();
        QCOMPARE(asked.caption, QStringLiteral("Delete A Judge"));
        QCOMPARE(asked.text, QStringLiteral("This will Remove the Highlighted Judge;and all their "
                                            "assigned classes.;"));
        QCOMPARE(asked.buttons, QStringLiteral("Okay Cancel"));

        messages().answer(u'O');
        QTest::mouseClick(form->deleteJudgeButton(), Qt::LeftButton);
        QCOMPARE(lines(form->judgeList()), QStringList{"None Assigned"});
        QCOMPARE(lines(form->classList()), QStringList{"None Assigned"});
        form->trialTabs()->setCurrentIndex(1);
        QCOMPARE(lines(form->judgeList()), QStringList{"Lee, Ann"});
        QCOMPARE(lines(form->classList()), QStringList{"Obedience     Open A"});
    }

    void tasksOnNoJudgeAndAnEmptyPickerAreRefused()
    {
        makeShow();
        openWindow();
        const QString noJudge =
            QStringLiteral("No Judge is highlighted.;Add a Judge first, or click one in the list.");
        form->replaceJudgeButton()->click();
        QVERIFY(!form->picker()->isVisible());
        form->deleteJudgeButton()->click();
        form->changeClassesButton()->click();
        QCOMPARE(messages().texts, QStringList({noJudge, noJudge, noJudge}));
        QVERIFY(messages().requests.size() == 3); // no question was asked
        QVERIFY(!form->saveClassesButton()->isEnabled());
        QCOMPARE(records(), 0);

        form->AddJudgeClick();
        form->pickerList()->setCurrentIndex(-1);
        form->okayButton()->click();
        QCOMPARE(messages().texts.last(),
                 QStringLiteral("You have not selected a Judge Name - Try again"));
        QVERIFY(form->picker()->isVisible());
        QTest::mouseClick(form->pickerCancelButton(), Qt::LeftButton);
        QVERIFY(!form->picker()->isVisible());
        QCOMPARE(records(), 0);
    }

    void aShowWithoutItsDatesRecordSaysSo()
    {
        makeShow(false);
        openWindow();
        QCOMPARE(messages().texts, QStringList{"show date not found"});
        QCOMPARE(form->trialTabs()->count(), 0);
        form->AddJudgeClick();
        QVERIFY(!form->picker()->isVisible());
    }
};

QTEST_MAIN(AssignJudgeFormTest)
#include "tst_assignjudgeform.moc"
