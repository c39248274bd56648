#include "DataRootFixture.h"

#include "entry/MainForm.h"
#include "entry/MainFormCommands.h"
#include "preparation/JudgeAssignments.h"
#include "storage/SessionSettings.h"
#include "trialday/ChoiceBoxWidget.h"
#include "trialday/ObJudgeSchedForm1.h"
#include "trialday/ObedGateForm.h"
#include "trialday/RallyBookForm1.h"
#include "trialday/RallyClassPickerWidget.h"
#include "trialday/RallyGatePrtForm1.h"
#include "ui/ReportPreviewWindow.h"
#include "ui/TextListingWindow.h"

#include "dbf/Table.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QTabBar>
#include <QTextEdit>
#include <QTimer>
#include <QtTest>

#include <functional>

// The show-day windows as the secretary uses them: the options of the gate
// and schedule lists, the choice of rally classes, the preview, and the
// Reports menu rows that open them.
class TestTrialDayForms : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataRootFixture> fixture;

    Tdmod& data() { return fixture->data(); }

    // Acts on the modal window the next event loop shows, then closes it.
    static void whenModalOpens(std::function<void(QWidget*)> act)
    {
        QTimer::singleShot(0, [act] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            act(modal);
            if (modal->isVisible())
                modal->close();
        });
    }

    static QStringList checkedNames(const QListWidget* list)
    {
        QStringList names;
        for (int row = 0; row < list->count(); ++row) {
            if (list->item(row)->checkState() == Qt::Checked)
                names << list->item(row)->text();
        }
        return names;
    }

private slots:
    void init()
    {
        fixture = std::make_unique<DataRootFixture>();
        fixture->addShowDates(1, QDate(2027, 4, 10), 2);
        dbf::Table& dates = *data().ShowDates();
        dates.edit();
        for (const char* flag : {"t1or", "t1rr", "t2rr"})
            dates.setLogical(flag, true);
        dates.post();
        data().CreateShowEntryTable(1, "04/10/2027");
        dbf::Table& entries = *data().TzDbf1();
        for (const auto& [arm, flags] : {std::pair{"101", QStringList{"t1orna", "t1rrna"}},
                                         std::pair{"102", QStringList{"t1orna", "t2rreb"}}}) {
            entries.append();
            entries.setText("arm", arm);
            entries.setText("breed", "Beagle");
            entries.setText("ob_jmpht", "16");
            for (const QString& flag : flags)
                entries.setLogical(flag.toStdString(), true);
            entries.post();
        }
        data().OpenJudges();
        data().Judges()->append();
        data().Judges()->setText("judgenum", "00001");
        data().Judges()->setText("first", "Ann");
        data().Judges()->setText("last", "Lee");
        data().Judges()->post();
        JudgeAssignments(data()).setClasses(1, "00001", {"ORNA", "RRNA"});
        JudgeAssignments(data()).setClasses(2, "00001", {"RREB"});
        fixture->messages.texts.clear();
    }

    void cleanup() { fixture.reset(); }

    void theGateListsShowWhenGotAndFollowTheOptions()
    {
        TObedGateForm form(data(), ClassCodes::Section::Obedience);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Obedience Gate Steward Lists"));
        QCOMPARE(form.breedNames()->title(),
                 QStringLiteral("How do you want the Breed Names printed ?  "));
        QCOMPARE(form.breedNames()->chosen(), 0);
        QCOMPARE(form.trialInTitle()->chosen(), 0);
        QCOMPARE(form.jumpHeights()->button(1)->text(), QStringLiteral("No"));
        QCOMPARE(form.jumpHeights()->chosen(), 1);
        QCOMPARE(form.handlers()->chosen(), 1);
        QCOMPARE(form.closeButton()->text(), QStringLiteral("Done"));
        QVERIFY(!form.hint()->isVisible());
        QVERIFY(!form.listing());

        QTest::mouseClick(form.getReportButton(), Qt::LeftButton);
        QVERIFY(form.hint()->isVisible());
        QCOMPARE(form.hint()->text(), TrialDayListingForm::kHint);
        QVERIFY(form.listing() && form.listing()->isVisible());
        QString text = form.listing()->editor()->toPlainText();
        QVERIFY2(text.contains("Trial # 1   Saturday, April 10th, 2027\nJudge: Ann Lee\nNovice A"),
                 qPrintable(text));
        QVERIFY(text.contains("101\tBeagle"));

        // Each press builds the whole text again, with the options as they are.
        form.jumpHeights()->choose(0);
        form.trialInTitle()->choose(1);
        QTest::mouseClick(form.getReportButton(), Qt::LeftButton);
        QCOMPARE(form.findChildren<TextListingWindow*>().size(), 1);
        text = form.listing()->editor()->toPlainText();
        QVERIFY2(text.startsWith("  \nSaturday, April 10th, 2027\n"), qPrintable(text));
        QVERIFY2(text.contains("101\t\tBeagle"), "no heights in Novice");

        // The listing's Exit closes the window.
        QAction* exit = nullptr;
        for (QAction* action : form.listing()->findChildren<QAction*>())
            if (action->text() == "Exit")
                exit = action;
        QVERIFY(exit);
        exit->trigger();
        QVERIFY(!form.isVisible());
        QCOMPARE(form.result(), int(QDialog::Accepted));
    }

    void theScheduleListsWindowListsRanges()
    {
        TObJudgeSchedForm1 form(data(), ClassCodes::Section::Obedience);
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Obedience Judging Schedule Info"));
        QCOMPARE(form.closeButton()->text(), QStringLiteral("Cancel"));
        QCOMPARE(form.trialInTitle()->title(), QStringLiteral("Include the Trial # in Title ?"));
        form.Button2Click();
        const QString text = form.listing()->editor()->toPlainText();
        QVERIFY2(text.contains("Nos. 101-102"), qPrintable(text));
        QVERIFY(text.contains("\t2 Entries"));
        QCOMPARE(form.listing()->printout().pageHeader(),
                 QStringLiteral("Obedience Judging Schedule Info"));
    }

    void theRallyClassesAreChosenPerTrial()
    {
        TRallyGatePrtForm1 form(data());
        form.show();
        RallyClassPickerWidget& picker = *form.picker();
        QCOMPARE(picker.tabs()->count(), 2);
        QCOMPARE(picker.tabs()->tabText(0), QStringLiteral("Trial 1 - Sat  04/10/2027"));
        QCOMPARE(picker.tabs()->tabText(1), QStringLiteral("Trial 2 - Sun  04/11/2027"));
        QCOMPARE(picker.classList()->count(), 6);
        QCOMPARE(picker.countLabel()->text(), QStringLiteral("Selected records = 0"));
        QCOMPARE(form.option()->title(), QStringLiteral("Include Jump Heights ?"));
        QCOMPARE(form.option()->chosen(), 0);
        QCOMPARE(form.previewButton()->text(), QStringLiteral("Preview && Print"));

        QTest::mouseClick(picker.selectAllButton(), Qt::LeftButton);
        QCOMPARE(picker.selectAllButton()->text(), QStringLiteral("De-Select All"));
        QCOMPARE(picker.countLabel()->text(), QStringLiteral("Selected records = 6"));
        picker.classList()->item(0)->setCheckState(Qt::Unchecked);
        QCOMPARE(picker.countLabel()->text(), QStringLiteral("Selected records = 5"));
        QTest::mouseClick(picker.selectOppositeButton(), Qt::LeftButton);
        QCOMPARE(checkedNames(picker.classList()), QStringList{"Rally Novice A"});
        QCOMPARE(picker.checkedKeys(), QStringList{"RRNA"});
        QCOMPARE(picker.countLabel()->text(), QStringLiteral("Selected records = 1"));
        QTest::mouseClick(picker.selectAllButton(), Qt::LeftButton);
        QCOMPARE(picker.countLabel()->text(), QStringLiteral("Selected records = 0"));
        QCOMPARE(picker.selectAllButton()->text(), QStringLiteral("Select All"));

        // Another tab starts afresh, and its first press selects.
        QTest::mouseClick(picker.selectAllButton(), Qt::LeftButton);
        picker.tabs()->setCurrentIndex(1);
        QCOMPARE(picker.currentTrial(), 2);
        QCOMPARE(picker.selectAllButton()->text(), QStringLiteral("Select All"));
        QCOMPARE(picker.countLabel()->text(), QStringLiteral("Selected records = 0"));
        QVERIFY(checkedNames(picker.classList()).isEmpty());
        QTest::mouseClick(picker.selectAllButton(), Qt::LeftButton);
        QCOMPARE(picker.checkedCount(), 6);
    }

    void previewPrintsTheChosenClassesOrSaysNoneIs()
    {
        TRallyBookForm1 form(data());
        form.show();
        QCOMPARE(form.windowTitle(), QStringLiteral("Print Rally Judge's Book"));
        QCOMPARE(form.option()->title(), QStringLiteral("Include Results?  "));
        QCOMPARE(form.option()->button(form.option()->chosen())->text(), QStringLiteral("No"));

        QTest::mouseClick(form.previewButton(), Qt::LeftButton);
        QCOMPARE(fixture->messages.texts, QStringList{"No Classes have been selected"});

        form.picker()->classList()->item(0)->setCheckState(Qt::Checked);
        int pages = 0;
        QString firstPage;
        whenModalOpens([&](QWidget* modal) {
            auto* preview = qobject_cast<ReportPreviewWindow*>(modal);
            QVERIFY(preview);
            pages = preview->printout().pages().pages.size();
            firstPage = preview->printout().pages().pages.at(0).texts().join('|');
        });
        QTest::mouseClick(form.previewButton(), Qt::LeftButton);
        QCOMPARE(pages, 1);
        QVERIFY2(firstPage.contains("Class: Rally Novice A|"), qPrintable(firstPage));
        QVERIFY(firstPage.contains("Judge: Ann Lee"));
        QVERIFY(form.isVisible());
    }

    void aShowWithoutEntriesClosesTheRallyWindow()
    {
        data().TzDbf1()->zap();
        TRallyGatePrtForm1 form(data());
        form.show();
        form.picker()->SelectAllClick();
        form.PreviewClick();
        QCOMPARE(fixture->messages.texts, QStringList{"There are no Entries!\r\nAborting"});
        QVERIFY(!form.isVisible());
    }

    void theReportsMenuOpensEachWindow()
    {
        data().CloseShow();
        SessionSettings session;
        TMainForm main(data().preferences(), session, fixture->messages);
        connectMenuCommands(main, data(), session);
        main.show();
        fixture->messages.answerText(data().root().showEntryFile(1));
        main.action(MenuAction::OpenShow)->trigger();
        QVERIFY(data().showOpen());
        fixture->messages.texts.clear();

        const struct {
            MenuAction item;
            const char* window;
            const char* caption;
        } rows[] = {
            {MenuAction::GateSheetsObedience, "TObedGateForm", "Obedience Gate Steward Lists"},
            {MenuAction::GateSheetsRally, "TObedGateForm", "Rally Gate Steward Lists"},
            {MenuAction::GateSheetsRallyScoreBox, "TRallyGatePrtForm1",
             "Rally Gate Steward Sheets"},
            {MenuAction::ScheduleListObedience, "TObJudgeSchedForm1",
             "Obedience Judging Schedule Info"},
            {MenuAction::ScheduleListRally, "TObJudgeSchedForm1", "Rally Judging Schedule Info"},
            {MenuAction::RallyJudgesBook, "TRallyBookForm1", "Print Rally Judge's Book"},
        };
        for (const auto& row : rows) {
            QString opened;
            whenModalOpens([&](QWidget* modal) {
                opened = QString(modal->metaObject()->className()) + ": " + modal->windowTitle();
            });
            QVERIFY(main.action(row.item)->isEnabled());
            main.action(row.item)->trigger();
            QCOMPARE(opened, QString(row.window) + ": " + row.caption);
        }
        QCOMPARE(fixture->messages.texts, QStringList());
    }
};

QTEST_MAIN(TestTrialDayForms)
#include "tst_trialdayforms.moc"
