#include "ScriptedMessages.h"

#include "entry/DualListDialog.h"
#include "entry/EntryDeskWidget.h"
#include "entry/EntryPanelWidget.h"
#include "entry/MainForm.h"
#include "entry/MainFormCommands.h"
#include "entry/ShwGridForm1.h"
#include "storage/DataModule.h"
#include "storage/DataRoot.h"
#include "storage/SessionSettings.h"
#include "ui/TableModel.h"

#include "dbf/Table.h"

#include <QAction>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

namespace
{

struct Entry {
    const char* last;
    const char* reg;
    const char* arm;
    const char* dog;
    bool deleted;
};

// Record numbers 1 to 5. In Last Name order: Adams (3), Baker (5), Jones (2),
// Smith (1), Smithers (4).
const Entry kEntries[] = {
    {"Smith", "DN10", "103", "Moss", false},  {"Jones", "DN20", "101", "Fern", false},
    {"Adams", "DN30", "115", "Ash", true},    {"Smithers", "DN40", "102", "Birch", false},
    {"Baker", "DN50", "110", "Cedar", false},
};

QAction* item(QMenu* menu, const QString& caption)
{
    for (QAction* action : menu->actions()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}

} // namespace

// The grid view of the open show: what it shows, how it moves and finds, the
// Index and View menus, and how it hands the show back to the entry desk.
class ShwGridFormTest : public QObject
{
    Q_OBJECT

private:
    // Show 1 with the five entries, open, in Last Name order on its first entry.
    void makeShow(const QStringList& offered = {"t1or", "t1rr"})
    {
        form_.reset();
        grid_.reset();
        data_.reset();
        root_ = std::make_unique<QTemporaryDir>();
        DataRoot(root_->path()).layOut();
        messages_ = std::make_unique<ScriptedMessages>();
        data_ = std::make_unique<Tdmod>(root_->path(), *messages_);
        dbf::Table& dates = *data_->ShowDates();
        dates.append();
        dates.setNumber("show_num", 1);
        dates.setNumber("num_trials", 1);
        dates.setDate("show_date",
                      dbf::Date{std::chrono::year(2027), std::chrono::April, std::chrono::day(10)});
        for (const QString& flag : offered)
            dates.setLogical(flag.toStdString(), true);
        dates.post();
        data_->CreateShowEntryTable(1, "04/10/2027");
        dbf::Table& show = entries();
        for (const Entry& e : kEntries) {
            show.append();
            show.setText("last", e.last);
            show.setText("reg", e.reg);
            show.setText("arm", e.arm);
            show.setText("dog", e.dog);
            show.setNumber("shownum", 1);
            show.post();
            if (e.deleted)
                show.setDeleted(true);
        }
        show.setOrder("name");
        show.first();
    }
    dbf::Table& entries() { return *data_->TzDbf1(); }

    // The grid window over the show, shown and loaded.
    TShwGridForm1& openGrid()
    {
        grid_ = std::make_unique<TShwGridForm1>(*data_);
        grid_->show();
        if (!QTest::qWaitForWindowExposed(grid_.get()) ||
            !QTest::qWaitFor([this] { return grid_->loaded(); }))
            qWarning("the grid did not load");
        return *grid_;
    }

    // The texts of a column, row by row.
    QStringList column(const QString& field)
    {
        const TableModel& model = grid_->model();
        const int at = model.columns().indexOf(field);
        QStringList texts;
        for (int row = 0; row < model.rowCount(); ++row)
            texts << model.index(row, at).data().toString();
        return texts;
    }
    QStringList headers()
    {
        QStringList texts;
        const TableModel& model = grid_->model();
        for (int c = 0; c < model.columnCount(); ++c)
            texts << model.headerData(c, Qt::Horizontal).toString();
        return texts;
    }
    QStringList allFields(bool lower)
    {
        QStringList names;
        for (const dbf::FieldDef& field : entries().fields())
            names << (lower ? QString::fromStdString(field.name).toLower()
                            : QString::fromStdString(field.name));
        return names;
    }
    void chooseOrder(const QString& caption, QMenu* menu = nullptr)
    {
        QAction* action = item(menu ? menu : grid_->indexMenu(), caption);
        QVERIFY2(action, qPrintable(caption));
        action->trigger();
    }
    QString recordText() { return grid_->recordPanel()->text(); }

    std::unique_ptr<QTemporaryDir> root_;
    std::unique_ptr<ScriptedMessages> messages_;
    std::unique_ptr<Tdmod> data_;
    std::unique_ptr<TShwGridForm1> grid_;
    std::unique_ptr<SessionSettings> session_;
    std::unique_ptr<TMainForm> form_;

private slots:
    void cleanup()
    {
        form_.reset();
        grid_.reset();
        data_.reset();
    }

    void theGridShowsEveryFieldOfEveryEntryInTheCurrentOrder()
    {
        makeShow();
        grid_ = std::make_unique<TShwGridForm1>(*data_);
        QCOMPARE(grid_->windowTitle(), QStringLiteral("Show Database"));
        QStringList labels;
        for (const QLabel* label : grid_->findChildren<QLabel*>())
            labels << label->text();
        QVERIFY(labels.contains("View the Current Show Records by current index - No Editing "
                                "Allowed"));
        QVERIFY(labels.contains("Drag a Column Header left or right to re-arrange the displayed "
                                "order of fields or use the Select Fields To View Option under "
                                "View.  Column Widths can also be adjusted"));
        QCOMPARE(qobject_cast<QLabel*>(grid_->loadingCover())->text(),
                 QStringLiteral("Patience - Loading Previous Settings"));
        QCOMPARE(grid_->closeButton()->text(), QStringLiteral("Close"));
        QCOMPARE(grid_->findButton()->text(), QStringLiteral("Find"));

        QVERIFY2(grid_->loadingCover()->isVisibleTo(grid_.get()) &&
                     !grid_->grid()->isVisibleTo(grid_.get()),
                 "the cover hides the grid until it is loaded");
        grid_->show();
        QTRY_VERIFY(grid_->loaded());
        QVERIFY(grid_->grid()->isVisible());
        QVERIFY(!grid_->loadingCover()->isVisible());

        QCOMPARE(grid_->model().columns(), allFields(false));
        QCOMPARE(headers().value(0), QStringLiteral("REG"));
        QCOMPARE(column("last"), (QStringList{"Adams", "Baker", "Jones", "Smith", "Smithers"}));
        QCOMPARE(column("dog"), (QStringList{"Ash", "Cedar", "Fern", "Moss", "Birch"}));
        QCOMPARE(grid_->model().index(0, 0).data(Qt::ForegroundRole).value<QBrush>().color(),
                 QColor(Qt::red)); // Adams is marked deleted
        QCOMPARE(grid_->showPanel()->text(), QStringLiteral("Show #  1"));
        QCOMPARE(recordText(), QStringLiteral("Rec #     3 /     5"));
        QCOMPARE(grid_->indexPanel()->text(), QStringLiteral("Current Index = Last Name"));
        QCOMPARE(grid_->grid()->currentIndex().row(), 0);
    }

    void nothingInTheGridEdits()
    {
        makeShow();
        openGrid();
        QTableView* view = grid_->grid();
        const QModelIndex cell = grid_->model().index(0, grid_->model().columns().indexOf("last"));
        QVERIFY(!(grid_->model().flags(cell) & Qt::ItemIsEditable));
        view->setCurrentIndex(cell);
        QTest::keyClicks(view, "Zed");
        QTest::keyClick(view, Qt::Key_F2);
        QTest::mouseDClick(view->viewport(), Qt::LeftButton, {}, view->visualRect(cell).center());
        QTest::keyClicks(QApplication::focusWidget(), "Zed");
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
        QCOMPARE(entries().state(), dbf::Table::State::Browse);
        QCOMPARE(QString::fromStdString(entries().record(3).text("last")), QStringLiteral("Adams"));
    }

    void theIndexPanelNamesTheOrderTheWindowOpensIn_data()
    {
        QTest::addColumn<QString>("tag");
        QTest::addColumn<QString>("panel");
        QTest::addColumn<bool>("findEnabled");
        QTest::newRow("input order") << ""
                                     << "Current Index = Input Order" << true;
        QTest::newRow("armband") << "armband"
                                 << "Current Index = Armband #" << true;
        QTest::newRow("dog's name") << "dogname"
                                    << "Current Index = Dog's Name" << true;
        QTest::newRow("registration") << "regnum"
                                      << "Current Index = Registration #" << true;
        QTest::newRow("ascending obedience")
            << "aobjmpht"
            << "Current Index = Ascending Obedience Jump Heights" << false;
        QTest::newRow("descending obedience")
            << "dobjmpht"
            << "Current Index = Descending Obedience Jump Heights" << false;
        QTest::newRow("ascending rally") << "arallyht"
                                         << "Current Index = Ascending Rally Jump Heights" << false;
        QTest::newRow("descending rally")
            << "drallyht"
            << "Current Index = Descending Rally Jump Heights" << false;
        QTest::newRow("breed, not named") << "breedname"
                                          << "Current Index = " << true;
    }
    void theIndexPanelNamesTheOrderTheWindowOpensIn()
    {
        QFETCH(QString, tag);
        QFETCH(QString, panel);
        QFETCH(bool, findEnabled);
        makeShow();
        entries().setOrder(tag.toStdString());
        TShwGridForm1 grid(*data_);
        QCOMPARE(grid.indexPanel()->text(), panel);
        QCOMPARE(grid.findButton()->isEnabled(), findEnabled);
    }

    void theNavigatorAndTheGridMoveTogether()
    {
        makeShow();
        openGrid();
        QTest::mouseClick(grid_->navigatorButton(3), Qt::LeftButton);
        QCOMPARE(entries().recno(), 4u); // Smithers, last by name
        QCOMPARE(recordText(), QStringLiteral("Rec #     4 /     5"));
        QCOMPARE(grid_->grid()->currentIndex().row(), 4);
        QTest::mouseClick(grid_->navigatorButton(1), Qt::LeftButton);
        QCOMPARE(entries().recno(), 1u);
        QCOMPARE(grid_->grid()->currentIndex().row(), 3);

        // A row clicked in the grid is the record the window stands on.
        QTableView* view = grid_->grid();
        QTest::mouseClick(view->viewport(), Qt::LeftButton, {},
                          view->visualRect(grid_->model().index(1, 0)).center());
        QCOMPARE(entries().recno(), 5u); // Baker
        QCOMPARE(recordText(), QStringLiteral("Rec #     5 /     5"));
        QTest::mouseClick(grid_->navigatorButton(2), Qt::LeftButton);
        QCOMPARE(entries().recno(), 2u); // Jones
        QTest::mouseClick(grid_->navigatorButton(0), Qt::LeftButton);
        QCOMPARE(entries().recno(), 3u);
        QCOMPARE(grid_->grid()->currentIndex().row(), 0);
    }

    void findByLastNameAndByRecordNumber()
    {
        makeShow();
        openGrid();
        messages_->answerText("smi");
        QTest::mouseClick(grid_->findButton(), Qt::LeftButton);
        QCOMPARE(messages_->texts.last(), QStringLiteral("Enter Last Name to find: "));
        QCOMPARE(entries().recno(), 1u);
        QCOMPARE(grid_->grid()->currentIndex().row(), 3);
        QCOMPARE(recordText(), QStringLiteral("Rec #     1 /     5"));

        messages_->answerText("zz");
        QTest::mouseClick(grid_->findButton(), Qt::LeftButton);
        QCOMPARE(messages_->texts.last(), QStringLiteral("Could not find Last Name ZZ"));
        QCOMPARE(entries().recno(), 1u);

        messages_->answerText(std::nullopt); // Cancel
        const qsizetype shown = messages_->texts.size();
        QTest::mouseClick(grid_->findButton(), Qt::LeftButton);
        QCOMPARE(messages_->texts.size(), shown + 1); // the prompt only
        QCOMPARE(entries().recno(), 1u);

        chooseOrder("Input Order");
        QCOMPARE(grid_->indexPanel()->text(), QStringLiteral("Current Index = Input Order"));
        QCOMPARE(column("last"), (QStringList{"Smith", "Jones", "Adams", "Smithers", "Baker"}));
        QCOMPARE(grid_->grid()->currentIndex().row(), 0); // still on Smith
        const struct {
            const char* typed;
            std::uint32_t recno;
            const char* message; // nullptr: found, no message
        } byNumber[] = {
            {"4", 4, nullptr},
            {"9", 4, "Could not find Record # 9"},
            {"0", 4, "Could not find Record # 0"},
            {"abc", 4, "Could not find Record # ABC"},
            {"2   ", 2, nullptr},
        };
        for (const auto& c : byNumber) {
            messages_->texts.clear();
            messages_->answerText(c.typed);
            QTest::mouseClick(grid_->findButton(), Qt::LeftButton);
            QCOMPARE(messages_->texts.value(0), QStringLiteral("Enter Record # to find: "));
            QCOMPARE(messages_->texts.value(1), c.message ? QString(c.message) : QString());
            QCOMPARE(entries().recno(), c.recno);
            QCOMPARE(grid_->grid()->currentIndex().row(), int(c.recno) - 1);
        }
    }

    void findIsDisabledInTheJumpHeightOrders()
    {
        makeShow({"t1or"});
        openGrid();
        QVERIFY(grid_->obedienceHeightsMenu()->menuAction()->isEnabled());
        QVERIFY2(!grid_->rallyHeightsMenu()->menuAction()->isEnabled(), "the show has no rally");
        QVERIFY(!item(grid_->indexMenu(), "Call Name"));

        const struct {
            QMenu* menu;
            const char* caption;
            const char* status;
        } heights[] = {
            {grid_->obedienceHeightsMenu(), "Ascending Ht ",
             "Current Index is Ascending Obedience Heights"},
            {grid_->obedienceHeightsMenu(), "Descending Ht ",
             "Current Index is Descending Obedience Heights"},
            {grid_->rallyHeightsMenu(), "Ascending Heights",
             "Current Index is Ascending Rally Heights"},
            {grid_->rallyHeightsMenu(), "Descending Heights",
             "Current Index is Descending Rally Heights"},
        };
        for (const auto& h : heights) {
            chooseOrder("Last Name");
            QVERIFY(grid_->findButton()->isEnabled());
            chooseOrder(h.caption, h.menu);
            QCOMPARE(grid_->indexPanel()->text(), QString(h.status));
            QVERIFY2(!grid_->findButton()->isEnabled(), h.caption);
        }
        messages_->texts.clear();
        QTest::mouseClick(grid_->findButton(), Qt::LeftButton);
        QVERIFY(messages_->texts.isEmpty());

        const struct {
            const char* caption;
            const char* tag;
            const char* status;
        } others[] = {
            {"NUR #", "regnum", "Current Index = NUR #"},
            {"Armband #", "armband", "Current Index = Armband #"},
            {"Dog's Registered Name", "dogname", "Current Index = Dog's Registered Name"},
            {"Last Name", "name", "Current Index = Last Name"},
        };
        for (const auto& o : others) {
            chooseOrder(o.caption);
            QVERIFY(dbf::sameName(entries().order(), o.tag));
            QCOMPARE(grid_->indexPanel()->text(), QString(o.status));
            QVERIFY(grid_->findButton()->isEnabled());
        }
        chooseOrder("Catalog Order");
        QVERIFY2(dbf::sameName(entries().order(), "name"), "Catalog Order orders nothing");
        QCOMPARE(grid_->indexPanel()->text(), QStringLiteral("Current Index = Last Name"));

        chooseOrder("Armband #");
        QCOMPARE(column("arm"), (QStringList{"101", "102", "103", "110", "115"}));
    }

    void selectFieldsToViewShowsExactlyTheChosenColumns()
    {
        makeShow();
        openGrid();
        QList<FieldListChoice> offered;
        QStringList answer{"dog", "last", "Untitled", "arm"};
        grid_->setFieldChooser([&](const FieldListChoice& choice) {
            offered << choice;
            return answer;
        });
        grid_->selectFieldsAction()->trigger();
        QCOMPARE(offered.size(), 1);
        QCOMPARE(offered[0].displayed(), allFields(true));
        QVERIFY(offered[0].hidden().isEmpty());
        QCOMPARE(grid_->model().columns(), (QStringList{"dog", "last", "", "arm"}));
        QCOMPARE(headers(), (QStringList{"DOG", "LAST", "", "ARM"}));
        QCOMPARE(column("last"), (QStringList{"Adams", "Baker", "Jones", "Smith", "Smithers"}));

        // The next time, the hidden list holds the other fields in table order.
        answer = {"arm", "reg"};
        grid_->selectFieldsAction()->trigger();
        QCOMPARE(offered[1].displayed(), (QStringList{"dog", "last", "Untitled", "arm"}));
        QStringList others = allFields(true);
        others.removeAll("dog");
        others.removeAll("last");
        others.removeAll("arm");
        QCOMPARE(offered[1].hidden(), others);
        QCOMPARE(grid_->model().columns(), (QStringList{"arm", "reg"}));
        QCOMPARE(grid_->displayedFields(), (QStringList{"arm", "reg"}));

        grid_->resetOrderAction()->trigger();
        QCOMPARE(grid_->model().columns(), allFields(false));
        QCOMPARE(grid_->displayedFields(), allFields(true));
    }

    void aDraggedHeaderReordersTheFields()
    {
        makeShow();
        openGrid();
        grid_->setFieldChooser([](const FieldListChoice&) {
            return QStringList{"reg", "dog", "breed", "last"};
        });
        grid_->selectFieldsAction()->trigger();
        QHeaderView* header = grid_->grid()->horizontalHeader();
        const auto centre = [header](int visual) {
            const int logical = header->logicalIndex(visual);
            return QPoint(header->sectionViewportPosition(logical) +
                              header->sectionSize(logical) / 2,
                          header->height() / 2);
        };
        const QPoint from = centre(0);
        // Past the middle of the third header: the dragged one goes behind it.
        const QPoint to = centre(2) + QPoint(header->sectionSize(header->logicalIndex(2)) / 4, 0);
        QTest::mousePress(header->viewport(), Qt::LeftButton, {}, from);
        for (int step = 1; step <= 5; ++step)
            QTest::mouseMove(header->viewport(), from + (to - from) * step / 5);
        QTest::mouseRelease(header->viewport(), Qt::LeftButton, {}, to);
        QCOMPARE(grid_->displayedFields(), (QStringList{"dog", "breed", "reg", "last"}));

        // The arrangement stays through a change of order, and the dialog starts from it.
        chooseOrder("Armband #");
        QCOMPARE(grid_->displayedFields(), (QStringList{"dog", "breed", "reg", "last"}));
        QStringList offered;
        grid_->setFieldChooser([&offered](const FieldListChoice& choice) {
            offered = choice.displayed();
            return choice.displayed();
        });
        grid_->selectFieldsAction()->trigger();
        QCOMPARE(offered, (QStringList{"dog", "breed", "reg", "last"}));
        QCOMPARE(grid_->model().columns(), (QStringList{"dog", "breed", "reg", "last"}));
        QCOMPARE(header->visualIndex(0), 0);

        grid_->resetOrderAction()->trigger();
        QCOMPARE(grid_->displayedFields(), allFields(true));
    }

    void theFieldListDialogChoosesTheColumns()
    {
        makeShow();
        openGrid();
        QTimer::singleShot(0, this, [] {
            auto* dialog = qobject_cast<TDualListDlg*>(QApplication::activeModalWidget());
            QVERIFY(dialog);
            QVERIFY2(!QApplication::overrideCursor(), "no hourglass while the secretary chooses");
            QCOMPARE(dialog->hiddenList()->count(), 0);
            QTest::mouseClick(dialog->includeAllButton(), Qt::LeftButton);
            QListWidget* hidden = dialog->hiddenList();
            const QList<QListWidgetItem*> last = hidden->findItems("last", Qt::MatchExactly);
            QCOMPARE(last.size(), 1);
            QTest::mouseClick(hidden->viewport(), Qt::LeftButton, {},
                              hidden->visualItemRect(last[0]).center());
            QTest::mouseClick(dialog->excludeButton(), Qt::LeftButton);
            QTest::mouseClick(dialog->okButton(), Qt::LeftButton);
        });
        grid_->selectFieldsAction()->trigger();
        QCOMPARE(grid_->model().columns(), QStringList{"last"});
        QCOMPARE(column("last"), (QStringList{"Adams", "Baker", "Jones", "Smith", "Smithers"}));
    }

    void hideAndShowDeletes()
    {
        makeShow();
        openGrid();
        QCOMPARE(grid_->hideDeletesAction()->text(), QStringLiteral("Hide Deletes"));
        grid_->hideDeletesAction()->trigger();
        QCOMPARE(grid_->hideDeletesAction()->text(), QStringLiteral("Show Deletes"));
        QCOMPARE(column("last"), (QStringList{"Baker", "Jones", "Smith", "Smithers"}));
        QCOMPARE(entries().recno(), 5u); // Adams is hidden: the first entry shown
        QCOMPARE(recordText(), QStringLiteral("Rec #     5 /     5"));
        QCOMPARE(grid_->grid()->currentIndex().row(), 0);

        grid_->hideDeletesAction()->trigger();
        QCOMPARE(grid_->hideDeletesAction()->text(), QStringLiteral("Hide Deletes"));
        QCOMPARE(column("last"), (QStringList{"Adams", "Baker", "Jones", "Smith", "Smithers"}));
        QCOMPARE(entries().recno(), 5u);
        QCOMPARE(grid_->grid()->currentIndex().row(), 1);
    }

    void closingPutsBackTheOrderAndTheDeletesAsFound()
    {
        makeShow();
        openGrid();
        chooseOrder("Armband #");
        grid_->hideDeletesAction()->trigger();
        QTest::mouseClick(grid_->navigatorButton(3), Qt::LeftButton);
        QCOMPARE(entries().recno(), 5u); // Baker: armband 110, the highest not deleted
        grid_->closeButton()->click();
        QVERIFY(!grid_->isVisible());
        grid_.reset();
        QVERIFY(dbf::sameName(entries().order(), "name"));
        QVERIFY(!entries().hasFilter());

        // Deletes hidden by the desk stay hidden; a deleted entry reached in
        // the grid gives way to the first one shown.
        entries().setFilter([](const dbf::RecordView& entry) { return !entry.deleted(); });
        entries().first();
        openGrid();
        QCOMPARE(grid_->hideDeletesAction()->text(), QStringLiteral("Show Deletes"));
        grid_->hideDeletesAction()->trigger();
        QTest::mouseClick(grid_->navigatorButton(0), Qt::LeftButton);
        QCOMPARE(entries().recno(), 3u); // Adams, deleted
        grid_->exitAction()->trigger();
        QVERIFY(!grid_->isVisible());
        grid_.reset();
        QVERIFY(entries().hasFilter());
        QCOMPARE(entries().recno(), 5u); // Baker
    }

    void gridFormatOnTheMainWindowHandsTheMovedRecordBackToTheDesk()
    {
        makeShow();
        data_->CloseShow();
        session_ = std::make_unique<SessionSettings>();
        form_ = std::make_unique<TMainForm>(data_->preferences(), *session_, *messages_);
        connectMenuCommands(*form_, *data_, *session_);
        form_->show();
        QVERIFY(QTest::qWaitForWindowExposed(form_.get()));
        messages_->answerText(root_->path() + "/shows/Show-00001-04-10-2027.dbf");
        form_->action(MenuAction::OpenShow)->trigger();
        EntryDeskWidget* desk = form_->entryDesk();
        QVERIFY(desk->isVisible());
        auto* dogBox = qobject_cast<QLineEdit*>(desk->panel()->fieldBox("dog"));
        auto* recordPanel = form_->findChild<QLabel*>("recordPanel");
        QCOMPARE(dogBox->text(), QStringLiteral("Ash")); // Adams, first by name

        // An entry being edited is saved before the grid opens.
        desk->edit();
        QVERIFY(desk->editing());
        dogBox->setText("Ash Grey");

        bool hooksAttached = true;
        QTimer::singleShot(0, this, [this, &hooksAttached] {
            auto* grid = qobject_cast<TShwGridForm1*>(QApplication::activeModalWidget());
            QVERIFY(grid);
            QTRY_VERIFY(grid->loaded());
            hooksAttached = form_->entryHooksAttached();
            QCOMPARE(grid->model().index(0, grid->model().columns().indexOf("dog")).data(),
                     QVariant("Ash Grey"));
            item(grid->indexMenu(), "Armband #")->trigger();
            QTest::mouseClick(grid->navigatorButton(3), Qt::LeftButton);
            QTest::mouseClick(grid->navigatorButton(1), Qt::LeftButton);
            QTest::mouseClick(grid->closeButton(), Qt::LeftButton);
        });
        form_->action(MenuAction::GridFormat)->trigger();
        QVERIFY2(!hooksAttached, "the desk lets go of the table while the grid is open");
        QVERIFY(form_->entryHooksAttached());
        QVERIFY(!desk->editing());
        QCOMPARE(QString::fromStdString(entries().record(3).text("dog")),
                 QStringLiteral("Ash Grey"));

        // The grid went to armband 110, Baker: record 5.
        QCOMPARE(entries().recno(), 5u);
        QVERIFY(dbf::sameName(entries().order(), "name"));
        QCOMPARE(recordPanel->text(), QStringLiteral("Rec #     5 /     5"));
        QCOMPARE(dogBox->text(), QStringLiteral("Cedar"));

        QTimer::singleShot(0, this, [] {
            auto* grid = qobject_cast<TShwGridForm1*>(QApplication::activeModalWidget());
            QVERIFY(grid);
            QTRY_VERIFY(grid->loaded());
            QTest::mouseClick(grid->navigatorButton(2), Qt::LeftButton);
            grid->exitAction()->trigger();
        });
        form_->action(MenuAction::GridFormat)->trigger();
        QCOMPARE(entries().recno(), 2u); // Jones, after Baker by name
        QCOMPARE(recordPanel->text(), QStringLiteral("Rec #     2 /     5"));
        QCOMPARE(dogBox->text(), QStringLiteral("Fern"));
    }
};

QTEST_MAIN(ShwGridFormTest)
#include "tst_shwgridform.moc"
