#pragma once

#include "print/RichListing.h"

#include <QWidget>

class Messages;
class QAction;
class QTextEdit;
class QToolBar;

// The rich text a preview window shows in place of its options: editable,
// with a tool bar to save it as an RTF file (under the name it proposes) or
// a PDF, print it, copy, paste, cut, undo, and close the preview. What is
// saved or printed is the text as it stands, edits included, with the page
// header of the listing it was made from.
class RichPreviewWidget : public QWidget
{
    Q_OBJECT
public:
    RichPreviewWidget(Messages& messages, const QString& saveCaption, const QString& closeCaption,
                      QWidget* parent = nullptr);

    void showListing(const RichListing& listing, const QString& fileName);
    QTextEdit* editor() const { return editor_; }
    QToolBar* toolBar() const { return tools_; }
    QAction* action(const QString& caption) const;
    RichListing printout() const;

public slots:
    // False when cancelled or not written (which is told).
    bool saveToFile();
    bool saveAsPdf();
    void print();
    void copyAll();

signals:
    void closed();

private:
    Messages& messages_;
    QTextEdit* editor_;
    QToolBar* tools_;
    QString title_;
    QString header_;
    QString fileName_;
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
};
