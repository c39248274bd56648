#pragma once

#include "ShowDatesEditor.h"

#include <QDialog>

#include <array>

class Tdmod;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;
class QTabWidget;
class QWidget;
class RecordNavigatorWidget;

// "Show Dates And Classes Offered": creates a show (new-show mode) or edits the
// dates and offered classes of the shows already made (edit mode). It only
// shows the editor's record and hands every change and button to it.
class TShowDatesForm2 : public QDialog
{
    Q_OBJECT
public:
    TShowDatesForm2(Tdmod& data, bool newShow, QWidget* parent = nullptr);

    // False when edit mode found no show to edit (the user was told); the
    // window should not be shown then.
    bool ready() const { return ready_; }
    bool showCreated() const { return editor_.showCreated(); }

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct TrialPage {
        QLineEdit* date = nullptr;
        QLineEdit* obedienceEvent = nullptr;
        QLineEdit* rallyEvent = nullptr;
        std::array<QCheckBox*, ShowDatesClassBoxes::kCount> boxes{};
    };

    QWidget* buildHeader();
    QWidget* buildTrialPage(int trial);
    QWidget* buildButtons();
    void connectTrialPage(int trial);
    void refresh();
    void save();
    void cancel();
    void closeWindow();
    void move(ShowDatesEditor::Move move);
    // Puts the focus back on a field the user must fix, once the message is gone.
    void refocus(QWidget* field);

    ShowDatesEditor editor_;
    bool ready_ = true;
    bool shownBefore_ = false;

    QLineEdit* showNumber_ = nullptr;
    QLineEdit* firstDate_ = nullptr;
    QSpinBox* trials_ = nullptr;
    QTabWidget* tabs_ = nullptr;
    std::array<TrialPage, ClassCodes::maxTrials> pages_;
    RecordNavigatorWidget* navigator_ = nullptr;
    QPushButton* editButton_ = nullptr;
    QPushButton* saveButton_ = nullptr;
    QPushButton* cancelButton_ = nullptr;
    QPushButton* findButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* specifyButton_ = nullptr;
    QLabel* recordStatus_ = nullptr;
    QLabel* indexStatus_ = nullptr;
};

// File, "New Show" (newShow true) and Databases, "Show Dates " (false): closes
// the open show for a new one, shows the window modally, and returns true when
// a new show was created; that show is then open.
bool openShowDatesWindow(Tdmod& data, QWidget* parent, bool newShow);
