#pragma once

#include "print/LabelRun.h"
#include "print/LabelSheetTexts.h"
#include "print/LabelStock.h"

#include <QDialog>

#include <functional>

class LabelStartWidget;
class Messages;
class QAbstractButton;
class QLabel;

// The window before a label run: how many labels and sheets, and which label
// of a partly used first sheet to start with. "Print " asks for the printer
// and prints the caller's run from the chosen start; "Save as PDF" writes the
// same run to a PDF file. The window then tells the caller's done message and
// closes. Every question and file choice goes through `messages`.
class LabelSheetWindow : public QDialog
{
    Q_OBJECT
public:
    // The run of the caller's labels from a start position.
    using Labels = std::function<LabelRun(LabelPosition start)>;

    LabelSheetWindow(Messages& messages, const QString& caption, const LabelStock& stock,
                     const LabelSheetTexts& texts, QWidget* parent = nullptr);

    // A line above the counts that says what the run prints; none by default.
    void setIntroText(const QString& text);
    void setLabels(Labels labels) { labels_ = std::move(labels); }
    // Told after the labels printed or went to the PDF; nothing by default.
    void setDoneMessage(const QString& text) { doneMessage_ = text; }

    int startLabel() const;
    LabelPosition startPosition() const;
    QAbstractButton* startButton(int label) const;

public slots:
    void print();
    void saveAsPdf();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void finish();

    Messages& messages_;
    QLabel* intro_;
    LabelStartWidget* start_;
    Labels labels_;
    QString doneMessage_;
};
