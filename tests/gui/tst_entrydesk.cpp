#include "ScriptedMessages.h"

#include "entry/EntryDeskWidget.h"
#include "entry/EntryPanelWidget.h"
#include "entry/MainForm.h"
#include "entry/MainFormCommands.h"
#include "storage/DataModule.h"
#include "storage/DataRoot.h"
#include "storage/SessionSettings.h"

#include "dbf/Table.h"

#include <QAbstractButton>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>

// The entry desk as the secretary uses it: a show opened, an entry typed from
// the keyboard and saved, deleted and undeleted, the class boxes a show offers.
class TestEntryDesk : public QObject
{
    Q_OBJECT

private:
    // A show whose trials offer the given flags ("t1or", "t3or", "t1rr"),
    // with one owner, opened through File, Open as the secretary would.
    void openShow(const QStringList& offered)
    {
        root_ = std::make_unique<QTemporaryDir>();
        DataRoot(root_->path()).layOut();
        messages_ = std::make_unique<ScriptedMessages>();
        data_ = std::make_unique<Tdmod>(root_->path(), *messages_);
        dbf::Table& dates = *data_->ShowDates();
        dates.append();
        dates.setNumber("show_num", 1);
        dates.setNumber("num_trials", 3);
        dates.setDate("show_date",
                      dbf::Date{std::chrono::year(2027), std::chrono::April, std::chrono::day(10)});
        for (const QString& flag : offered)
            dates.setLogical(flag.toStdString(), true);
        dates.post();
        data_->CreateShowEntryTable(1, "04/10/2027");
        data_->CloseShow();
        dbf::Table& owners = *data_->Owners();
        owners.append();
        owners.setText("owner_id", "00007");
        owners.setText("first", "Mary");
        owners.setText("last", "Smith");
        owners.setText("city", "Lindenford");
        owners.post();

        session_ = std::make_unique<SessionSettings>();
        form_ = std::make_unique<TMainForm>(data_->preferences(), *session_, *messages_);
        connectMenuCommands(*form_, *data_, *session_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        messages_->answerText(root_->path() + "/shows/Show-00001-04-10-2027.dbf");
        form_->action(MenuAction::OpenShow)->trigger();
        QVERIFY(form_->entryDesk()->isVisible());
    }

    EntryPanelWidget& panel() { return *form_->entryDesk()->panel(); }
    QLineEdit* box(const char* field)
    {
        return qobject_cast<QLineEdit*>(panel().fieldBox(QString::fromLatin1(field)));
    }
    const ClassCodes::ClassCode& cls(QStringView key) { return *ClassCodes::findClass(key); }

private slots:
    void anEntryTypedFromTheKeyboardIsSaved()
    {
        openShow({"t1or", "t3or"});
        QVERIFY(messages_->texts.last().contains("This is a New (Empty) show."));
        QVERIFY(form_->button(EntryButton::Add)->hasFocus());
        QVERIFY(!form_->button(EntryButton::Save)->isEnabled());

        QTest::mouseClick(form_->button(EntryButton::Add), Qt::LeftButton);
        QVERIFY(form_->button(EntryButton::Save)->isEnabled());
        QVERIFY(!form_->button(EntryButton::Add)->isEnabled());
        QVERIFY(box("reg")->hasFocus());
        QVERIFY(panel().ownerPickList()->isVisible());

        QTest::keyClicks(box("reg"), "dn555");
        QTest::keyClick(box("reg"), Qt::Key_Return); // Enter as Tab, and the number is checked
        QVERIFY2(box("reg_ctry")->hasFocus(), "the registration check sends the focus on");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QVERIFY(box("dog")->hasFocus());
        QTest::keyClicks(box("dog"), "rex of the hill");
        QCOMPARE(box("dog")->text(), QStringLiteral("Rex Of The Hill")); // automatic capitals

        QComboBox* owners = panel().ownerPickList();
        owners->setFocus();
        QTest::keyClicks(owners->lineEdit(), "Smith");
        QTest::keyClick(owners->lineEdit(), Qt::Key_Return);
        QVERIFY(!owners->isVisible());
        QCOMPARE(panel().ownerBox("city")->text(), QStringLiteral("Lindenford"));
        QVERIFY(box("notes")->hasFocus());

        QTest::mouseClick(panel().classLabel(cls(u"ORNA")), Qt::LeftButton);
        QVERIFY(panel().classBox(cls(u"ORNA"), 1)->isChecked());
        QVERIFY2(!panel().classBox(cls(u"ORNA"), 2)->isChecked(), "trial 2 offers no obedience");
        QVERIFY(panel().classBox(cls(u"ORNA"), 3)->isChecked());

        QTest::mouseClick(form_->button(EntryButton::Save), Qt::LeftButton);
        QVERIFY(form_->button(EntryButton::Add)->hasFocus());
        const dbf::RecordView saved = data_->TzDbf1()->record(1);
        QCOMPARE(QString::fromStdString(saved.text("reg")), QStringLiteral("dn555"));
        QCOMPARE(QString::fromStdString(saved.text("dog")), QStringLiteral("Rex Of The Hill"));
        QCOMPARE(QString::fromStdString(saved.text("owner_id")), QStringLiteral("00007"));
        QCOMPARE(QString::fromStdString(saved.text("last")), QStringLiteral("Smith"));
        QVERIFY(saved.logical("t1orna") && saved.logical("t3orna") && !saved.logical("t2orna"));
        QCOMPARE(QString::fromStdString(saved.text("srtkey")), QStringLiteral("010"));
        QCOMPARE(data_->Dogs()->recordCount(), 1u);
        QCOMPARE(form_->findChild<QLabel*>("recordPanel")->text(),
                 QStringLiteral("Rec #     1 /     1"));
    }

    void deleteTogglesTheMarkAndTheColours()
    {
        openShow({"t1or"});
        form_->button(EntryButton::Add)->click();
        box("reg")->setText("DN1");
        box("dog")->setText("Moss");
        form_->button(EntryButton::Save)->click();

        messages_->answer(u'O');
        form_->button(EntryButton::Delete)->click();
        QVERIFY(data_->TzDbf1()->record(1).deleted());
        QCOMPARE(panel().deletedLabel()->text(), QStringLiteral("DELETED"));
        QVERIFY(box("dog")->styleSheet().contains("#ffb6c1"));
        form_->button(EntryButton::Delete)->click();
        QVERIFY(!data_->TzDbf1()->record(1).deleted());
        QCOMPARE(panel().deletedLabel()->text(), QStringLiteral("  "));
        QVERIFY(box("dog")->styleSheet().isEmpty());
    }

    void theShowsOfferedClassesEnableTheirBoxes()
    {
        openShow({"t1or", "t3or", "t1obr"});
        QVERIFY(panel().classBox(cls(u"OROB"), 1)->isEnabled());
        QVERIFY(!panel().classBox(cls(u"OROB"), 2)->isEnabled());
        QVERIFY(panel().classBox(cls(u"OROB"), 3)->isEnabled());
        QVERIFY(panel().classBox(cls(u"ONBR"), 1)->isEnabled());
        QVERIFY(!panel().classBox(cls(u"ONBR"), 3)->isEnabled());
        QVERIFY(!panel().classBox(cls(u"RRNA"), 1)->isEnabled());
        QCOMPARE(panel().classTabs()->currentIndex(), 0);
        QVERIFY(form_->menu(MenuId::ObedienceJumpHeights)->menuAction()->isEnabled());
        QVERIFY(!form_->menu(MenuId::RallyJumpHeights)->menuAction()->isEnabled());
    }

    void aRallyOnlyShowShowsTheRallyTab()
    {
        openShow({"t1rr", "t2rr"});
        for (const ClassCodes::ClassCode& c : ClassCodes::classesOf(ClassCodes::Section::Obedience))
            for (int trial = 1; trial <= 4; ++trial)
                QVERIFY(!panel().classBox(c, trial)->isEnabled());
        QVERIFY(panel().classBox(cls(u"RREA"), 2)->isEnabled());
        QCOMPARE(panel().classTabs()->currentIndex(), 1);
    }

    void cleanup()
    {
        form_.reset();
        data_.reset();
    }

private:
    std::unique_ptr<QTemporaryDir> root_;
    std::unique_ptr<ScriptedMessages> messages_;
    std::unique_ptr<Tdmod> data_;
    std::unique_ptr<SessionSettings> session_;
    std::unique_ptr<TMainForm> form_;
};

QTEST_MAIN(TestEntryDesk)
#include "tst_entrydesk.moc"
