#pragma once

#include "preparation/CatalogPrintout.h"
#include "preparation/CatalogSelectionForm.h"

class ChoiceGroupWidget;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QSpinBox;

// The printed catalog's window, booklet or full page: the section tabs and
// class check list, the print options (the stored ones read when it is made
// and written when it is left with "Save These Settings" ticked), and
// "&Print", "Save as P&DF" and "Cl&ose".
class TCatalogPrintForm : public CatalogSelectionForm
{
    Q_OBJECT
public:
    CatalogLayout layout() const { return layout_; }

    // The options as they stand.
    CatalogPageOptions options() const;
    void setSettings(const CatalogPrintSettings& settings);
    bool resultsChosen() const;

    ChoiceGroupWidget* clubNameChoice() const { return clubName_; }
    ChoiceGroupWidget* showDateChoice() const { return showDate_; }
    ChoiceGroupWidget* eachPageChoice() const { return eachPage_; }
    ChoiceGroupWidget* startSideChoice() const { return startSide_; }
    ChoiceGroupWidget* resultsChoice() const { return results_; }
    QCheckBox* classBreaksBox() const { return classBreaks_; }
    QCheckBox* catBreakBox() const { return catBreak_; }
    QSpinBox* classLinesBox() const { return classLines_; }
    QSpinBox* catLinesBox() const { return catLines_; }
    QSpinBox* footerLinesBox() const { return footerLines_; }
    QSpinBox* placeLinesBox() const { return placeLines_; }
    QSpinBox* entryLinesBox() const { return entryLines_; }
    QCheckBox* boldBox() const { return bold_; }
    QCheckBox* capsBox() const { return caps_; }
    QCheckBox* saveBox() const { return save_; }
    QLineEdit* startPageEdit() const { return startPage_; }
    QCheckBox* noPageNumbersBox() const { return noPageNumbers_; }
    QLabel* scoresNote() const { return scoresNote_; }
    QPushButton* printButton() const { return print_; }
    QPushButton* closeButton() const { return close_; }

    // The printout of the ticked classes; nothing after "No Classes have
    // been selected".
    std::optional<CatalogPrintout> printout();

public slots:
    void print();
    // False when nothing is ticked, or when cancelled or not written.
    bool saveAsPdf();
    void restoreDefaults();

protected:
    TCatalogPrintForm(Tdmod& data, CatalogLayout layout,
                      std::optional<ClassCodes::Section> resultsSection, QWidget* parent);
    void opened() override;
    bool event(QEvent* event) override;
    void done(int result) override;

private:
    void saveSettings();
    void breaksChanged();

    CatalogLayout layout_;
    ChoiceGroupWidget* clubName_;
    ChoiceGroupWidget* showDate_;
    ChoiceGroupWidget* eachPage_;
    ChoiceGroupWidget* startSide_;
    ChoiceGroupWidget* results_;
    QCheckBox* classBreaks_;
    QCheckBox* catBreak_;
    QSpinBox* classLines_;
    QSpinBox* catLines_;
    QSpinBox* footerLines_;
    QSpinBox* placeLines_;
    QSpinBox* entryLines_;
    QCheckBox* bold_;
    QCheckBox* caps_;
    QCheckBox* save_;
    QLineEdit* startPage_;
    QCheckBox* noPageNumbers_;
    QLabel* scoresNote_;
    QPushButton* print_;
    QPushButton* close_;
};

// "Exhibitor Catalog - Booklet Format  (5 1/2 x 8 1/2")".
class TCatalogBookletForm1 : public TCatalogPrintForm
{
    Q_OBJECT
public:
    TCatalogBookletForm1(Tdmod& data, std::optional<ClassCodes::Section> resultsSection = {},
                         QWidget* parent = nullptr);
};

// "Exhibitor Catalog - Full Page Format  (8 1/2 x 11")".
class TCatalogFullPageForm1 : public TCatalogPrintForm
{
    Q_OBJECT
public:
    TCatalogFullPageForm1(Tdmod& data, std::optional<ClassCodes::Section> resultsSection = {},
                          QWidget* parent = nullptr);
};

// Open the windows modally (Reports, Catalog), or from a score window in
// results mode for its section.
void openCatalogBookletWindow(Tdmod& data, QWidget* parent,
                              std::optional<ClassCodes::Section> resultsSection = {});
void openCatalogFullPageWindow(Tdmod& data, QWidget* parent,
                               std::optional<ClassCodes::Section> resultsSection = {});
