#pragma once

#include "entry/FieldListChoice.h"

#include <QDialog>

class QLabel;
class QListWidget;
class QPushButton;

// "Field List Manager": the secretary picks the grid view's columns and their
// order between the lists "Displayed Fields" and "Hidden Fields". The window
// presents a FieldListChoice; every rule of the moves is there.
class TDualListDlg : public QDialog
{
    Q_OBJECT
public:
    explicit TDualListDlg(QWidget* parent = nullptr);
    ~TDualListDlg() override;

    // Shows the lists, with the buttons enabled as the lists allow.
    void setChoice(FieldListChoice choice);
    const FieldListChoice& choice() const { return choice_; }
    // Runs the window modally; the displayed fields when it closes, however
    // it was closed.
    QStringList run(FieldListChoice choice);

    QListWidget* displayedList() const { return displayed_; }
    QListWidget* hiddenList() const { return hidden_; }
    QPushButton* includeButton() const { return include_; }       // ">"
    QPushButton* includeAllButton() const { return includeAll_; } // ">>"
    QPushButton* excludeButton() const { return exclude_; }       // "<"
    QPushButton* excludeAllButton() const { return excludeAll_; } // "<<"
    QPushButton* okButton() const { return ok_; }

private:
    class DragList;
    void present();
    void takeSelection();
    void move(FieldListChoice::Side from, bool all);

    FieldListChoice choice_;
    bool presenting_ = false;
    QListWidget* displayed_;
    QListWidget* hidden_;
    QPushButton* include_;
    QPushButton* includeAll_;
    QPushButton* exclude_;
    QPushButton* excludeAll_;
    QPushButton* ok_;
};
