#pragma once

#include "print/ReportPrintout.h"

#include <QDialog>

class Messages;
class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

// Shows the laid-out pages of one report as they will print, one page at a
// time, with page navigation, zoom, printing (all pages or those chosen) and
// saving as PDF. Every question and file choice goes through `messages`.
class ReportPreviewWindow : public QDialog
{
    Q_OBJECT
public:
    ReportPreviewWindow(Messages& messages, ReportPages pages, QWidget* parent = nullptr);

    int currentPage() const { return current_; }
    int zoomPercent() const { return zoom_; }
    void showPage(int index);
    void setZoomPercent(int percent);
    const ReportPrintout& printout() const { return printout_; }

public slots:
    void print();
    bool saveAsPdf();

private:
    void render();
    void updateControls();
    const ReportPages& pages() const { return printout_.pages(); }

    Messages& messages_;
    ReportPrintout printout_;
    int current_ = 0;
    int zoom_ = 100;

    QPushButton* firstButton_ = nullptr;
    QPushButton* priorButton_ = nullptr;
    QPushButton* nextButton_ = nullptr;
    QPushButton* lastButton_ = nullptr;
    QLabel* pageLabel_ = nullptr;
    QComboBox* zoomBox_ = nullptr;
    QScrollArea* scrollArea_ = nullptr;
    QLabel* pageView_ = nullptr;
};
