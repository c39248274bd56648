#pragma once

#include <QDialog>

class DataRoot;
class Messages;
class QPagedPaintDevice;
class QPushButton;
class QTextEdit;

// The help text viewer: one help file, scrollable, with "Print Page" and
// "Close". Made for each use over the text already read, centred on the
// screen, and released when it closes.
class HelpViewerWindow : public QDialog
{
    Q_OBJECT
public:
    HelpViewerWindow(const QString& caption, Messages& messages, QWidget* parent = nullptr);

    QTextEdit* text() const { return text_; }
    QPushButton* printButton() const { return printButton_; }
    QPushButton* closeButton() const { return closeButton_; }

    // "Print Page": the standard print dialog, then the text.
    void print();
    // The text on a paper device, with the listings' margins and page
    // numbers. False when the device would not start.
    bool printTo(QPagedPaintDevice& device) const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    Messages& messages_;
    QTextEdit* text_;
    QPushButton* printButton_;
    QPushButton* closeButton_;
    bool shownBefore_ = false;
};

// Shows the help file `name` of the data root's help folder in the viewer,
// titled `caption`; a missing or unreadable file is told instead.
void showHelpFile(const DataRoot& root, Messages& messages, QStringView name,
                  const QString& caption, QWidget* parent);
