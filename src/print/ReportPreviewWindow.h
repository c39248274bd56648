#pragma once

#include "print/ReportPage.h"

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
class QScrollArea;

// Shows the laid-out pages of one report as they will print, one page at a
// time, with page navigation, zoom, printing and saving as PDF.
class ReportPreviewWindow : public QDialog
{
    Q_OBJECT
public:
    explicit ReportPreviewWindow(ReportPages pages, QWidget* parent = nullptr);

    int currentPage() const { return current_; }
    int zoomPercent() const { return zoom_; }
    void showPage(int index);
    void setZoomPercent(int percent);

private:
    void render();
    void updateControls();
    void print();
    void saveAsPdf();

    ReportPages pages_;
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
