#include "DataRootFixture.h"
#include "MnemonicClashes.h"

#include "entry/MainForm.h"
#include "entry/MainFormCommands.h"
#include "masters/OwnerFieldsWidget.h"
#include "masters/OwnerForm.h"
#include "storage/SessionSettings.h"
#include "ui/LabelSheetWindow.h"
#include "ui/TextListingWindow.h"

#include "dbf/Table.h"

#include <QAction>
#include <QApplication>
#include <QDate>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <functional>

namespace
{

// Acts on the modal window the next event loop shows, then closes it.
void whenModalOpens(std::function<void(QWidget*)> act)
{
    QTimer::singleShot(0, [act] {
        QWidget* modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        act(modal);
        if (modal->isVisible())
            modal->close();
    });
}

} // namespace

// The owner database window's main path: browse, add, find, delete, the
// reports, remove all.
class OwnerFormTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataRootFixture> fixture;
    std::unique_ptr<TOwnerForm> window;

    dbf::Table& owners() { return *fixture->data().Owners(); }
    QLineEdit* box(const char* field) { return window->fields()->box(field); }

    void addOwner(const char* id, const char* first, const char* last, const char* email)
    {
        owners().append();
        owners().setText("owner_id", id);
        owners().setText("first", first);
        owners().setText("last", last);
        owners().setText("city", "Salem");
        owners().setText("email", email);
        owners().post();
    }

    QAction* menuItem(QMenu* menu, const QString& text)
    {
        for (QAction* action : menu->actions())
            if (action->text() == text)
                return action;
        return nullptr;
    }

private slots:
    void init()
    {
        fixture = std::make_unique<DataRootFixture>();
        addOwner("00017", "Mary", "Smith", "mary@example.com");
        addOwner("00003", "Al", "Adams", "");
        addOwner("00009", "Bob", "Baker", "");
        window = std::make_unique<TOwnerForm>(fixture->data(), KeyboardSettings{});
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

    void cleanup()
    {
        window.reset();
        fixture.reset();
    }

    // The window opens on the table's current record, in last-name order.
    void opensInLastNameOrder()
    {
        QCOMPARE(window->windowTitle(), "Owner's Data Base");
        QCOMPARE(window->indexPanel()->text(), "Current Index = Last Name");
        QCOMPARE(window->recordPanel()->text(), "Rec #     3 /     3");
        QCOMPARE(box("last")->text(), "Baker");
        QVERIFY(box("owner_id")->isReadOnly());
        QCOMPARE(window->model().columns(),
                 (QStringList{"owner_id", "first", "last", "address", "city", "state", "zip",
                              "phone", "email", "modified"}));
        QStringList orders;
        for (QAction* action : window->indexMenu()->actions())
            orders << action->text();
        QCOMPARE(orders, (QStringList{"Last Name", "Zip Code", "Email Address", "Owner ID",
                                      "Input Order"}));
        QStringList menus;
        for (QAction* action : window->menuBar()->actions())
            menus << action->text();
        QCOMPARE(menus, (QStringList{"&Index", "&Reports", "&Tasks"}));
    }

    void addTakesTheNextOwnerIdAndPosts()
    {
        window->addButton()->click();
        QCOMPARE(box("owner_id")->text(), "00018");
        QVERIFY(window->saveButton()->isEnabled());
        QTest::keyClicks(box("first"), "Ann");
        QTest::keyClicks(box("last"), "Lee");
        QTest::keyClicks(box("state"), "or");
        QTest::keyClicks(box("country"), "usa");
        window->saveButton()->click();

        QVERIFY(window->addButton()->isEnabled());
        QCOMPARE(owners().recordCount(), 4u);
        QCOMPARE(owners().text("owner_id"), "00018");
        // Tidied on Save, though the boxes were never left.
        QCOMPARE(owners().text("state"), "OR");
        QCOMPARE(owners().text("country"), "USA");
        const QDate today = QDate::currentDate();
        QCOMPARE(box("modified")->text(), today.toString("MM/dd/yyyy"));
    }

    void findInTheOwnerIdOrderReadsANumber()
    {
        menuItem(window->indexMenu(), "Owner ID")->trigger();
        QCOMPARE(window->indexPanel()->text(), "Current Index = Owner ID");
        fixture->messages.answerText("17");
        window->findButton()->click();
        QCOMPARE(owners().text("owner_id"), "00017");
        QCOMPARE(box("first")->text(), "Mary");

        fixture->messages.answerText("5");
        window->findButton()->click();
        QCOMPARE(fixture->messages.texts.constLast(), "Could not find ID # 00005");
        QCOMPARE(owners().text("owner_id"), "00017");
    }

    void deleteTogglesTheMarkAndTheColours()
    {
        window->deleteButton()->click();
        QVERIFY(owners().deleted());
        QCOMPARE(window->deletionLabel()->text(), "DELETED");
        QCOMPARE(window->deleteButton()->text(), "Un&Delete");
        QCOMPARE(box("email")->palette().color(QPalette::Base), QColor(255, 182, 193));
        window->deleteButton()->click();
        QVERIFY(!owners().deleted());
        QCOMPARE(window->deleteButton()->text(), "&Delete");
    }

    void listingShowsTheOwnersInTheWindowsOrder()
    {
        QString text;
        QString caption;
        whenModalOpens([&](QWidget* modal) {
            caption = modal->windowTitle();
            if (auto* listing = qobject_cast<TextListingWindow*>(modal))
                text = listing->editor()->toPlainText();
        });
        window->listingAction()->trigger();
        QCOMPARE(caption, "Owners List of Addresses");
        QVERIFY(text.indexOf("Al Adams") < text.indexOf("Bob Baker"));
        QVERIFY(text.indexOf("Bob Baker") < text.indexOf("Mary Smith"));
    }

    void snailMailLabelsCountAndPrint()
    {
        const QString pdf = QString::fromStdString((fixture->dir / "labels.pdf").string());
        QStringList texts;
        whenModalOpens([&](QWidget* modal) {
            for (const QLabel* label : modal->findChildren<QLabel*>())
                texts << label->text();
            if (auto* sheet = qobject_cast<LabelSheetWindow*>(modal)) {
                fixture->messages.answerText(pdf);
                sheet->saveAsPdf();
            }
        });
        window->labelsAction(OwnerLabelMode::SnailMail)->trigger();
        QVERIFY(texts.contains("You have  2  records to print"));
        QVERIFY(texts.contains("You will need  1 sheet of labels"));
        QVERIFY(texts.contains("The last sheet will use 2 labels"));
        QVERIFY(QFileInfo(pdf).size() > 0);
        QCOMPARE(fixture->messages.texts.constLast(), "All Done!");
        QCOMPARE(window->indexPanel()->text(), "Current Index = Last Name");
    }

    void removeAllAnsweredYesThenNoKeepsTheDogs()
    {
        dbf::Table& dogs = *fixture->data().Dogs();
        dogs.append();
        dogs.setText("reg", "DN123");
        dogs.post();
        fixture->messages.answer('Y');
        fixture->messages.answer('N');
        window->removeAllAction()->trigger();
        QCOMPARE(owners().recordCount(), 0u);
        QCOMPARE(dogs.recordCount(), 1u);
        QCOMPARE(window->recordPanel()->text(), "Rec #     0 /     0");
        QCOMPARE(fixture->messages.texts.at(0),
                 "Are you sure you want to permanently remove all Owners?");
    }

    void altLettersAreOneEach() { QCOMPARE(mnemonicClashes(window.get()), QStringList()); }

    // While the owner database window is open the main window is minimised,
    // and it comes back afterwards; the owners window is no child of it, which
    // would be minimised with it.
    void theMainWindowStepsAsideWhileTheOwnersAreOpen()
    {
        window.reset();
        SessionSettings session;
        TMainForm form(fixture->data().preferences(), session, fixture->messages);
        connectMenuCommands(form, fixture->data(), session);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        bool minimisedMeanwhile = false;
        bool ownParent = true;
        whenModalOpens([&](QWidget* modal) {
            QVERIFY(qobject_cast<TOwnerForm*>(modal));
            minimisedMeanwhile = form.isMinimized();
            ownParent = modal->parentWidget() != nullptr;
        });
        form.action(MenuAction::Owners)->trigger();
        QVERIFY(minimisedMeanwhile);
        QVERIFY(!ownParent);
        QVERIFY(!form.isMinimized());
    }
};

QTEST_MAIN(OwnerFormTest)
#include "tst_ownerform.moc"
