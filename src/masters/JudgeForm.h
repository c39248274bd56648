#pragma once

#include "ui/MasterTableWindow.h"

#include <QHash>

class JudgeSaveRules;
class QLineEdit;
class Tdmod;

// "Judges Data Base": browse and edit the judges, give a judge another
// program judge number, print their address list and labels, pack and
// remove-all.
class Tjudgeform : public MasterTableWindow
{
    Q_OBJECT
public:
    // The Judges table must be open.
    Tjudgeform(Tdmod& data, const KeyboardSettings& keyboard, QWidget* parent = nullptr);
    ~Tjudgeform() override;

    // The box of a field ("judgenum", "first", ...).
    QLineEdit* box(const QString& field) const { return boxes_.value(field); }
    QAction* modifyNumberAction() const { return modifyNumberAction_; }
    QAction* listAction() const { return listAction_; }
    QAction* labelsAction() const { return labelsAction_; }
    bool modifyingNumber() const;

    // "Modify Judge Number": the number box opens for typing in edit mode.
    void modifyJudgeNumber();
    // "List by Current Index": the judges list in the window's order.
    void showList();
    // "Address Labels".
    void showLabels();

protected:
    void saveRefused() override;
    void afterRecordShown() override;
    void closeWhileEditing() override;
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* addBox(const QString& field, const QString& caption, int row, int column);
    // The list and the labels walk the table; an edit is saved first.
    bool readyToWalk();
    // The number box opens for typing only while the number is being changed.
    void showNumberBox();

    Tdmod& data_;
    QHash<QString, QLineEdit*> boxes_;
    QAction* modifyNumberAction_;
    QAction* listAction_;
    QAction* labelsAction_;
    JudgeSaveRules* rules_;
};

// Opens the judges window modally from the main menu (Databases, Judges).
// Reports a Judges table that cannot be opened and does nothing else then.
void openJudgesWindow(Tdmod& data, const KeyboardSettings& keyboard, QWidget* parent);
