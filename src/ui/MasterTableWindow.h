#pragma once

// The master-table window: the one base of every window that edits a master
// table (owners, dog master, judges, breeds, mailing list, class table,
// catalog groupings).
//
// How a window is built on it:
//
//   class TOwnerForm : public MasterTableWindow {
//       TOwnerForm(Tdmod& data, const KeyboardSettings& keys, QWidget* parent)
//           : MasterTableWindow(*data.Owners(), data.messages(), parent)
//       {
//           setWindowTitle("Owner's Data Base");
//           setKeyboardSettings(keys);            // Enter as Tab, PgDn as Save, AutoCaps
//           auto* form = new QFormLayout(dataPanel());
//           auto* first = new QLineEdit;
//           form->addRow("First Name", first);
//           bind(first, "first");                 // loaded on every move, written on Save
//           setAutoCaps(first);                   // when the AutoCaps preference is on
//           setFirstField(first);                 // focused by Add and Edit
//           model().setColumns({"owner_id", "first", ...});
//           addOrder({"Last Name", "name", "Last Name", "Last Name"});
//           addOrder({"Owner ID", "ownerid", "Owner ID", "ID #", FindKey::FiveDigitId});
//           offerRemoveAll("Are you sure you want to permanently remove all Owners?");
//           browser().setSaveRules(std::make_unique<OwnerSaveRules>(data));
//           startBrowsing(0);                     // first order, display refreshed
//       }
//   };
//
// The window owns a MasterTableBrowser (browser()) with the logic: status
// texts, orders, Find, the deletion toggle, pack and remove-all with their
// questions; and a TableModel (model()) for its grid (grid()). Menus: "Index"
// (filled by addOrder, radio items), "Tasks" ("Pack/Remove Deletes" and, after
// offerRemoveAll, "Remove All Records from Database"); addMenu() adds more.
// The six buttons enable as browser().buttons() says; the delete button reads
// "&Delete" or "Un&Delete"; a record marked deleted shows "DELETED" in red and
// the bound boxes (and those given to addColouredField) turn light pink.
//
// Editing follows the data-aware windows: Add, Edit, typing into a bound box
// or into the grid starts an edit; Save writes the boxes into the record
// buffer and hands the save to the browser, which runs the table's save rules
// around the post; moving to another record (navigator or grid row) saves
// first and stays when the save is refused; Cancel abandons the edit. What a
// save decides is the rules'; the window only presents it.

#include "ui/AutoCaps.h"
#include "ui/MasterTableBrowser.h"
#include "ui/TableModel.h"

#include "storage/SessionSettings.h"

#include <QDialog>
#include <QList>

#include <functional>

class Messages;
class QAbstractButton;
class QActionGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QStatusBar;
class RecordNavigatorWidget;
class QTableView;
class QToolButton;

class MasterTableWindow : public QDialog
{
    Q_OBJECT
public:
    MasterTableWindow(dbf::Table& table, Messages& messages, QWidget* parent = nullptr);

    MasterTableBrowser& browser() { return browser_; }
    TableModel& model() { return *model_; }
    dbf::Table& table() const { return browser_.table(); }
    Messages& messages() const { return browser_.messages(); }

    // --- Parts of the window --------------------------------------------------
    QWidget* dataPanel() const { return dataPanel_; }
    QTableView* grid() const { return grid_; }
    QMenuBar* menuBar() const { return menuBar_; }
    QMenu* indexMenu() const { return indexMenu_; }
    QMenu* tasksMenu() const { return tasksMenu_; }
    QMenu* addMenu(const QString& title);
    QLabel* deletionLabel() const { return deletionLabel_; }
    QLabel* hintPanel() const { return hintPanel_; }
    QLabel* recordPanel() const { return recordPanel_; }
    QLabel* indexPanel() const { return indexPanel_; }
    QStatusBar* statusBar() const { return statusBar_; }
    QPushButton* addButton() const { return addButton_; }
    QPushButton* editButton() const { return editButton_; }
    QPushButton* deleteButton() const { return deleteButton_; }
    QPushButton* findButton() const { return findButton_; }
    QPushButton* saveButton() const { return saveButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }
    QPushButton* closeButton() const { return closeButton_; }
    QToolButton* navigatorButton(int which) const; // 0 first, 1 prior, 2 next, 3 last
    QAction* packAction() const { return packAction_; }
    QAction* removeAllAction() const { return removeAllAction_; }
    // The tip shown as tool tip and in the status bar's hint panel.
    static void setHint(QWidget* widget, const QString& hint);

    // --- Set-up by the window built on it ------------------------------------
    void addOrder(const MasterOrder& order);
    // Offers "Remove All Records from Database", asking `question` with "No Yes".
    void offerRemoveAll(const QString& question);
    void setKeyboardSettings(const KeyboardSettings& keyboard);
    const KeyboardSettings& keyboardSettings() const { return keyboard_; }
    // Automatic capitals in this box while the AutoCaps preference is on.
    void setAutoCaps(QLineEdit* box, AutoCapsRule rule = AutoCapsRule::TextStart);
    void bind(QLineEdit* box, const QString& field);
    void bind(QCheckBox* box, const QString& field);
    // A list whose items carry data stores the data of the chosen item and
    // shows the item whose data is stored; otherwise it stores and shows the
    // item's text. A list showing none of its items leaves the field as stored.
    void bind(QComboBox* box, const QString& field);
    // A box that turns pink with the bound ones but is not bound.
    void addColouredField(QWidget* widget);
    // The box Add and Edit put the focus in; given the grid, they open the
    // current record's first cell.
    void setFirstField(QWidget* widget) { firstField_ = widget; }
    // Selects the order, leaves any edit, re-reads the table and the display.
    void startBrowsing(int orderIndex);

    // --- The window's actions (the buttons and menus call these) --------------
    void selectOrder(int orderIndex);
    void goFirst();
    void goPrior();
    void goNext();
    void goLast();
    void add();
    void edit();
    void toggleDeleted();
    FindOutcome find();
    // True when the record was saved (or nothing was being edited).
    bool save();
    void cancel();
    void pack();
    void removeAll();

    // Writes the bound boxes into the record buffer. A box whose text does
    // not read as its field's type (a date box holding no date) is left out;
    // the message naming the first such box is returned, empty when every box
    // was written. Save refuses the record then.
    QString writeFields();
    // Loads the bound boxes from the record buffer.
    void loadFields();
    // Re-reads the grid and refreshes every display of the current record.
    void refreshAll();
    // Refreshes the deletion mark, the colours, the record panel, the boxes
    // and the grid's current row; called after every move.
    void showRecord();

protected:
    // A window that shows more than before (its grid instead of its boxes)
    // grows to what it now wants, as far as the screen allows, re-centred.
    void growToContents();
    // The save rules refused the record (and said why): a window may put the
    // focus where the fault is.
    virtual void saveRefused() {}
    // Called after every move and refresh of the display.
    virtual void afterRecordShown() {}
    // Empties the table once the question was answered Yes; a window that
    // must also clear other tables overrides it.
    virtual void removeAllRecords();
    // The window is closing while a record is edited: by default the edit is
    // saved, or abandoned when the save is refused.
    virtual void closeWhileEditing();

    bool eventFilter(QObject* watched, QEvent* event) override;
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Binding {
        QWidget* widget;
        QString field;
    };

    QPushButton* makeButton(const QString& caption, const QString& hint);
    static bool storesItemData(const QComboBox* combo);
    // Named by the caption of the label whose buddy the box is.
    QString unreadableText(const Binding& binding, const QString& typed) const;
    void updateButtons();
    void focusFirstField();
    void paintDeletion(bool deleted);
    void followGrid(const QModelIndex& current);
    void selectGridRow();
    // Hands a cell still being typed in to the model before a save.
    void commitGridEditor();
    bool move(void (dbf::Table::*step)());
    void startEditFromBox();
    void watchKeys();
    bool handleGridKey(QKeyEvent* key);
    bool handleDataEntryKey(QKeyEvent* key);
    bool runGuarded(const std::function<void()>& action);
    // Each grid column as wide as its heading and a sample of its values.
    void fitGridColumns();
    // The size that shows the boxes, the whole width of the grid's columns
    // and a dozen of its rows; the screen may allow less.
    QSize preferredSize() const;

    MasterTableBrowser browser_;
    TableModel* model_;
    KeyboardSettings keyboard_;
    QList<Binding> bindings_;
    QList<QWidget*> coloured_;
    QList<AutoCapsFilter*> autoCaps_;
    QWidget* firstField_ = nullptr;
    bool loading_ = false;
    bool syncingGrid_ = false;
    bool shownBefore_ = false;
    int columnsWidth_ = 0; // of the grid's columns as fitted

    QMenuBar* menuBar_;
    QMenu* indexMenu_;
    QMenu* tasksMenu_;
    QActionGroup* orderGroup_;
    QAction* packAction_;
    QAction* removeAllAction_ = nullptr;
    QString removeAllQuestion_;
    RecordNavigatorWidget* navigator_;
    QPushButton* addButton_;
    QPushButton* editButton_;
    QPushButton* deleteButton_;
    QPushButton* findButton_;
    QPushButton* saveButton_;
    QPushButton* cancelButton_;
    QPushButton* closeButton_;
    QWidget* dataPanel_;
    QLabel* deletionLabel_;
    QTableView* grid_;
    QStatusBar* statusBar_;
    QLabel* hintPanel_;
    QLabel* recordPanel_;
    QLabel* indexPanel_;
};
