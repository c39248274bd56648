#pragma once

#include "print/RichListing.h"

#include <QDialog>

class Messages;
class QHBoxLayout;
class QPushButton;
class QTextDocument;
class QTextEdit;

// A listing in an editable rich-text area of its own, titled with the
// listing's title. What is saved or printed is the text as it stands, edits
// included: "Print", "Save as PDF" and "Save As" (rich text) all print the
// same document. Every question and file choice goes through `messages`.
class TextListingWindow : public QDialog
{
    Q_OBJECT
public:
    TextListingWindow(Messages& messages, const RichListing& listing, QWidget* parent = nullptr);

    QTextEdit* editor() const { return editor_; }
    QTextDocument* document() const;
    // A further button beside "Close" ("Send Email" on the confirmations).
    QPushButton* addButton(const QString& caption);
    // The listing as it stands now.
    RichListing printout() const;

public slots:
    // "Save As": a rich-text file of the chosen name.
    void saveAs();
    void saveAsPdf();
    void print();
    // "Copy": selects everything and copies it.
    void copyAll();

private:
    Messages& messages_;
    QString title_;
    QString pageHeader_;
    QPageLayout::Orientation orientation_;
    QTextEdit* editor_;
    QHBoxLayout* buttons_;
};
