#include "LockedByAnotherProcess.h"
#include "ScriptedMessages.h"

#include "entry/MainForm.h"
#include "entry/MainFormCommands.h"
#include "storage/DataModule.h"
#include "storage/DataRoot.h"
#include "storage/SessionSettings.h"
#include "storage/TableSchemas.h"

#include <QAction>
#include <QTemporaryDir>
#include <QtTest>

// A table held by another program must not end Ringvale: the command that
// needs it says which file is in use, and the next command still runs.
class TestLockedTables : public QObject
{
    Q_OBJECT

private slots:
    void databaseCommandsNameTheLockedFileAndTheProgramGoesOn_data()
    {
        QTest::addColumn<int>("action");
        QTest::addColumn<QString>("table");
        QTest::newRow("Owners") << int(MenuAction::Owners) << "Owners";
        QTest::newRow("Judges") << int(MenuAction::Judges) << "Judges";
        QTest::newRow("Breeds") << int(MenuAction::Breeds) << "Breeds";
        QTest::newRow("Show Dates") << int(MenuAction::ShowDates) << "ShowDates";
        QTest::newRow("Classes") << int(MenuAction::ClassesAndSortKeys) << "ShowClasses";
        QTest::newRow("Catalog Groupings") << int(MenuAction::CatalogGroupings) << "CatGroups";
    }

    void databaseCommandsNameTheLockedFileAndTheProgramGoesOn()
    {
        QFETCH(int, action);
        QFETCH(QString, table);
        QTemporaryDir root;
        DataRoot dataRoot(root.path());
        dataRoot.layOut();
        const QString file = dataRoot.tableFile(*TableSchemas::find(table));
        if (!QFileInfo::exists(file)) {
            // Tables that are made on first use: make it, then let it go.
            ScriptedMessages quiet;
            Tdmod first(root.path(), quiet);
            first.OpenJudges();
            first.OpenCatGroups();
        }
        LockedByAnotherProcess other({file});
        QVERIFY(other.holding());

        ScriptedMessages messages;
        Tdmod data(root.path(), messages);
        SessionSettings session;
        TMainForm form(data.preferences(), session, messages);
        connectMenuCommands(form, data, session);
        messages.texts.clear();

        form.action(MenuAction(action))->trigger();
        QVERIFY2(!messages.texts.isEmpty(), "the command said nothing");
        QVERIFY2(messages.texts.last().contains(QFileInfo(file).fileName()),
                 qPrintable(messages.texts.last()));

        // The program goes on: another command still runs.
        messages.texts.clear();
        form.action(MenuAction::About)->trigger();
        QCOMPARE(messages.texts, QStringList{"Ringvale 2.6"});
    }
};

QTEST_MAIN(TestLockedTables)
#include "tst_lockedtables.moc"
