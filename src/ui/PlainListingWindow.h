#pragma once

#include "print/CanvasListing.h"

#include <QDialog>
#include <QStringList>

class Messages;
class QPlainTextEdit;
class QPushButton;

// A plain-text listing that prints straight on the printer's page (the
// judges' addresses, the catalog grouping codes), in an editable text area
// of its own: "&Save As" (a text file), "Save as &PDF", "&Print", "E&xit" and
// the close button, and the editing commands. What is saved or printed is
// the text as it stands, edits included, through the listing's own layout.
// Every question and file choice goes through `messages`.
class PlainListingWindow : public QDialog
{
    Q_OBJECT
public:
    // `listing` gives the lines, their printing and the title; the text area
    // shows the lines in the listing's font at 10 points.
    PlainListingWindow(Messages& messages, const QString& caption, CanvasListing listing,
                       const QString& closeCaption, QWidget* parent = nullptr);

    QPlainTextEdit* editor() const { return editor_; }
    QPushButton* closeButton() const { return closeButton_; }
    // The lines as they stand in the text area.
    QStringList lines() const;
    // The listing of those lines.
    CanvasListing printout() const;

public slots:
    // Each is false when cancelled or when the output failed (which is told).
    bool saveAs();
    bool saveAsPdf();
    void print();
    // "&Copy": selects everything and copies it.
    void copyAll();

protected:
    Messages& messages() const { return messages_; }
    // Told what came of printing; the listing says nothing by default.
    virtual void printed(const PrintOutcome&) {}

private:
    void lineUpTabs();

    Messages& messages_;
    CanvasListing listing_;
    QPlainTextEdit* editor_;
    QPushButton* closeButton_;
};
