#include "ScriptedMessages.h"
#include "dbf/Error.h"
#include "entry/MainForm.h"
#include "storage/DefaultsForm.h"
#include "storage/Preferences.h"
#include "storage/SessionSettings.h"

#include <QAbstractButton>
#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QStackedWidget>
#include <QStatusTipEvent>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

namespace
{

QStringList captionsOf(const QList<QAction*>& actions)
{
    QStringList captions;
    for (const QAction* action : actions) {
        if (!action->isSeparator())
            captions << action->text();
    }
    return captions;
}

QString panelText(const QWidget* form, const char* name)
{
    auto* panel = form->findChild<QLabel*>(QString::fromLatin1(name));
    return panel ? panel->text() : QStringLiteral("<no panel %1>").arg(QLatin1String(name));
}

const QList<MenuAction> kWorkingCommands{MenuAction::Exit, MenuAction::Preferences,
                                         MenuAction::About};

} // namespace

class TestMainForm : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        root_ = std::make_unique<QTemporaryDir>();
        QVERIFY(root_->isValid());
        preferences_ = std::make_unique<Preferences>(root_->path());
        session_ = SessionSettings{};
        messages_ = ScriptedMessages{};
    }

    void startsTitledWithoutAShow()
    {
        TMainForm form(*preferences_, session_, messages_);
        QCOMPARE(form.windowTitle(), QStringLiteral("Ringvale 2.6"));
        auto* pages = form.findChild<QStackedWidget*>();
        QVERIFY(pages);
        QCOMPARE(pages->currentWidget()->objectName(), QStringLiteral("noShowPicture"));
        QCOMPARE(panelText(&form, "showPanel"), QStringLiteral("Show # "));
        QCOMPARE(panelText(&form, "recordPanel"), QStringLiteral("Rec # "));
        QCOMPARE(panelText(&form, "orderPanel"), QStringLiteral("Current Index ="));
    }

    void noShowStateDisablesWhatWorksOnEntries()
    {
        TMainForm form(*preferences_, session_, messages_);
        for (const EntryButtonEntry& entry : entryButtons()) {
            QAbstractButton* button = form.button(entry.id);
            QVERIFY(button);
            const bool expected = entry.id == EntryButton::Exit;
            QVERIFY2(button->isEnabled() == expected, qPrintable(entry.hint.toString()));
        }
        for (MenuId id : {MenuId::Index, MenuId::View, MenuId::Reports, MenuId::Tasks})
            QVERIFY2(!form.menu(id)->menuAction()->isEnabled(), qPrintable(form.menu(id)->title()));
        QVERIFY(!form.action(MenuAction::JudgeAssignments)->isEnabled());
        for (MenuId id : {MenuId::File, MenuId::Databases, MenuId::Tools, MenuId::Help})
            QVERIFY2(form.menu(id)->menuAction()->isEnabled(), qPrintable(form.menu(id)->title()));
    }

    void menusShowTheMapCaptionsInOrder()
    {
        TMainForm form(*preferences_, session_, messages_);
        QMap<MenuId, QStringList> expected;
        for (const MenuEntry& entry : menuMap())
            expected[entry.parent] << entry.caption.toString();

        QCOMPARE(captionsOf(form.menuBar()->actions()), expected.value(MenuId::Bar));
        for (auto it = expected.cbegin(); it != expected.cend(); ++it) {
            if (it.key() == MenuId::Bar)
                continue;
            QMenu* menu = form.menu(it.key());
            QVERIFY(menu);
            QCOMPARE(captionsOf(menu->actions()), it.value());
        }
        QCOMPARE(form.action(MenuAction::Exit)->text(), QStringLiteral("E&xit"));
        QCOMPARE(form.action(MenuAction::Preferences)->text(),
                 QStringLiteral("Preferences / Defaults"));
        QCOMPARE(form.action(MenuAction::Exit)->parent(), form.menu(MenuId::File));
        QCOMPARE(form.action(MenuAction::Preferences)->parent(), form.menu(MenuId::Tools));
    }

    void onlyTheBuiltCommandsAreEnabled()
    {
        TMainForm form(*preferences_, session_, messages_);
        for (const MenuEntry& entry : menuMap()) {
            if (entry.isSubmenu())
                continue;
            QAction* action = form.action(entry.action);
            QVERIFY(action);
            QVERIFY2(action->isEnabled() == kWorkingCommands.contains(entry.action),
                     qPrintable(action->text()));
        }
        QVERIFY(!form.menu(MenuId::ObedienceJumpHeights)->menuAction()->isEnabled());
        QVERIFY(!form.menu(MenuId::RallyJumpHeights)->menuAction()->isEnabled());
    }

    void aShowOpensTheShowMenusAndOnlyTheCommandsThatWork()
    {
        TMainForm form(*preferences_, session_, messages_);
        int sortKeyRuns = 0;
        form.setCommand(MenuAction::ConfirmSortKeys, [&] { ++sortKeyRuns; });
        QAction* confirm = form.action(MenuAction::ConfirmSortKeys);
        QVERIFY(!confirm->isEnabled());

        form.showShowOpenState(12, QStringLiteral("10-14-2006"));
        QCOMPARE(form.windowTitle(), QStringLiteral("Ringvale  --  Show Date of 10-14-2006"));
        QVERIFY(form.menu(MenuId::Tasks)->menuAction()->isEnabled());
        QVERIFY(confirm->isEnabled());
        QVERIFY(!form.action(MenuAction::AssignArmbandNumbers)->isEnabled());
        confirm->trigger();
        QCOMPARE(sortKeyRuns, 1);

        form.showNoShowState();
        QCOMPARE(form.windowTitle(), QStringLiteral("Ringvale 2.6"));
        QVERIFY(!confirm->isEnabled());
    }

    void ordersAreRadioItemsPerMenu()
    {
        TMainForm form(*preferences_, session_, messages_);
        QActionGroup* orders = form.action(MenuAction::OrderLastName)->actionGroup();
        QVERIFY(orders && orders->isExclusive());
        QCOMPARE(form.action(MenuAction::OrderInputOrder)->actionGroup(), orders);
        QCOMPARE(form.menu(MenuId::ObedienceJumpHeights)->menuAction()->actionGroup(), orders);
        QActionGroup* obedienceHeights =
            form.action(MenuAction::OrderObedienceJumpAscending)->actionGroup();
        QVERIFY(obedienceHeights && obedienceHeights != orders);
        QCOMPARE(obedienceHeights->actions().size(), 2);
        QVERIFY(form.action(MenuAction::OrderRallyJumpDescending)->isCheckable());
        QCOMPARE(form.action(MenuAction::OrderLastName)->statusTip(),
                 QStringLiteral("Sort by Owner's Last Name"));
    }

    void buttonHintsFeedTheHelpPanel()
    {
        TMainForm form(*preferences_, session_, messages_);
        QAbstractButton* newShow = form.button(EntryButton::NewShow);
        QCOMPARE(newShow->toolTip(), QStringLiteral("New"));
        QCOMPARE(newShow->statusTip(), QStringLiteral("Start a new show"));
        QCOMPARE(form.button(EntryButton::Add)->text(), QStringLiteral("&Add"));
        QCOMPARE(form.button(EntryButton::Delete)->text(), QStringLiteral("&Delete "));

        QStatusTipEvent tip(newShow->statusTip());
        QApplication::sendEvent(newShow, &tip);
        QCOMPARE(panelText(&form, "helpPanel"), QStringLiteral("Start a new show"));
    }

    void speedButtonsFollowTheirCommands()
    {
        TMainForm form(*preferences_, session_, messages_);
        QAbstractButton* open = form.button(EntryButton::OpenShow);
        QVERIFY(!open->isEnabled());
        form.action(MenuAction::OpenShow)->setEnabled(true);
        QVERIFY(open->isEnabled());
        QSignalSpy triggered(form.action(MenuAction::OpenShow), &QAction::triggered);
        open->click();
        QCOMPARE(triggered.count(), 1);
    }

    void exitClosesTheWindowAndKeepsItsSize_data()
    {
        QTest::addColumn<bool>("byButton");
        QTest::newRow("menu") << false;
        QTest::newRow("button") << true;
    }

    void exitClosesTheWindowAndKeepsItsSize()
    {
        QFETCH(bool, byButton);
        TMainForm form(*preferences_, session_, messages_);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        form.resize(820, 610);
        if (byButton)
            form.button(EntryButton::Exit)->click();
        else
            form.action(MenuAction::Exit)->trigger();
        QVERIFY(!form.isVisible());
        const WindowGeometrySettings saved = preferences_->windowGeometry("TMainForm");
        QCOMPARE(saved.width, 820);
        QCOMPARE(saved.height, 610);
        QVERIFY(saved.hasPosition());
        QVERIFY(messages_.texts.isEmpty());
    }

    void savedSizeIsRestored()
    {
        QVERIFY(preferences_->setWindowGeometry("TMainForm", {3, 4, 500, 700}));
        TMainForm form(*preferences_, session_, messages_);
        QCOMPARE(form.size(), QSize(700, 500));
    }

    void failedGeometrySaveIsReported()
    {
        Preferences unwritable(root_->filePath("no-such-folder"));
        TMainForm form(unwritable, session_, messages_);
        form.show();
        form.action(MenuAction::Exit)->trigger();
        QVERIFY(!form.isVisible());
        QCOMPARE(messages_.requests.size(), 1);
        QCOMPARE(messages_.requests.first().kind, MessageKind::Error);
        QVERIFY2(messages_.texts.first().contains("gendefs.ini"),
                 qPrintable(messages_.texts.first()));
    }

    void startReadsTheKeyboardAndArmbandPreferences()
    {
        QVERIFY(preferences_->writeMany({PreferenceKeys::enterAsTab.with("0"),
                                         PreferenceKeys::digits.with("5"),
                                         PreferenceKeys::armbands.with("Manual")}));
        session_.keyboard = {true, true, true, true};
        TMainForm form(*preferences_, session_, messages_);
        QVERIFY(!session_.keyboard.mainEnterAsTab);
        QVERIFY(!session_.keyboard.enterAsTab);
        QCOMPARE(session_.armbands.digits, 5);
        QCOMPARE(session_.armbands.creation, ArmbandCreation::Manual);
    }

    void preferencesOpensTheDefaultsWindowAndRereadsTheCopies()
    {
        TMainForm form(*preferences_, session_, messages_);
        QVERIFY(session_.keyboard.autoCaps);
        // Changed behind the window's back: the copies must follow the file
        // even when the preferences window is cancelled.
        QVERIFY(preferences_->writeMany(
            {PreferenceKeys::autoCaps.with("0"), PreferenceKeys::digits.with("4")}));

        QString shownTitle;
        QTimer::singleShot(0, [&shownTitle] {
            if (auto* dialog = qobject_cast<TDefaultsForm*>(QApplication::activeModalWidget())) {
                shownTitle = dialog->windowTitle();
                dialog->reject();
            }
        });
        form.action(MenuAction::Preferences)->trigger();

        QCOMPARE(shownTitle, QStringLiteral("NUR Trial - Default Settings"));
        QVERIFY(!session_.keyboard.autoCaps);
        QCOMPARE(session_.armbands.digits, 4);
    }

    void gatedCommandsTellWhyInsteadOfRunning()
    {
        TMainForm form(*preferences_, session_, messages_);
        MenuState rallyOnly;
        rallyOnly.showOpen = true;
        rallyOnly.showHasRally = true;
        rallyOnly.hasEntries = true;
        form.setMenuStateSource([&rallyOnly] { return rallyOnly; });
        int runs = 0;
        form.setCommand(MenuAction::GateSheetsObedience, [&] { ++runs; });
        form.setCommand(MenuAction::GateSheetsRally, [&] { ++runs; });
        form.showShowOpenState(3, QStringLiteral("03-05-2027"));

        QVERIFY(!form.menu(MenuId::ObedienceJumpHeights)->menuAction()->isEnabled());
        QVERIFY(form.menu(MenuId::RallyJumpHeights)->menuAction()->isEnabled());
        form.action(MenuAction::GateSheetsObedience)->trigger();
        QCOMPARE(runs, 0);
        QCOMPARE(messages_.texts, QStringList{MenuGate::kNoObedience});
        form.action(MenuAction::GateSheetsRally)->trigger();
        QCOMPARE(runs, 1);
    }

    void detachedCommandsLetGoOfTheEntryHooksEvenWhenTheyFail()
    {
        TMainForm form(*preferences_, session_, messages_);
        form.setMenuStateSource([] {
            MenuState open;
            open.showOpen = true;
            return open;
        });
        QSignalSpy detached(&form, &TMainForm::entryHooksDetached);
        QSignalSpy reattached(&form, &TMainForm::entryHooksReattached);
        bool attachedWhileRunning = true;
        form.setCommand(MenuAction::ConfirmSortKeys, [&] {
            attachedWhileRunning = form.entryHooksAttached();
            throw dbf::Error("shows/Show-00001.dbf: cannot write (No space left on device)");
        });
        form.setCommand(MenuAction::ShowDates,
                        [&] { attachedWhileRunning = form.entryHooksAttached(); });
        form.showShowOpenState(1, QStringLiteral("12-11-2026"));

        form.action(MenuAction::ConfirmSortKeys)->trigger();
        QVERIFY(!attachedWhileRunning);
        QVERIFY(form.entryHooksAttached());
        QCOMPARE(detached.count(), 1);
        QCOMPARE(reattached.count(), 1);
        QCOMPARE(messages_.texts,
                 QStringList{"shows/Show-00001.dbf: cannot write (No space left on device)"});

        form.action(MenuAction::ShowDates)->trigger();
        QVERIFY2(attachedWhileRunning, "an undetached command keeps the hooks");
        QCOMPARE(detached.count(), 1);
    }

    void aboutNamesTheVersion()
    {
        TMainForm form(*preferences_, session_, messages_);
        form.action(MenuAction::About)->trigger();
        QCOMPARE(messages_.texts, QStringList{"Ringvale 2.6"});
    }

private:
    std::unique_ptr<QTemporaryDir> root_;
    std::unique_ptr<Preferences> preferences_;
    SessionSettings session_;
    ScriptedMessages messages_;
};

QTEST_MAIN(TestMainForm)
#include "tst_mainform.moc"
