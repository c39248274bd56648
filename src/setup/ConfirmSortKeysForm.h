#pragma once

#include <QDialog>

class QProgressBar;
class QPushButton;
class Tdmod;

// "Confirm Sort Keys ": gives every entry of the open show the sort key of
// its classes again, with a progress bar over the records.
class TConfirmSortKeysForm : public QDialog
{
    Q_OBJECT
public:
    // The open show's entry table must be open.
    TConfirmSortKeysForm(Tdmod& data, QWidget* parent = nullptr);

    QProgressBar* progressBar() const { return progress_; }
    QPushButton* startButton() const { return startButton_; }
    QPushButton* cancelButton() const { return cancelButton_; }

    void StartButtonClick();

private:
    Tdmod& data_;
    QProgressBar* progress_;
    QPushButton* startButton_;
    QPushButton* cancelButton_;
};

// Opens the window modally (Tasks, "Confirm Sort Keys"); tells the secretary
// when no show is open.
void openConfirmSortKeysWindow(Tdmod& data, QWidget* parent);
