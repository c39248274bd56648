#include "DataRootFixture.h"

#include "entry/EntryDeskWidget.h"
#include "entry/MainForm.h"
#include "entry/MainFormCommands.h"
#include "storage/SessionSettings.h"
#include "ui/ReportPreviewWindow.h"
#include "ui/TextListingWindow.h"

#include "dbf/Table.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QTest>
#include <QTimer>

#include <functional>

// The Reports menu's count reports, verify listing and show listings on the
// main window: each opens its window detached from the desk, and the desk
// keeps its order and record.
class ReportsMenuTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataRootFixture> fixture;
    std::unique_ptr<SessionSettings> session;
    std::unique_ptr<TMainForm> form;

    dbf::Table& entries() { return *fixture->data().TzDbf1(); }

    // Acts on the modal window the item opens, then closes it.
    void whileOpen(MenuAction item, std::function<void(QWidget*)> act)
    {
        bool acted = false;
        QTimer::singleShot(0, this, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            QVERIFY(modal);
            act(modal);
            acted = true;
            modal->close();
        });
        form->action(item)->trigger();
        QVERIFY(acted);
    }

private slots:
    void init()
    {
        fixture = std::make_unique<DataRootFixture>();
        Tdmod& data = fixture->data();
        fixture->addShowDates(1, QDate(2027, 4, 10), 1);
        data.CreateShowEntryTable(1, "04/10/2027");
        for (const auto& [arm, last] :
             {std::pair{"102", "Smith"}, std::pair{"101", "Baker"}, std::pair{"103", "Adams"}}) {
            entries().append();
            entries().setText("arm", arm);
            entries().setText("first", "Pat");
            entries().setText("last", last);
            entries().setLogical("worker", true);
            entries().post();
        }
        data.CloseShow();
        session = std::make_unique<SessionSettings>();
        form = std::make_unique<TMainForm>(data.preferences(), *session, fixture->messages);
        connectMenuCommands(*form, data, *session);
        form->show();
        QVERIFY(QTest::qWaitForWindowExposed(form.get()));
        fixture->messages.answerText(data.root().showEntryFile(1));
        form->action(MenuAction::OpenShow)->trigger();
        QVERIFY(form->entryDesk()->isVisible());
    }

    void cleanup()
    {
        form.reset();
        session.reset();
        fixture.reset();
    }

    void theVerifyListingIsInItsOrderAndTheDeskKeepsItsOwn()
    {
        form->action(MenuAction::OrderArmband)->trigger();
        form->entryDesk()->goLast();
        QCOMPARE(QString::fromStdString(entries().order()), QStringLiteral("ARMBAND"));
        const std::uint32_t current = entries().recno();
        auto* recordPanel = form->findChild<QLabel*>("recordPanel");
        const QString status = recordPanel->text();

        for (const auto& [item, first] : {std::pair{MenuAction::VerifyByLastName, "3"},
                                          std::pair{MenuAction::VerifyByInputOrder, "1"}}) {
            whileOpen(item, [&, first = first](QWidget* modal) {
                auto* preview = qobject_cast<ReportPreviewWindow*>(modal);
                QVERIFY(preview);
                QVERIFY2(!form->entryHooksAttached(), "the desk lets go while the report is open");
                const QStringList texts = preview->printout().pages().pages.first().texts();
                // The first block's record number follows the page heads.
                QCOMPARE(texts.at(texts.indexOf("Breed (Variety)") + 1), QString(first));
            });
            QVERIFY(form->entryHooksAttached());
            QCOMPARE(QString::fromStdString(entries().order()), QStringLiteral("ARMBAND"));
            QCOMPARE(entries().recno(), current);
            QCOMPARE(recordPanel->text(), status);
        }
    }

    void eachListingOpensInItsOwnWindow()
    {
        const struct {
            MenuAction item;
            const char* caption;
        } cases[] = {
            {MenuAction::SpecialNotesListing, "List Of Special Notes"},
            {MenuAction::PrePaidCatalogListing, "Pre-Paid Catalogs Listing"},
            {MenuAction::VolunteerWorkersListing, "Volunteer Workers Listing"},
            {MenuAction::EmailConfirmationsListing, "Email Confirmation Sent Listing"},
            {MenuAction::OwnersEmailListing, "Email Addresses in Current Show"},
            {MenuAction::EmailAddressesListing, "String of Emails"},
            {MenuAction::ClassCounts, "Class Counts"},
            {MenuAction::FeeCounts, "Counts for NUR Fees"},
        };
        for (const auto& c : cases) {
            whileOpen(c.item, [&](QWidget* modal) {
                QCOMPARE(modal->windowTitle(), QString(c.caption));
                QCOMPARE(bool(qobject_cast<TextListingWindow*>(modal)),
                         c.item != MenuAction::ClassCounts && c.item != MenuAction::FeeCounts);
            });
            QVERIFY(form->entryHooksAttached());
        }
        // The workers listing follows the desk's order.
        form->action(MenuAction::OrderArmband)->trigger();
        whileOpen(MenuAction::VolunteerWorkersListing, [](QWidget* modal) {
            const QString text = qobject_cast<TextListingWindow*>(modal)->document()->toPlainText();
            QVERIFY(text.indexOf("Baker") < text.indexOf("Smith"));
            QVERIFY(text.indexOf("Smith") < text.indexOf("Adams"));
        });
    }
};

QTEST_MAIN(ReportsMenuTest)
#include "tst_reportsmenu.moc"
