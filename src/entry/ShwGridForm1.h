#pragma once

#include "entry/FieldListChoice.h"

#include <QDialog>
#include <QList>

#include <functional>
#include <string>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;
class QModelIndex;
class QPushButton;
class QStackedWidget;
class QTableView;
class QToolButton;
class TableModel;
class Tdmod;
struct ShowGridOrder;

// "Show Database": every entry of the open show in a grid, in the current
// order, to look at only; nothing here edits. The secretary moves with the
// navigator, the grid and Find, chooses the order from the Index menu and the
// columns by dragging their headers or with "Select Fields To View".
//
// The show entry table is the desk's: the window moves its cursor only to
// navigate and find, and when it goes it puts back the order and the hiding
// of deleted entries it found, so the desk's menu and status texts stay true.
class TShwGridForm1 : public QDialog
{
    Q_OBJECT
public:
    // "Select Fields To View" hands over the lists and takes back the
    // displayed fields; by default the field-list dialog asks the secretary.
    using FieldChooser = std::function<QStringList(const FieldListChoice&)>;

    // The open show's entry table must be open.
    explicit TShwGridForm1(Tdmod& data, QWidget* parent = nullptr);
    ~TShwGridForm1() override;

    // The grid is loaded once the window has been shown.
    bool loaded() const { return loaded_; }
    QWidget* loadingCover() const { return cover_; }
    QTableView* grid() const { return grid_; }
    TableModel& model() const { return *model_; }
    QToolButton* navigatorButton(int which) const; // 0 first, 1 prior, 2 next, 3 last
    QPushButton* closeButton() const { return closeButton_; }
    QPushButton* findButton() const { return findButton_; }
    QLabel* hintPanel() const { return hintPanel_; }
    QLabel* showPanel() const { return showPanel_; }
    QLabel* recordPanel() const { return recordPanel_; }
    QLabel* indexPanel() const { return indexPanel_; }
    QMenu* indexMenu() const { return indexMenu_; }
    QMenu* obedienceHeightsMenu() const { return obedienceHeights_; }
    QMenu* rallyHeightsMenu() const { return rallyHeights_; }
    QAction* exitAction() const { return exitAction_; }
    QAction* hideDeletesAction() const { return hideDeletesAction_; }
    QAction* selectFieldsAction() const { return selectFieldsAction_; }
    QAction* resetOrderAction() const { return resetOrderAction_; }

    // The field names of the grid's columns as they stand on the screen,
    // moved headers included; "Untitled" for a column without a field.
    QStringList displayedFields() const;
    void setFieldChooser(FieldChooser chooser) { chooser_ = std::move(chooser); }

    // --- What the buttons and menus do --------------------------------------
    void goFirst();
    void goPrior();
    void goNext();
    void goLast();
    void find();
    void toggleHideDeletes();
    void selectFieldsToView();
    void resetToDefaultOrder();

protected:
    bool event(QEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    void buildMenus();
    void addOrder(QMenu* menu, const ShowGridOrder& order);
    void selectOrder(const ShowGridOrder& order);
    void load();
    template <typename Step> void run(Step step);
    void showRecord();
    void followGrid(const QModelIndex& current);
    void showColumns(const QStringList& fields);
    void sizeColumns();

    Tdmod& data_;
    const std::string orderFound_;
    const bool deletesHiddenFound_;
    bool deletesHidden_;
    bool loaded_ = false;
    bool syncingGrid_ = false;
    FieldChooser chooser_;

    TableModel* model_;
    QStackedWidget* pages_;
    QWidget* cover_;
    QTableView* grid_;
    QList<QToolButton*> navigator_;
    QPushButton* closeButton_;
    QPushButton* findButton_;
    QLabel* hintPanel_;
    QLabel* showPanel_;
    QLabel* recordPanel_;
    QLabel* indexPanel_;
    QMenu* indexMenu_ = nullptr;
    QMenu* obedienceHeights_ = nullptr;
    QMenu* rallyHeights_ = nullptr;
    QActionGroup* orderGroup_ = nullptr;
    QAction* exitAction_ = nullptr;
    QAction* hideDeletesAction_ = nullptr;
    QAction* selectFieldsAction_ = nullptr;
    QAction* resetOrderAction_ = nullptr;
};

// View, "Grid Format": opens the window modally over the open show.
void openShowGridWindow(Tdmod& data, QWidget* parent);
