#include "MnemonicClashes.h"
#include "masters/JlistForm.h"
#include "masters/JudgLabelsForm.h"
#include "masters/JudgeForm.h"
#include "masters/JudgesList.h"

#include "ScriptedMessages.h"
#include "TempDir.h"

#include "dbf/Table.h"
#include "storage/DataModule.h"
#include "storage/DataRoot.h"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>

#include <memory>

// The judges window over a data root holding judges 00001 Ann Lee, 00007
// Cy Brown and 00009 Bob Cole (marked deleted), and show 1 assigning judge
// 00001 to a class.
class JudgeFormTest : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<TempDir> dir;
    std::unique_ptr<ScriptedMessages> messages;
    std::unique_ptr<Tdmod> data;

    dbf::Table& judges() { return *data->Judges(); }

    void addJudge(const char* number, const char* first, const char* last, bool deleted = false)
    {
        dbf::Table& t = judges();
        t.append();
        t.setText("judgenum", number);
        t.setText("first", first);
        t.setText("last", last);
        t.setText("state", "NY");
        t.setText("address", "1 Elm St");
        t.setText("city", "Troy");
        t.post();
        if (deleted)
            t.setDeleted(true);
    }

    QStringList numbers()
    {
        QStringList result;
        for (std::uint32_t r = 1; r <= judges().recordCount(); ++r) {
            judges().go(r);
            result << QString::fromStdString(judges().text("judgenum"));
        }
        return result;
    }

    QString assignedNumber()
    {
        data->OpenShowJudges(1);
        data->ShwJudges()->go(1);
        return QString::fromStdString(data->ShwJudges()->text("judgenum"));
    }

private slots:
    void init()
    {
        dir = std::make_unique<TempDir>();
        messages = std::make_unique<ScriptedMessages>();
        const QString root = QString::fromStdString(dir->path().string());
        DataRoot(root).layOut();
        data = std::make_unique<Tdmod>(root, *messages);
        data->OpenJudges();
        addJudge("00001", "Ann", "Lee");
        addJudge("00007", "Cy", "Brown");
        addJudge("00009", "Bob", "Cole", true);
        data->OpenShowJudges(1);
        dbf::Table& assignments = *data->ShwJudges();
        assignments.append();
        assignments.setText("trialnum", "1");
        assignments.setText("judgenum", "00001");
        assignments.setText("db_key", "ORNA");
        assignments.post();
    }

    void cleanup()
    {
        data.reset();
        messages.reset();
        dir.reset();
    }

    void opensBrowsingByLastName()
    {
        Tjudgeform window(*data, KeyboardSettings{});
        window.show();
        QCOMPARE(window.windowTitle(), QString("Judges Data Base"));
        QCOMPARE(window.indexPanel()->text(), QString("Current Index is Last Name"));
        QCOMPARE(window.box("last")->text(), QString("Brown"));
        QVERIFY(window.findButton()->isEnabled());
        QVERIFY(!window.saveButton()->isEnabled());
        QVERIFY(!window.cancelButton()->isEnabled());
        QVERIFY(!window.box("judgenum")->isEnabled());
        QCOMPARE(window.findButton()->text(), QString("&Find "));

        window.goNext(); // Cole, marked deleted
        QCOMPARE(window.deletionLabel()->text(), QString("DELETED"));
        QCOMPARE(window.deleteButton()->text(), QString("Un&Delete"));
    }

    void addGivesTheNextNumberDeletedJudgesCounting()
    {
        Tjudgeform window(*data, KeyboardSettings{});
        window.show();
        window.add();
        QCOMPARE(window.box("judgenum")->text(), QString("00010"));
        QCOMPARE(window.focusWidget(), window.box("first"));
        QTest::keyClicks(window.box("first"), "Dee");
        QTest::keyClicks(window.box("last"), "Ames");
        QTest::keyClicks(window.box("state"), "ny");
        QCOMPARE(window.box("state")->text(), QString("NY"));
        QVERIFY(window.save());
        QCOMPARE(numbers(), QStringList({"00001", "00007", "00009", "00010"}));
        judges().go(4);
        QCOMPARE(QString::fromStdString(judges().text("phone")), QString());
        QCOMPARE(QString::fromStdString(judges().text("state")), QString("NY"));
    }

    void modifyJudgeNumberRefusesThenCarriesTheAssignments()
    {
        Tjudgeform window(*data, KeyboardSettings{});
        window.show();
        window.goLast(); // Lee, 00001
        QCOMPARE(window.box("judgenum")->text(), QString("00001"));
        window.modifyJudgeNumber();
        QVERIFY(window.modifyingNumber());
        QVERIFY(window.box("judgenum")->isEnabled());
        QVERIFY(window.saveButton()->isEnabled());

        const qsizetype before = messages->texts.size();
        for (const char* refused : {"7", "12abc", "0"}) {
            window.box("judgenum")->setText(refused);
            QVERIFY(!window.save());
            QVERIFY2(window.browser().editing(), refused);
        }
        QCOMPARE(messages->texts.size(), before + 3);
        QVERIFY(messages->texts.at(before).startsWith(
            "Judge number 00007 is already used by Cy Brown"));
        QVERIFY(messages->texts.at(before + 1).startsWith("\"12abc\" is not a judge number."));

        window.box("judgenum")->setText("12");
        QVERIFY(window.save());
        QVERIFY(!window.modifyingNumber());
        QVERIFY(!window.box("judgenum")->isEnabled());
        QCOMPARE(window.box("judgenum")->text(), QString("00012"));
        QCOMPARE(numbers(), QStringList({"00012", "00007", "00009"}));
        QCOMPARE(assignedNumber(), QString("00012"));
    }

    void cancelledNumberChangeLeavesEverything()
    {
        Tjudgeform window(*data, KeyboardSettings{});
        window.show();
        window.goLast();
        window.modifyJudgeNumber();
        window.box("judgenum")->setText("12");
        window.cancel();
        QVERIFY(!window.modifyingNumber());
        QVERIFY(!window.box("judgenum")->isEnabled());
        QCOMPARE(numbers(), QStringList({"00001", "00007", "00009"}));
        QCOMPARE(assignedNumber(), QString("00001"));
    }

    void closingWhileAddingAsksSaveOrCancel()
    {
        {
            Tjudgeform window(*data, KeyboardSettings{});
            window.show();
            window.add();
            QTest::keyClicks(window.box("first"), "Dee");
            messages->answer('C');
            window.close();
        }
        QCOMPARE(messages->texts.last(),
                 QString("You were in the process of adding a judge - Save or Cancel the data?"));
        QCOMPARE(messages->requests.last().buttons, QString("Save Cancel"));
        QCOMPARE(judges().recordCount(), 3u);
        {
            Tjudgeform window(*data, KeyboardSettings{});
            window.show();
            window.add();
            QTest::keyClicks(window.box("first"), "Dee");
            messages->answer('S');
            window.close();
        }
        QCOMPARE(judges().recordCount(), 4u);
    }

    void listWindowSavesItsTextAsItStands()
    {
        judges().setOrder("NAME");
        TJlistForm list(JudgesList::lines(judges()), *messages);
        QCOMPARE(list.windowTitle(), QString("List of Judges"));
        QCOMPARE(list.closeButton()->text(), QString("Done"));
        QCOMPARE(list.lines().size(), 3); // a blank line, Brown, Lee; Cole is deleted
        QVERIFY(list.lines().at(1).startsWith("Cy Brown  \t"));
        list.editor()->appendPlainText("typed by hand");
        const QString path = QString::fromStdString((dir->path() / "judges.txt").string());
        messages->answerText(path);
        QVERIFY(list.saveAs());
        QFile file(path);
        QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
        QVERIFY(file.readAll().endsWith("typed by hand\n"));
    }

    void labelsWindowTicksCountsAndSkipsTheDeleted()
    {
        judges().setOrder("NAME");
        TJudgLabels labels(judges(), *messages);
        labels.show();
        QCOMPARE(labels.windowTitle(), QString("Judge Labels"));
        QCOMPARE(labels.checkList()->count(), 3);
        QCOMPARE(labels.selectedLabel()->text(), QString("Selected records = 0"));
        QVERIFY(labels.startButton(1)->isChecked());

        labels.selectAllButton()->click();
        QCOMPARE(labels.selectedLabel()->text(), QString("Selected records = 3"));
        QCOMPARE(labels.selectAllButton()->text(), QString("De-Select All"));
        labels.selectAllButton()->click();
        QCOMPARE(labels.selectedLabel()->text(), QString("Selected records = 0"));
        QCOMPARE(labels.selectAllButton()->text(), QString("Select All"));
        labels.checkList()->item(0)->setCheckState(Qt::Checked);
        QCOMPARE(labels.selectedLabel()->text(), QString("Selected records = 1"));
        labels.selectOppositeButton()->click();
        QCOMPARE(labels.selectedLabel()->text(), QString("Selected records = 2"));

        // Ticks stay with their judges under the other order.
        labels.selectOrder("STATE");
        QVERIFY(labels.orderAction("STATE")->isChecked());
        QCOMPARE(labels.ticked(), (std::set<std::uint32_t>{1, 3}));

        labels.startButton(5)->click();
        QCOMPARE(labels.startPosition(), (LabelPosition{2, 2}));
        const QString pdf = QString::fromStdString((dir->path() / "labels.pdf").string());
        messages->answerText(pdf);
        QVERIFY(labels.saveAsPdf());
        QCOMPARE(messages->texts.last(), QString("All done"));
        QVERIFY(QFile(pdf).size() > 0);
    }

    // Alt+F is the Find button's from anywhere in the window: the File menu
    // takes the L, so no letter is claimed twice.
    void altFFindsFromTheDataPanel()
    {
        Tjudgeform window(*data, KeyboardSettings{});
        window.show();
        QVERIFY(QTest::qWaitForWindowActive(&window));
        QCOMPARE(mnemonicClashes(&window), QStringList());
        window.box("first")->setFocus();
        messages->texts.clear();
        QTest::keyClick(window.box("first"), Qt::Key_F, Qt::AltModifier);
        // A button reached by its letter clicks a moment later, as if pressed.
        QTRY_COMPARE(messages->texts, QStringList{"Enter Last Name to find: "});
    }
};

QTEST_MAIN(JudgeFormTest)
#include "tst_judgeform.moc"
