#pragma once

#include "preparation/JudgeAssignments.h"

#include <QDialog>
#include <QStringList>

#include <optional>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QStackedWidget;
class QTabBar;
class QWidget;
class Tdmod;

// "Judge Assigments ": for each trial of the open show, the judges and the
// classes each judges. A judge is added from the judges table with the
// picker, replaced by another, or deleted with all the judge's classes; the
// highlighted judge's classes are ticked off in a list of the trial's offered
// classes and saved. Every change is written at once through JudgeAssignments.
class TAssignJudgeForm : public QDialog
{
    Q_OBJECT
public:
    // A show must be open.
    TAssignJudgeForm(Tdmod& data, QWidget* parent = nullptr);

    // --- Parts of the window -------------------------------------------------
    QPushButton* addJudgeButton() const { return addJudge_; }
    QPushButton* replaceJudgeButton() const { return replaceJudge_; }
    QPushButton* deleteJudgeButton() const { return deleteJudge_; }
    QPushButton* changeClassesButton() const { return changeClasses_; }
    QPushButton* closeButton() const { return close_; }
    QLineEdit* showNumber() const { return showNumber_; }
    QTabBar* trialTabs() const { return trials_; }
    QLabel* trialDate() const { return trialDate_; }
    QListWidget* judgeList() const { return judgeList_; }
    QWidget* picker() const { return picker_; }
    QComboBox* pickerList() const { return pickerList_; }
    QPushButton* okayButton() const { return okay_; }
    QPushButton* pickerCancelButton() const { return pickerCancel_; }
    QGroupBox* classPanel() const { return classPanel_; }
    QListWidget* classList() const { return classList_; }
    QListWidget* checkList() const { return checkList_; }
    QPushButton* selectAllButton() const { return selectAll_; }
    QPushButton* saveClassesButton() const { return saveClasses_; }
    QPushButton* cancelClassesButton() const { return cancelClasses_; }
    QAction* exitAction() const { return exit_; }
    QAction* addJudgeAction() const { return addJudgeAction_; }
    QAction* changeClassesAction() const { return changeClassesAction_; }

    // The trial on show, 1 to the number of trials; 0 without a show dates record.
    int currentTrial() const { return trial_; }
    // The highlighted judge's number; nothing while no judge is listed.
    std::optional<QString> highlightedJudge() const;

    // --- The window's actions (its buttons and menus call these) -------------
    void FormActivate();
    void AddJudgeClick();
    void ReplaceJudgeClick();
    void DeleteJudgeClick();
    void OkayClick();
    void PickerCancelClick();
    void ChangeClassesClick();
    void SelectAllClick();
    void SaveClassesClick();
    void CancelClassesClick();
    void selectTrial(int trial);

protected:
    void showEvent(QShowEvent* event) override;

private:
    enum class PickerMode { Add, Replace };

    QWidget* buildJudgesPanel();
    QWidget* buildPicker();
    QWidget* buildClassPanel();
    // The list of every judge, the first picked; Okay adds or replaces as `mode` says.
    void showPicker(PickerMode mode);
    // The trial's judges again, the given one (or the first) highlighted.
    void fillJudgeList(const std::optional<QString>& highlight = std::nullopt);
    void fillCheckList();
    void showClassesOfHighlighted();
    void viewMode();
    // Refuses a task that works on the highlighted judge when none is.
    bool judgeHighlighted();

    Tdmod& data_;
    JudgeAssignments assignments_;
    int trial_ = 0;
    QStringList trialDates_;
    PickerMode pickerMode_ = PickerMode::Add;
    bool classesChanged_ = false;
    bool activated_ = false;
    bool filling_ = false; // the lists are being filled: their signals are not the secretary's

    QPushButton* addJudge_ = nullptr;
    QPushButton* replaceJudge_ = nullptr;
    QPushButton* deleteJudge_ = nullptr;
    QPushButton* changeClasses_ = nullptr;
    QPushButton* close_ = nullptr;
    QLineEdit* showNumber_ = nullptr;
    QTabBar* trials_ = nullptr;
    QLabel* trialDate_ = nullptr;
    QListWidget* judgeList_ = nullptr;
    QWidget* picker_ = nullptr;
    QComboBox* pickerList_ = nullptr;
    QPushButton* okay_ = nullptr;
    QPushButton* pickerCancel_ = nullptr;
    QGroupBox* classPanel_ = nullptr;
    QStackedWidget* classPages_ = nullptr;
    QListWidget* classList_ = nullptr;
    QListWidget* checkList_ = nullptr;
    QPushButton* selectAll_ = nullptr;
    QPushButton* saveClasses_ = nullptr;
    QPushButton* cancelClasses_ = nullptr;
    QAction* exit_ = nullptr;
    QAction* addJudgeAction_ = nullptr;
    QAction* changeClassesAction_ = nullptr;
};

// Opens the window modally (Tasks, "Specify Judge Assignments"; Databases,
// "Judge Assignments").
void openAssignJudgeWindow(Tdmod& data, QWidget* parent);
