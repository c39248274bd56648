#include "DataRootFixture.h"
#include "MnemonicClashes.h"

#include "entry/EntryDeskWidget.h"
#include "entry/EntryPanelWidget.h"
#include "entry/MainForm.h"
#include "entry/MainFormCommands.h"
#include "masters/DogForm.h"
#include "masters/OwnerEditForm.h"
#include "masters/OwnerFieldsWidget.h"
#include "storage/RecordValues.h"
#include "storage/SessionSettings.h"
#include "ui/BreedPickWidget.h"

#include "dbf/Table.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTableView>
#include <QTest>
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

QStringList captionsOf(const QList<QAction*>& actions)
{
    QStringList captions;
    for (const QAction* action : actions)
        captions << action->text();
    return captions;
}

QAction* item(QMenu* menu, const QString& caption)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

QMenu* menuNamed(const QMenuBar* bar, const QString& title)
{
    for (QAction* action : bar->actions()) {
        if (action->text() == title)
            return action->menu();
    }
    return nullptr;
}

QString today()
{
    return QDate::currentDate().toString(QStringLiteral("MM/dd/yyyy"));
}

} // namespace

// The dog master window: what it shows, Add and Save with today's date, the
// owner change, Find, the grid and the deleted dogs, Remove All; and how the
// main window opens it on the current entry's dog.
class DogFormTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataRootFixture> fixture;
    SessionSettings session;
    std::unique_ptr<TDogForm> window;

    dbf::Table& dogs() { return *fixture->data().Dogs(); }
    dbf::Table& owners() { return *fixture->data().Owners(); }
    QString stored(std::uint32_t recno, const char* field)
    {
        return RecordValues::text(dogs().record(recno), field);
    }

    void addOwner(const char* id, const char* first, const char* last)
    {
        owners().append();
        owners().setText("owner_id", id);
        owners().setText("first", first);
        owners().setText("last", last);
        owners().setText("city", "Salem");
        owners().setText("state", "OR");
        owners().setText("zip", "97301");
        owners().setText("phone", "503-555-0100");
        owners().setText("email", "owner@example.com");
        owners().post();
    }

    void addDog(const char* reg, const char* dog, const char* ownerId, const char* last)
    {
        dogs().append();
        dogs().setText("reg", reg);
        dogs().setText("dog", dog);
        dogs().setText("owner_id", ownerId);
        dogs().setText("last", last);
        dogs().post();
    }

    void openWindow()
    {
        window = std::make_unique<TDogForm>(fixture->data(), session);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }

private slots:
    // Owners Adams 00003 and Smith 00017; dogs DN1 (Adams's, last modified
    // 01/02/2020), DN2 (owner 00019, unknown) and DN3 (Smith's, deleted); the
    // window on DN1.
    void init()
    {
        fixture = std::make_unique<DataRootFixture>();
        session = SessionSettings{};
        addOwner("00003", "Al", "Adams");
        addOwner("00017", "Mary", "Smith");
        addDog("DN1", "Moss", "00003", "Adams");
        addDog("DN2", "Fern", "00019", "");
        addDog("DN3", "Ash", "00017", "Smith");
        dogs().setDeleted(true);
        dogs().go(1);
        dogs().setDate("modified", RecordValues::toDate(QDate(2020, 1, 2)));
        dogs().writeRecord();
        openWindow();
    }

    void cleanup()
    {
        window.reset();
        fixture.reset();
    }

    void showsTheDogWithItsCaptionsListsAndOwner()
    {
        QCOMPARE(window->windowTitle(), "Dog Master Database");
        QCOMPARE(window->recordPanel()->text(), "Rec #     1 /     3");
        QCOMPARE(window->indexPanel()->text(), "Current Index = Registration #");
        QCOMPARE(window->box("reg")->text(), "DN1");
        QCOMPARE(window->box("modified")->text(), "01/02/2020");
        QVERIFY(window->box("owner_id")->isReadOnly());
        QVERIFY(window->box("modified")->isReadOnly());
        QVERIFY(window->findButton()->hasFocus());

        QCOMPARE(window->ownerNameLine()->text(), "Al Adams");
        QCOMPARE(window->ownerAddressLine()->text(), "  Salem, OR  97301");
        QCOMPARE(window->ownerEmailLine()->text(), "Email: owner@example.com");
        QCOMPARE(window->ownerPhoneLine()->text(), "Phone: 503-555-0100");
        window->goNext();
        QCOMPARE(window->ownerNameLine()->text(), "Owner Unknown for ID= 00019");
        QCOMPARE(window->ownerEmailLine()->text(), "Email:");

        QStringList sexes;
        for (int i = 0; i < window->list("sex")->count(); ++i)
            sexes << window->list("sex")->itemText(i);
        QCOMPARE(sexes, (QStringList{"Bitch", "Dog"}));
        QVERIFY(!window->list("sex")->isEditable());
        QCOMPARE(window->list("ob_jmpht")->itemText(0), " 4\"");
        for (const char* disabled : {"ag_jmpht", "isc_jmpht", "ht_card"})
            QVERIFY2(!window->list(disabled)->isEnabled(), disabled);

        QCOMPARE(
            window->model().columns(),
            (QStringList{"reg", "dog", "breed", "sex", "first", "last", "owner2", "breeder", "sire",
                         "dam", "bdate", "callname", "ht_card", "owner_id", "modified"}));
        QCOMPARE(window->model().headerData(11, Qt::Horizontal).toString(), "callname");

        QCOMPARE(captionsOf(window->menuBar()->actions()),
                 (QStringList{"Fi&le", "&Index", "&View", "&Tasks"}));
        QCOMPARE(captionsOf(window->indexMenu()->actions()),
                 (QStringList{"Registration #", "Owner's Last name", "Dog's Registered Name",
                              "Call Name", "Input Order"}));
        QCOMPARE(captionsOf(menuNamed(window->menuBar(), "&View")->actions()),
                 (QStringList{"Hide &Grid", "Hide Deletes"}));
        QCOMPARE(captionsOf(window->tasksMenu()->actions()),
                 (QStringList{"Pack/Remove Deletes", "Remove ALL Records from Database"}));
        QCOMPARE(window->addButton()->toolTip(), "Add a new Entry");
        QCOMPARE(window->findButton()->toolTip(), "Find by the current index");
        QCOMPARE(window->gridButton()->text(), "Hide &Grid");
        QCOMPARE(mnemonicClashes(window.get()), QStringList());
    }

    void anAmpersandInTheOwnersNameShowsAsOne()
    {
        addOwner("00021", "Mary & Al", "Jones");
        dogs().go(2);
        dogs().setText("owner_id", "00021");
        dogs().writeRecord();
        window->refreshAll();
        QCOMPARE(window->ownerNameLine()->text(), "Mary && Al Jones");
        QLabel plain("Mary & Al Jones");
        plain.setFont(window->ownerNameLine()->font());
        QCOMPARE(window->ownerNameLine()->sizeHint().width(), plain.sizeHint().width());
    }

    void keyboardPreferencesMissingFromTheFileCountAsOn()
    {
        QVERIFY(window->keyboardSettings().enterAsTab);
        QVERIFY(window->keyboardSettings().pgdnAsSave);
        QVERIFY(window->keyboardSettings().autoCaps);
        window.reset();
        QVERIFY(fixture->data().preferences().writeMany({PreferenceKeys::autoCaps.with("0")}));
        openWindow();
        QVERIFY(!window->keyboardSettings().autoCaps);
        QVERIFY(window->keyboardSettings().enterAsTab);
    }

    void addDatesTheDogTodayAndSaveStoresTheHeightsTwoCharactersWide()
    {
        window->addButton()->click();
        QVERIFY(window->box("reg")->hasFocus());
        QCOMPARE(window->box("modified")->text(), today());
        QCOMPARE(window->ownerNameLine()->text(), "Owner Unknown for ID= ");
        QVERIFY(!window->changeOwnerButton()->isEnabled());
        QTest::keyClicks(window->box("reg"), "dn40");
        QCOMPARE(window->box("reg")->text(), "DN40");
        QTest::keyClicks(window->box("dog"), "ch river");
        QCOMPARE(window->box("dog")->text(), "Ch River");
        QTest::keyClicks(window->box("breeder"), "ann lee-ross");
        QCOMPARE(window->box("breeder")->text(), "Ann Lee-Ross");
        window->list("ob_jmpht")->setCurrentText("10\"");
        window->list("rallyjmpht")->setCurrentText(" 4\"");
        window->list("sex")->setCurrentText("Bitch");
        window->breedBox()->setBreed("Border Collie");
        window->saveButton()->click();

        QVERIFY(window->addButton()->isEnabled());
        QCOMPARE(dogs().recordCount(), 4u);
        QCOMPARE(stored(4, "reg"), "DN40");
        QCOMPARE(RecordValues::raw(dogs().record(4), "ob_jmpht"), "10");
        QCOMPARE(RecordValues::raw(dogs().record(4), "rallyjmpht"), " 4");
        QCOMPARE(stored(4, "sex"), "Bitch");
        QCOMPARE(stored(4, "breed"), "Border Collie");
        QCOMPARE(RecordValues::dateText(dogs().record(4).date("modified")), today());
        QCOMPARE(window->list("rallyjmpht")->currentText(), " 4\"");
    }

    void saveDatesAnEditedDogAndRefusesABirthdateThatIsNoDate()
    {
        window->editButton()->click();
        window->box("dog")->setText("Moss II");
        window->box("bdate")->setText("13/45/2020");
        window->saveButton()->click();
        QCOMPARE(fixture->messages.texts.constLast(),
                 "Birthdate: \"13/45/2020\" is not a date.;Type it as MM/DD/YYYY, or leave the "
                 "box empty.");
        QVERIFY(window->browser().editing());
        QCOMPARE(stored(1, "dog"), "Moss");

        window->box("bdate")->setText("04/10/2019");
        window->saveButton()->click();
        QVERIFY(!window->browser().editing());
        QCOMPARE(stored(1, "dog"), "Moss II");
        QCOMPARE(RecordValues::dateText(dogs().record(1).date("bdate")), "04/10/2019");
        QCOMPARE(RecordValues::dateText(dogs().record(1).date("modified")), today());
        QCOMPARE(window->box("modified")->text(), today());
    }

    void aHeightTheListDoesNotOfferIsKeptOnSave()
    {
        dogs().go(1);
        dogs().setText("ob_jmpht", "??");
        dogs().writeRecord();
        window->refreshAll();
        QCOMPARE(window->list("ob_jmpht")->currentIndex(), -1);
        window->editButton()->click();
        window->box("dog")->setText("Moss II");
        window->saveButton()->click();
        QCOMPARE(stored(1, "ob_jmpht"), "??");
    }

    void changeOwnerByTypedText()
    {
        QVERIFY(window->changeOwnerButton()->isEnabled());
        window->changeOwnerButton()->click();
        QVERIFY(window->changingOwner());
        QVERIFY(window->ownerNote()->isVisible());
        QCOMPARE(window->ownerNote()->text(),
                 "Select Owner by Highlighting Name then hit Enter. To Add a New Owner - either "
                 "enter part or all of the Last Name then hit Enter");
        QVERIFY(!window->ownerAddressLine()->isVisible());
        QVERIFY(!window->changeOwnerButton()->isVisible());
        QVERIFY(window->ownerPick()->isVisible());
        QCOMPARE(window->ownerPick()->currentText(), "Adams, Al");
        QCOMPARE(window->ownerPick()->count(), 2);

        QLineEdit* pick = window->ownerPick()->lineEdit();
        QVERIFY(pick->hasFocus());
        // Typed where the keyboard sends it: the list, which hands keys to its box.
        QWidget* typing = QApplication::focusWidget();
        QVERIFY(typing);
        QTest::keyClicks(typing, "smith");
        QCOMPARE(pick->text(), "Smith"); // capitalised at the start of the field
        QTest::keyClick(typing, Qt::Key_Return);

        QVERIFY(!window->changingOwner());
        QVERIFY(!window->ownerPick()->isVisible());
        QVERIFY(window->changeOwnerButton()->isVisible());
        QVERIFY(window->ownerAddressLine()->isVisible());
        QCOMPARE(window->ownerNameLine()->text(), "Mary Smith");
        QCOMPARE(stored(1, "owner_id"), "00017");
        QCOMPARE(stored(1, "last"), "Smith");
        QCOMPARE(window->box("owner_id")->text(), "00017");
        // Written straight, not posted: the date stays.
        QCOMPARE(window->box("modified")->text(), "01/02/2020");
        QVERIFY(!window->browser().editing());
    }

    void changeOwnerLeftAsItWasKeepsTheOwner()
    {
        window->changeOwnerButton()->click();
        window->editButton()->setFocus(); // the pick field is left untouched
        QVERIFY(!window->changingOwner());
        QCOMPARE(stored(1, "owner_id"), "00003");
        QCOMPARE(window->ownerNameLine()->text(), "Al Adams");

        // Escape leaves the owner as it was, whatever was typed.
        window->changeOwnerButton()->click();
        QTest::keyClicks(QApplication::focusWidget(), "Smith");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
        QVERIFY(!window->changingOwner());
        QCOMPARE(stored(1, "owner_id"), "00003");
    }

    void changeOwnerToANewOwnerThroughTheOwnerDialog()
    {
        window->changeOwnerButton()->click();
        QLineEdit* pick = window->ownerPick()->lineEdit();
        pick->clear();
        QTest::keyClicks(pick, "newman, pat");
        QCOMPARE(pick->text(), "Newman, Pat");
        QString typedLast;
        whenModalOpens([&](QWidget* modal) {
            auto* dialog = qobject_cast<TOwnerEditForm*>(modal);
            QVERIFY(dialog);
            typedLast = dialog->fields()->box("last")->text();
            dialog->fields()->box("city")->setText("Lindenford");
            dialog->saveButton()->click();
        });
        QTest::keyClick(pick, Qt::Key_Return);
        QCOMPARE(typedLast, "Newman");
        QCOMPARE(stored(1, "owner_id"), "00020");
        QCOMPARE(stored(1, "first"), "Pat");
        QCOMPARE(window->ownerNameLine()->text(), "Pat Newman");

        // A cancelled dialog leaves the dog as it was.
        window->changeOwnerButton()->click();
        pick->clear();
        QTest::keyClicks(pick, "Nobody");
        whenModalOpens([](QWidget* modal) {
            if (auto* dialog = qobject_cast<TOwnerEditForm*>(modal))
                dialog->cancelButton()->click();
        });
        QTest::keyClick(pick, Qt::Key_Return);
        QCOMPARE(stored(1, "owner_id"), "00020");
        QCOMPARE(owners().recordCount(), 3u);
    }

    void findInTheOrderChosen()
    {
        item(window->indexMenu(), "Owner's Last name")->trigger();
        QCOMPARE(window->indexPanel()->text(), "Current Index = Owner's Last Name");
        fixture->messages.answerText("smi");
        window->findButton()->click();
        QCOMPARE(window->box("reg")->text(), "DN3");
        QCOMPARE(window->deletionLabel()->text(), "DELETED");
        QCOMPARE(window->box("dog")->palette().color(QPalette::Base), QColor(255, 182, 193));
        QCOMPARE(window->deleteButton()->text(), "Un&Delete");

        fixture->messages.answerText("zz");
        window->findButton()->click();
        QCOMPARE(fixture->messages.texts.constLast(), "Could not find Owner's Last Name ZZ");
        QCOMPARE(window->box("reg")->text(), "DN3");

        item(window->indexMenu(), "Input Order")->trigger();
        QCOMPARE(window->indexPanel()->text(), "Current Index = Input Order");
        fixture->messages.answerText("2");
        window->findButton()->click();
        QCOMPARE(window->box("reg")->text(), "DN2");
    }

    void showAndHideTheGrid()
    {
        QVERIFY(window->grid()->isVisible());
        window->gridButton()->click();
        QVERIFY(!window->grid()->isVisible());
        QCOMPARE(window->gridButton()->text(), "Show &Grid");
        QCOMPARE(window->gridAction()->text(), "Show Grid");
        window->gridAction()->trigger();
        QVERIFY(window->grid()->isVisible());
        QCOMPARE(window->gridButton()->text(), "Hide &Grid");
        QCOMPARE(window->gridAction()->text(), "Hide &Grid");
    }

    void hiddenDeletesAndTheOrderAreRestoredOnClose()
    {
        item(window->indexMenu(), "Dog's Registered Name")->trigger();
        window->deletesAction()->trigger();
        QCOMPARE(window->deletesAction()->text(), "Show Deletes");
        QCOMPARE(window->model().rowCount(), 2);
        window->closeButton()->click();
        QVERIFY(!window->isVisible());
        QVERIFY(!dogs().hasFilter());
        QCOMPARE(QString::fromStdString(dogs().order()).toLower(), "regnum");
        QVERIFY(fixture->data().preferences().windowGeometry("TDogForm").hasSize());
    }

    void removeAllAsksFirst()
    {
        fixture->messages.answer(u'N');
        window->removeAllAction()->trigger();
        QCOMPARE(fixture->messages.requests.constLast().text,
                 "Are you sure you want to permanently remove all Dogs?");
        QCOMPARE(fixture->messages.requests.constLast().buttons, "No Yes");
        QCOMPARE(dogs().recordCount(), 3u);
        fixture->messages.answer(u'Y');
        window->removeAllAction()->trigger();
        QCOMPARE(dogs().recordCount(), 0u);
        QCOMPARE(window->recordPanel()->text(), "Rec #     0 /     0");
        QVERIFY(!window->changeOwnerButton()->isEnabled());
    }

    // Databases, Dog Master on an open show: the window opens on the dog of
    // the desk's entry, and the desk shows what the window changed.
    void theMainWindowOpensItOnTheEntrysDog()
    {
        window.reset();
        Tdmod& data = fixture->data();
        fixture->addShowDates(1, QDate(2027, 4, 10), 1);
        data.CreateShowEntryTable(1, "04/10/2027");
        dbf::Table& entries = *data.TzDbf1();
        for (const auto& [last, reg] : {std::pair{"Baker", "DN1"}, std::pair{"Adams", "dn2"}}) {
            entries.append();
            entries.setText("last", last);
            entries.setText("reg", reg);
            entries.setNumber("shownum", 1);
            entries.post();
        }
        data.CloseShow();
        TMainForm form(data.preferences(), session, fixture->messages);
        connectMenuCommands(form, data, session);
        form.show();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        fixture->messages.answerText(fixture->root() + "/shows/Show-00001-04-10-2027.dbf");
        form.action(MenuAction::OpenShow)->trigger();
        QVERIFY(form.entryDesk()->isVisible());
        EntryPanelWidget& panel = *form.entryDesk()->panel();
        QCOMPARE(qobject_cast<QLineEdit*>(panel.fieldBox("reg"))->text(), "dn2");

        QString openedOn;
        whenModalOpens([&](QWidget* modal) {
            auto* dogForm = qobject_cast<TDogForm*>(modal);
            QVERIFY(dogForm);
            openedOn = dogForm->box("reg")->text();
            dogForm->editButton()->click();
            dogForm->box("breeder")->setText("Kennel Moss");
            dogForm->saveButton()->click();
        });
        form.action(MenuAction::DogMaster)->trigger();
        QCOMPARE(openedOn, "DN2");
        QCOMPARE(panel.dogBox("breeder")->text(), "Kennel Moss");
        QCOMPARE(QString::fromStdString(dogs().order()).toLower(), "regnum");
    }
};

QTEST_MAIN(DogFormTest)
#include "tst_dogform.moc"
