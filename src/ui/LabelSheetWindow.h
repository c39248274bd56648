#pragma once

#include "print/LabelSheetTexts.h"
#include "print/LabelStock.h"

#include <QDialog>

#include <functional>

class LabelStartWidget;
class QAbstractButton;
class QLabel;
class QPagedPaintDevice;

// The window before a label run: how many labels and sheets, and which label
// of a partly used first sheet to start with. "Print " asks for the printer and
// hands it, with the start position, to the caller's print action; so does
// "Save as PDF" with a PDF file. The window closes after the action.
class LabelSheetWindow : public QDialog
{
    Q_OBJECT
public:
    using PrintAction = std::function<void(QPagedPaintDevice& device, LabelPosition start)>;

    LabelSheetWindow(const QString& caption, const LabelStock& stock, const LabelSheetTexts& texts,
                     QWidget* parent = nullptr);

    // A line above the counts that says what the run prints; none by default.
    void setIntroText(const QString& text);
    void setPrintAction(PrintAction action) { printAction_ = std::move(action); }

    int startLabel() const;
    LabelPosition startPosition() const;
    QAbstractButton* startButton(int label) const;

    // Runs the print action on device from the chosen start, then closes.
    void printTo(QPagedPaintDevice& device);
    // The same into a PDF file; a file that cannot be written is reported by name.
    bool printToPdf(const QString& path);

public slots:
    void print();
    void saveAsPdf();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLabel* intro_;
    LabelStartWidget* start_;
    PrintAction printAction_;
};
