#pragma once

#include "setup/CatGroupListing.h"

#include <QDialog>

class Messages;
class QAction;
class QPlainTextEdit;
class QPushButton;

// "List of Catalog Grouping Codes": one of the two listings of the catalog
// groupings as plain text the secretary may edit before saving or printing.
class TCatGrpListForm : public QDialog
{
    Q_OBJECT
public:
    // Builds the listing from the groupings as they are now.
    TCatGrpListForm(dbf::Table& groups, CatGroupListing::Kind kind, Messages& messages,
                    QWidget* parent = nullptr);

    QPlainTextEdit* editor() const { return editor_; }
    QPushButton* closeButton() const { return closeButton_; }
    // The lines as they stand in the text area, edits included.
    QStringList lines() const;

    // "&Save As": asks for a .txt file and writes the lines; false when
    // cancelled or when the file cannot be written (which is shown).
    bool SaveAsClick();
    // "&Print": the print dialog, then the lines on the printer.
    void PrintClick();

private:
    Messages& messages_;
    QPlainTextEdit* editor_;
    QPushButton* closeButton_;
};
