#pragma once

#include "preparation/ExhibitorIndexPrintout.h"

#include <QDialog>

#include <optional>

class ExhibitorOptionsWidget;
class QPushButton;
class Tdmod;

// "Exhibitor Index": the printed index as a booklet page pair or a full
// page, with its options, "Print", "Save as PDF" and "Close".
class TExhibitorIndexForm : public QDialog
{
    Q_OBJECT
public:
    TExhibitorIndexForm(Tdmod& data, BookletSheets::Format format, QWidget* parent = nullptr);

    ExhibitorOptionsWidget* optionsWidget() const { return options_; }
    QPushButton* printButton() const { return print_; }
    // The index as the options stand; nothing after the message when the
    // show offers no class of the chosen section.
    std::optional<ExhibitorIndexPrintout> printout();

public slots:
    void print();
    bool saveAsPdf();

protected:
    bool event(QEvent* event) override;

private:
    Tdmod& data_;
    BookletSheets::Format format_;
    ExhibitorOptionsWidget* options_;
    QPushButton* print_;
};

// Opens the window modally (Reports, Exhibitor Index).
void openExhibitorIndexWindow(Tdmod& data, BookletSheets::Format format, QWidget* parent);
