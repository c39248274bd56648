#pragma once

#include "print/ReportPage.h"
#include "storage/Result.h"

#include <QDialog>

class ChoiceBoxWidget;
class QPushButton;
class RallyClassPickerWidget;
class Tdmod;

// The layout both rally printing windows share (the score-box sheets and
// the judge's book): the classes of a trial to choose, one option box,
// "Preview && Print" and "Close", and the File menu's "Exit". The chosen
// classes print to the preview, from which they go to the printer.
class RallyClassesForm : public QDialog
{
    Q_OBJECT
public:
    RallyClassPickerWidget* picker() const { return picker_; }
    ChoiceBoxWidget* option() const { return option_; }
    QPushButton* previewButton() const { return preview_; }
    QPushButton* closeButton() const { return close_; }

    // "Preview && Print".
    void PreviewClick();

protected:
    RallyClassesForm(Tdmod& data, const QString& caption, ChoiceBoxWidget* option, QWidget* parent);
    // The pages of the classes chosen in the trial, or why there are none.
    virtual Result<ReportPages> print(int trial, const QStringList& classKeys) = 0;

    Tdmod& data_;

private:
    RallyClassPickerWidget* picker_;
    ChoiceBoxWidget* option_;
    QPushButton* preview_;
    QPushButton* close_;
};
