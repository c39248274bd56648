#include "DataRootFixture.h"

#include "ui/MasterTableWindow.h"

#include "dbf/Table.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTest>
#include <QToolButton>
#include <QVBoxLayout>

namespace
{

const QColor kPink(255, 182, 193);

// Refuses every save while told to.
class RefusingRules : public MasterSaveRules
{
public:
    Done prepareSave(dbf::Table&) override
    {
        return refuse ? Done::failure("Refused") : Done::success();
    }
    bool refuse = false;
};

// A small owners window on the base: one bound box, two orders, remove-all.
class OwnersOnTheBase : public MasterTableWindow
{
public:
    OwnersOnTheBase(dbf::Table& owners, Messages& messages, const KeyboardSettings& keys)
        : MasterTableWindow(owners, messages)
    {
        setKeyboardSettings(keys);
        auto* panel = new QVBoxLayout(dataPanel());
        last = new QLineEdit;
        first = new QLineEdit;
        panel->addWidget(last);
        panel->addWidget(first);
        bind(last, "last");
        bind(first, "first");
        setAutoCaps(last);
        setAutoCaps(first);
        setFirstField(last);
        addOrder({"Last Name", "name", "Last Name", "Last Name"});
        addOrder({"Owner ID", "ownerid", "Owner ID", "ID #", FindKey::FiveDigitId});
        offerRemoveAll("Are you sure you want to permanently remove all Owners?");
        auto rules = std::make_unique<RefusingRules>();
        refusing = rules.get();
        browser().setSaveRules(std::move(rules));
        startBrowsing(0);
    }

    RefusingRules* refusing;
    QLineEdit* last;
    QLineEdit* first;
};

bool browsing(const MasterTableWindow& w)
{
    return w.addButton()->isEnabled() && w.editButton()->isEnabled() &&
           w.deleteButton()->isEnabled() && w.findButton()->isEnabled() &&
           !w.saveButton()->isEnabled() && !w.cancelButton()->isEnabled();
}

bool editing(const MasterTableWindow& w)
{
    return !w.addButton()->isEnabled() && !w.editButton()->isEnabled() &&
           !w.deleteButton()->isEnabled() && !w.findButton()->isEnabled() &&
           w.saveButton()->isEnabled() && w.cancelButton()->isEnabled();
}

} // namespace

class MasterTableWindowTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<DataRootFixture> fixture;
    dbf::Table* owners = nullptr;

    std::unique_ptr<OwnersOnTheBase> open(const KeyboardSettings& keys = {false, false, false,
                                                                          false})
    {
        auto window = std::make_unique<OwnersOnTheBase>(*owners, fixture->messages, keys);
        window->show();
        if (!QTest::qWaitForWindowExposed(window.get()))
            QTest::qFail("the window was never shown", __FILE__, __LINE__);
        return window;
    }

private slots:
    void init()
    {
        fixture = std::make_unique<DataRootFixture>();
        owners = fixture->start().Owners();
        for (const auto& [id, last] : std::vector<std::pair<const char*, const char*>>{
                 {"00001", "Smith"}, {"00002", "Adams"}}) {
            owners->append();
            owners->setText("owner_id", id);
            owners->setText("last", last);
            owners->post();
        }
    }

    void cleanup() { fixture.reset(); }

    void browseAndEditEnabling()
    {
        auto w = open();
        QVERIFY(browsing(*w));
        QCOMPARE(w->last->text(), QString("Adams"));
        QCOMPARE(w->recordPanel()->text(), QString("Rec #     2 /     2"));
        QCOMPARE(w->indexPanel()->text(), QString("Current Index = Last Name"));

        QTest::mouseClick(w->editButton(), Qt::LeftButton);
        QVERIFY(editing(*w));
        QTest::mouseClick(w->cancelButton(), Qt::LeftButton);
        QVERIFY(browsing(*w));

        // Typing into a box starts the edit, as the data-aware boxes do.
        w->first->setFocus();
        QTest::keyClicks(w->first, "Ann");
        QVERIFY(editing(*w));
        w->refusing->refuse = true;
        QTest::mouseClick(w->saveButton(), Qt::LeftButton);
        QVERIFY2(editing(*w), "a refused save stays in the edit");
        w->refusing->refuse = false;
        QTest::mouseClick(w->saveButton(), Qt::LeftButton);
        QVERIFY(browsing(*w));
        owners->go(2);
        QCOMPARE(QString::fromStdString(owners->text("first")), QString("Ann"));

        QTest::mouseClick(w->addButton(), Qt::LeftButton);
        QVERIFY(editing(*w));
        QCOMPARE(w->recordPanel()->text(), QString("Rec #     0 /     2"));
        QCOMPARE(w->last->text(), QString());
        QTest::keyClicks(w->last, "baker");
        QCOMPARE(w->last->text(), QString("baker")); // AutoCaps is off
    }

    // Each column is as wide as its heading and its values, up to a limit
    // that keeps one long value from taking the whole grid.
    void gridColumnsShowTheirHeadingsAndValues()
    {
        const QString address = "268 North Meadowbrook Lane, Apt 12";
        const QString email(60, u'w');
        owners->go(1);
        owners->edit();
        owners->setText("address", address.toStdString());
        owners->setText("email", email.toStdString());
        owners->post();
        auto w = open();
        const QHeaderView* header = w->grid()->horizontalHeader();
        const QFontMetrics cells = w->grid()->fontMetrics();
        const auto width = [&](const char* field) {
            return header->sectionSize(w->model().columns().indexOf(field));
        };
        QVERIFY(width("address") >= cells.horizontalAdvance(address));
        QVERIFY(width("owner_id") >= header->fontMetrics().horizontalAdvance("OWNER_ID"));
        QVERIFY(width("email") < cells.horizontalAdvance(email));
        QVERIFY(width("email") >= cells.averageCharWidth() * 30);
    }

    void navigatingSavesThePendingEdit()
    {
        auto w = open();
        QTest::mouseClick(w->editButton(), Qt::LeftButton);
        w->first->setText("Jo");
        // The navigator's pictures are the tool bar's, not a scroll bar's arrows.
        for (int which = 0; which < 4; ++which) {
            QCOMPARE(w->navigatorButton(which)->arrowType(), Qt::NoArrow);
            QVERIFY(!w->navigatorButton(which)->icon().isNull());
        }
        QTest::mouseClick(w->navigatorButton(2), Qt::LeftButton); // next
        QVERIFY(browsing(*w));
        QCOMPARE(w->last->text(), QString("Smith"));
        owners->go(2);
        QCOMPARE(QString::fromStdString(owners->text("first")), QString("Jo"));
    }

    void deleteToggleShowsDeletedInPink()
    {
        auto w = open();
        QCOMPARE(w->deletionLabel()->text(), QString("  "));
        QTest::mouseClick(w->deleteButton(), Qt::LeftButton);
        QVERIFY(owners->deleted());
        QCOMPARE(w->deletionLabel()->text(), QString("DELETED"));
        QCOMPARE(w->deletionLabel()->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(w->deleteButton()->text(), QString("Un&Delete"));
        QCOMPARE(w->last->palette().color(QPalette::Base), kPink);
        QCOMPARE(w->first->palette().color(QPalette::Base), kPink);
        QVERIFY(w->grid()->model()->index(0, 0).data(TableModel::DeletedRole).toBool());

        QTest::mouseClick(w->navigatorButton(2), Qt::LeftButton);
        QCOMPARE(w->deletionLabel()->text(), QString("  "));
        QVERIFY(w->last->palette().color(QPalette::Base) != kPink);
        QTest::mouseClick(w->navigatorButton(0), Qt::LeftButton);
        QCOMPARE(w->deletionLabel()->text(), QString("DELETED"));

        QTest::mouseClick(w->deleteButton(), Qt::LeftButton);
        QVERIFY(!owners->deleted());
        QCOMPARE(w->deleteButton()->text(), QString("&Delete"));
        QVERIFY(w->last->palette().color(QPalette::Base) != kPink);
    }

    void findNotFoundStaysAndSays()
    {
        auto w = open();
        fixture->messages.answerText(QString("zz"));
        QTest::mouseClick(w->findButton(), Qt::LeftButton);
        QVERIFY(fixture->messages.texts.contains("Enter Last Name to find: "));
        QVERIFY(fixture->messages.texts.contains("Could not find Last Name ZZ"));
        QCOMPARE(w->last->text(), QString("Adams"));

        w->indexMenu()->actions().at(1)->trigger();
        QCOMPARE(w->indexPanel()->text(), QString("Current Index = Owner ID"));
        fixture->messages.answerText(QString("1"));
        QTest::mouseClick(w->findButton(), Qt::LeftButton);
        QCOMPARE(w->last->text(), QString("Smith"));
        // The grid follows the found record.
        QCOMPARE(w->grid()->currentIndex().row(), 0);
    }

    void packAndRemoveAllFromTheTasksMenu()
    {
        auto w = open();
        QTest::mouseClick(w->deleteButton(), Qt::LeftButton);
        fixture->messages.answer('C');
        w->packAction()->trigger();
        QCOMPARE(owners->recordCount(), 2u);
        fixture->messages.answer('P');
        w->packAction()->trigger();
        QCOMPARE(owners->recordCount(), 1u);
        QCOMPARE(w->recordPanel()->text(), QString("Rec #     1 /     1"));
        QCOMPARE(w->grid()->model()->rowCount(), 1);

        fixture->messages.answer('N');
        w->removeAllAction()->trigger();
        QCOMPARE(owners->recordCount(), 1u);
        fixture->messages.answer('Y');
        w->removeAllAction()->trigger();
        QCOMPARE(owners->recordCount(), 0u);
        QCOMPARE(w->grid()->model()->rowCount(), 0);
    }

    void keyboardPreferences()
    {
        auto w = open({true, true, true, true});
        w->last->setFocus();
        QTest::keyClick(w->last, Qt::Key_PageDown);
        QVERIFY2(browsing(*w), "Page Down does nothing while Save is disabled");
        QTest::keyClick(w->last, Qt::Key_Return);
        QVERIFY2(w->first->hasFocus(), "Enter moves to the next box");

        QTest::keyClicks(w->first, "mary ann");
        QCOMPARE(w->first->text(), QString("Mary Ann"));
        QTest::keyClick(w->first, Qt::Key_Escape);
        QVERIFY2(browsing(*w), "Escape presses Cancel");
        QVERIFY(w->isVisible());
        QCOMPARE(w->first->text(), QString());

        QTest::keyClicks(w->first, "x");
        QTest::keyClick(w->first, Qt::Key_PageUp);
        QVERIFY2(browsing(*w), "Page Up presses Save");
        owners->go(2);
        QCOMPARE(QString::fromStdString(owners->text("first")), QString("X"));
    }
};

QTEST_MAIN(MasterTableWindowTest)
#include "tst_mastertablewindow.moc"
