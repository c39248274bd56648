#include "DataRootFixture.h"

#include "masters/OwnerEditForm.h"
#include "masters/OwnerFieldsWidget.h"
#include "storage/SessionSettings.h"

#include <QDate>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <functional>

namespace
{

dbf::Date today()
{
    const QDate d = QDate::currentDate();
    return dbf::Date{std::chrono::year(d.year()), std::chrono::month(d.month()),
                     std::chrono::day(d.day())};
}

} // namespace

class OwnerEditFormTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataRootFixture> fixture;
    SessionSettings session;
    std::unique_ptr<TOwnerEditForm> dialog;

    dbf::Table& owners() { return *fixture->data().Owners(); }
    QLineEdit* box(const char* field) { return dialog->fields()->box(field); }

    void addOwner(const char* id, const char* first, const char* last, const char* city)
    {
        owners().append();
        owners().setText("owner_id", id);
        owners().setText("first", first);
        owners().setText("last", last);
        owners().setText("city", city);
        owners().post();
    }

    // Runs the dialog with `whileOpen` acting on it once it is shown; a check
    // that fails inside leaves the dialog open, so it is cancelled then.
    OwnerHandOver run(bool adding, const QString& typedName, std::function<void()> whileOpen)
    {
        QTimer::singleShot(0, dialog.get(), [this, whileOpen] {
            dialog->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(dialog.get()));
            whileOpen();
            if (dialog->isVisible())
                dialog->cancelButton()->click();
        });
        return dialog->run(adding, typedName);
    }

private slots:
    void init()
    {
        fixture = std::make_unique<DataRootFixture>();
        addOwner("00003", "Al", "Adams", "Dover");
        addOwner("00017", "Mary", "Smith", "Springfield");
        dialog = std::make_unique<TOwnerEditForm>(fixture->data(), session);
    }

    void cleanup()
    {
        dialog.reset();
        fixture.reset();
    }

    void addingWithATypedNameSavesANewOwner()
    {
        bool focusOnAddress = false;
        const OwnerHandOver handed = run(true, "Smith, John", [&] {
            focusOnAddress = box("address")->hasFocus();
            QCOMPARE(box("owner_id")->text(), "00018");
            QCOMPARE(box("last")->text(), "Smith");
            QCOMPARE(box("first")->text(), "John");
            box("address")->setText("5 Main St");
            dialog->saveButton()->click();
        });
        QCOMPARE(dialog->result(), int(QDialog::Accepted));
        QVERIFY(focusOnAddress);
        QCOMPARE(handed.ownerId, "00018");
        QVERIFY(handed.saved);
        QVERIFY(!handed.adding);

        // Posted: in browse state, on the new owner, stamped with today's date.
        QCOMPARE(owners().state(), dbf::Table::State::Browse);
        QCOMPARE(owners().recordCount(), 3u);
        QCOMPARE(owners().text("owner_id"), "00018");
        QCOMPARE(owners().text("address"), "5 Main St");
        QVERIFY(owners().date("modified") == today());
    }

    void cancelWhileAddingHandsBackNothing()
    {
        dialog->handOver().ownerId = "00017";
        bool focusOnFirst = false;
        const OwnerHandOver handed = run(true, "Jones", [&] {
            focusOnFirst = box("first")->hasFocus();
            QCOMPARE(box("last")->text(), "Jones");
            dialog->cancelButton()->click();
        });
        QCOMPARE(dialog->result(), int(QDialog::Rejected));
        QVERIFY(focusOnFirst);
        QCOMPARE(handed.ownerId, "");
        QVERIFY(!handed.saved);
        QCOMPARE(owners().recordCount(), 2u);
        QCOMPARE(owners().state(), dbf::Table::State::Browse);
    }

    void editingTheCurrentOwner()
    {
        owners().go(2);
        OwnerHandOver handed = run(false, {}, [&] {
            QCOMPARE(box("first")->text(), "Mary");
            box("city")->setText("Salem");
            dialog->saveButton()->click();
        });
        QCOMPARE(handed.ownerId, "00017");
        QVERIFY(handed.saved);
        QCOMPARE(owners().text("city"), "Salem");
        QVERIFY(owners().date("modified") == today());

        // Cancel while editing leaves the handed-back ID and the record as they were.
        handed = run(false, {}, [&] {
            box("city")->setText("Reno");
            dialog->cancelButton()->click();
        });
        QCOMPARE(handed.ownerId, "00017");
        QVERIFY(!handed.saved);
        QCOMPARE(owners().text("city"), "Salem");
    }

    void stateAndCountryAreTidiedOnLeaving()
    {
        run(true, "Lee, Ann", [&] {
            for (const char* field : {"state", "country"}) {
                QLineEdit* edit = box(field);
                edit->setFocus();
                QTest::keyClicks(edit, "usa");
                QTest::keyClick(edit, Qt::Key_Return);
            }
            QCOMPARE(box("state")->text(), "usa");
            QCOMPARE(box("country")->text(), "USA");
            box("state")->clear();
            QTest::keyClicks(box("state"), "ny");
            QTest::keyClick(box("state"), Qt::Key_Return);
            QCOMPARE(box("state")->text(), "NY");
            // Typing stops at the edit limit; the zip code is always in capitals.
            QTest::keyClicks(box("country"), "xxxx");
            QCOMPARE(box("country")->text(), "USAxxx");
            QTest::keyClicks(box("zip"), "m5v 2t6");
            QCOMPARE(box("zip")->text(), "M5V 2T6");
            dialog->saveButton()->click();
        });
        QCOMPARE(owners().text("state"), "NY");
        QCOMPARE(owners().text("zip"), "M5V 2T6");
        // An untouched phone box stores nothing, not its dashes.
        QCOMPARE(owners().text("phone"), "");
    }

    // The dialog reads its keys each time it opens, missing keys counting as off.
    void keyboardPreferences()
    {
        bool stillOpen = false;
        run(true, "Lee", [&] {
            QTest::keyClick(box("first"), Qt::Key_PageDown);
            QTest::keyClick(box("first"), Qt::Key_Escape);
            QTest::keyClicks(box("first"), "ann");
            stillOpen = dialog->isVisible();
            QCOMPARE(box("first")->text(), "ann");
            dialog->cancelButton()->click();
        });
        QVERIFY(stillOpen);
        QVERIFY(!session.keyboard.pgdnAsSave);

        fixture->data().preferences().writeMany({PreferenceKeys::pgdnAsSave.with("1"),
                                                 PreferenceKeys::autoCaps.with("1"),
                                                 PreferenceKeys::enterAsTab.with("1")});
        const OwnerHandOver handed = run(true, "Lee", [&] {
            QTest::keyClicks(box("first"), "o'neil mary-jo");
            QCOMPARE(box("first")->text(), "O'neil Mary-Jo");
            QTest::keyClick(box("first"), Qt::Key_Return);
            QVERIFY(box("last")->hasFocus());
            QTest::keyClick(box("last"), Qt::Key_Up); // the Up arrow moves on too
            QVERIFY(box("address")->hasFocus());
            QTest::keyClick(box("address"), Qt::Key_Down);
            QVERIFY(box("last")->hasFocus());
            QTest::keyClick(box("last"), Qt::Key_PageDown);
        });
        QVERIFY(handed.saved);
        QVERIFY(session.keyboard.pgdnAsSave);
        QCOMPARE(owners().text("first"), "O'neil Mary-Jo");
    }

    void placementIsKeptUnderTheClassName()
    {
        dialog->setGeometry(40, 50, 420, 380);
        dialog.reset();
        const WindowGeometrySettings saved =
            fixture->data().preferences().windowGeometry("TOwnerEditForm");
        QCOMPARE(saved.width, 420);
        QCOMPARE(saved.height, 380);
    }
};

QTEST_MAIN(OwnerEditFormTest)
#include "tst_ownereditform.moc"
