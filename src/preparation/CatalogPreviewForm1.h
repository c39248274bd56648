#pragma once

#include "preparation/CatalogPreviewPrintout.h"
#include "preparation/CatalogSelectionForm.h"

class ChoiceGroupWidget;
class QPushButton;
class QSpinBox;
class RichPreviewWidget;

// "Exhibitor Catalog - PreView ": the section tabs and class check list
// with the preview's options; "&Preview" puts the catalog of the ticked
// classes as rich text in their place, to save as "Obedience.rtf" or
// "Rally.rtf", print or edit, until "Close Preview" brings them back.
class TCatalogPreviewForm1 : public CatalogSelectionForm
{
    Q_OBJECT
public:
    TCatalogPreviewForm1(Tdmod& data, std::optional<ClassCodes::Section> resultsSection = {},
                         QWidget* parent = nullptr);

    CatalogPreviewOptions options() const;
    bool resultsChosen() const;

    ChoiceGroupWidget* clubNameChoice() const { return clubName_; }
    ChoiceGroupWidget* showDateChoice() const { return showDate_; }
    ChoiceGroupWidget* capsChoice() const { return caps_; }
    ChoiceGroupWidget* resultsChoice() const { return results_; }
    QSpinBox* groupLinesBox() const { return groupLines_; }
    QSpinBox* classLinesBox() const { return classLines_; }
    QSpinBox* footerLinesBox() const { return footerLines_; }
    QSpinBox* entryLinesBox() const { return entryLines_; }
    QPushButton* previewButton() const { return preview_; }
    QWidget* selection() const { return selection_; }
    RichPreviewWidget* previewText() const { return text_; }

public slots:
    // False when no class is ticked.
    bool preview();
    void closePreview();

protected:
    void opened() override;

private:
    ChoiceGroupWidget* clubName_;
    ChoiceGroupWidget* showDate_;
    ChoiceGroupWidget* caps_;
    ChoiceGroupWidget* results_;
    QSpinBox* groupLines_;
    QSpinBox* classLines_;
    QSpinBox* footerLines_;
    QSpinBox* entryLines_;
    QPushButton* preview_;
    QWidget* selection_;
    RichPreviewWidget* text_;
};

// Opens the window modally (Reports, Catalog), or from a score window in
// results mode for its section.
void openCatalogPreviewWindow(Tdmod& data, QWidget* parent,
                              std::optional<ClassCodes::Section> resultsSection = {});
