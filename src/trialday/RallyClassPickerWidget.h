#pragma once

#include "trialday/RallyClassChoice.h"

#include <QWidget>

class QLabel;
class QListWidget;
class QListWidgetItem;
class QPushButton;
class QTabBar;
class Tdmod;

// The choice of classes both rally printing windows share: a tab per trial
// of the open show, the check list of the trial's rally classes, "Select
// All" (which then reads "De-Select All" and clears them), "Select Opposite"
// and the count "Selected records = n". Changing the tab clears the choice.
class RallyClassPickerWidget : public QWidget
{
    Q_OBJECT
public:
    static inline const QString kSelectAll = QStringLiteral("Select All");
    static inline const QString kDeselectAll = QStringLiteral("De-Select All");

    explicit RallyClassPickerWidget(Tdmod& data, QWidget* parent = nullptr);

    // The trial of the tab shown, from 1.
    int currentTrial() const;
    // The keys of the classes checked, in list order.
    QStringList checkedKeys() const;
    int checkedCount() const { return checked_; }

    QTabBar* tabs() const { return tabs_; }
    QListWidget* classList() const { return list_; }
    QPushButton* selectAllButton() const { return selectAll_; }
    QPushButton* selectOppositeButton() const { return selectOpposite_; }
    QLabel* countLabel() const { return count_; }

    void SelectAllClick();
    void SelectOppositeClick();

private:
    void showTrial(int index);
    void itemChanged(QListWidgetItem* item);
    void setAll(bool checked);
    void showCount();

    Tdmod& data_;
    QList<RallyClassChoice::TrialTab> trials_;
    QStringList keys_; // parallel to the check list
    int checked_ = 0;
    bool nextSelects_ = true;
    bool settingAll_ = false;

    QTabBar* tabs_;
    QListWidget* list_;
    QPushButton* selectAll_;
    QPushButton* selectOpposite_;
    QLabel* count_;
};
