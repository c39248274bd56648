#pragma once

#include <QDialog>
#include <QPageLayout>

class QHBoxLayout;
class QPushButton;
class QTextDocument;
class QTextEdit;
class RichListing;

// A listing in an editable rich-text area of its own. What is saved or
// printed is the text as it stands, edits included; "Print", "Save as PDF"
// and "Save As" (RTF) all start from the same document.
class TextListingWindow : public QDialog
{
    Q_OBJECT
public:
    TextListingWindow(const QString& caption, const RichListing& listing,
                      QWidget* parent = nullptr);

    QTextEdit* editor() const { return editor_; }
    QTextDocument* document() const;
    QPageLayout::Orientation orientation() const { return orientation_; }
    // A further button beside "Close" ("Send Email" on the confirmations).
    QPushButton* addButton(const QString& caption);

    // Write the listing to path; a failure is shown to the user, naming the file.
    bool saveRtf(const QString& path);
    bool savePdf(const QString& path);

public slots:
    void saveAs();
    void saveAsPdf();
    void print();
    void copyAll();

private:
    QTextEdit* editor_;
    QPageLayout::Orientation orientation_;
    QHBoxLayout* buttons_;
};
