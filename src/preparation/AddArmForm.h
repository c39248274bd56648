#pragma once

#include "preparation/ArmbandNumbering.h"
#include "storage/SessionSettings.h"

#include <QDialog>
#include <QList>
#include <QSet>
#include <QString>

class QAction;
class QGroupBox;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QTableView;
class QToolButton;
class TableModel;
class Tdmod;

namespace dbf
{
class Table;
}

// "Add Armband Numbers": the entries of the open show in a grid where the
// armband (and the jump heights) can be typed, with Auto Assign in the order
// chosen under Index, Clear All Numbers and Find. Every change goes to the
// show entry table at once, record by record.
//
// The window's own record-move hook tells the class the current entry is
// entered in and warns of a sort key of "999"; it runs on every move the
// window makes, the passes' included. The opening work (preferences, Last
// Name order, first record) runs when the window opens and again after
// Confirm Sort Keys, never because one of the window's own messages closed,
// so nothing a pass raises can change the pass's order or position.
class TAddArmForm : public QDialog
{
    Q_OBJECT
public:
    // The orders of the Index menu, in menu order.
    enum Order {
        LastName,
        NurNumber,
        ArmbandNumber,
        CatalogOrder,
        AscendingJumpHts,
        DescendingJumpHts,
        AscendingRallyHeights,
        DescendingRallyHeights,
        InputOrder,
    };

    // The open show's entry table must be open.
    TAddArmForm(Tdmod& data, const KeyboardSettings& keyboard, QWidget* parent = nullptr);
    ~TAddArmForm() override;

    // --- Parts of the window -------------------------------------------------
    QTableView* grid() const { return grid_; }
    QToolButton* navigatorButton(int which) const { return navigator_.value(which); }
    QLabel* preferenceLine() const { return preferenceLine_; }
    QLabel* classEntered() const { return classEntered_; }
    QPushButton* closeButton() const { return closeButton_; }
    QPushButton* findButton() const { return findButton_; }
    QPushButton* autoAssignButton() const { return autoAssignButton_; }
    QGroupBox* jumpHeightChoice() const { return jumpHeightChoice_; }
    QRadioButton* jumpHeightYes() const { return jumpHeightYes_; }
    QRadioButton* jumpHeightNo() const { return jumpHeightNo_; }
    QAction* orderAction(Order order) const { return orderActions_.at(order); }
    QMenu* obedienceHeightsMenu() const { return obedienceHeights_; }
    QMenu* rallyHeightsMenu() const { return rallyHeights_; }
    QAction* hideDeletesAction() const { return hideDeletes_; }
    QAction* autoAssignAction() const { return autoAssignAction_; }
    QAction* clearAllNumbersAction() const { return clearAllNumbers_; }
    QAction* confirmSortKeysAction() const { return confirmSortKeys_; }
    QLabel* hintPanel() const { return hintPanel_; }
    QLabel* showPanel() const { return showPanel_; }
    QLabel* recordPanel() const { return recordPanel_; }
    QLabel* indexPanel() const { return indexPanel_; }

    // --- The window's actions (its buttons and menus call these) -------------
    void FormActivate();
    void selectOrder(Order order);
    void AutoAssign1Click();
    void ClearAllNumbers1Click();
    void HideDeletes1Click();
    void ConfirmSortKeys1Click();
    void FindButtonClick();
    void goFirst();
    void goPrior();
    void goNext();
    void goLast();
    // Saves the row being typed in; false when the save failed (the edit is
    // then abandoned, so nothing half-typed stays in the buffer).
    bool save();

protected:
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    void done(int result) override;

private:
    QWidget* buildTexts();
    QWidget* buildButtons();
    void buildMenus(QLayout* layout);
    void buildGrid();
    void buildStatusBar(QLayout* layout);
    dbf::Table& entries() const;
    // The record-move hook; `warn` is false when the entry was just reported.
    void recordMoved(bool warn = true);
    // The hook as a pass calls it, noting each entry it reports.
    ArmbandNumbering::Visit passHook(QSet<std::uint32_t>& reported);
    void updateRecordPanel();
    void move(void (dbf::Table::*step)());
    // The grid's rows again, on the table's current record.
    void refreshGrid();
    // Puts the grid's current cell on the table's current record.
    void selectGridRow(int column = -1);
    void followGrid(const QModelIndex& current, const QModelIndex& previous);
    void enterInGrid();
    void commitGridEditor();
    void watchEnterAsTab();

    Tdmod& data_;
    KeyboardSettings keyboard_;
    TableModel* model_ = nullptr;
    Order order_ = LastName;
    // Read on activation.
    int digits_ = 3;
    QString start_;
    bool activated_ = false;
    bool deletesHidden_ = false;
    bool syncingGrid_ = false;

    QList<QToolButton*> navigator_;
    QLabel* preferenceLine_ = nullptr;
    QLabel* classEntered_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* findButton_ = nullptr;
    QPushButton* autoAssignButton_ = nullptr;
    QGroupBox* jumpHeightChoice_ = nullptr;
    QRadioButton* jumpHeightYes_ = nullptr;
    QRadioButton* jumpHeightNo_ = nullptr;
    QList<QAction*> orderActions_;
    QMenu* obedienceHeights_ = nullptr;
    QMenu* rallyHeights_ = nullptr;
    QAction* hideDeletes_ = nullptr;
    QAction* autoAssignAction_ = nullptr;
    QAction* clearAllNumbers_ = nullptr;
    QAction* confirmSortKeys_ = nullptr;
    QTableView* grid_ = nullptr;
    QLabel* hintPanel_ = nullptr;
    QLabel* showPanel_ = nullptr;
    QLabel* recordPanel_ = nullptr;
    QLabel* indexPanel_ = nullptr;
};

// Opens the window modally (Tasks, "Assign Armband Numbers").
void openAddArmWindow(Tdmod& data, const KeyboardSettings& keyboard, QWidget* parent);
