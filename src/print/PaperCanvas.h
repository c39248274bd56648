#pragma once

#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>

// A painter on a printer or PDF page whose coordinates start at the paper's
// top-left corner, in the device's own pixels. A printer's painter starts at
// the edge of its printable area instead; label stocks are measured from the
// paper's edge, so every page painter here works in paper coordinates.
class PaperCanvas
{
public:
    explicit PaperCanvas(QPagedPaintDevice& device);
    PaperCanvas(const PaperCanvas&) = delete;
    PaperCanvas& operator=(const PaperCanvas&) = delete;

    // False when the device would not start a job (a printer that went away,
    // a PDF file that cannot be written).
    bool isActive() const { return painter_.isActive(); }
    QPainter& painter() { return painter_; }
    QPaintDevice& device() { return device_; }
    bool newPage();

    double dpi() const { return dpi_; }
    double fromMillimetres(double mm) const { return mm * dpi_ / 25.4; }
    // Lengths in units of 1/perInch inch: 96 for label layouts, 300 for printer pixels.
    double fromUnits(double value, double perInch) const { return value * dpi_ / perInch; }

    QRectF paperRect() const { return paper_; }
    QRectF printableRect() const { return printable_; }

private:
    QPagedPaintDevice& device_;
    QPainter painter_;
    double dpi_ = 0;
    QRectF paper_;
    QRectF printable_;
};
