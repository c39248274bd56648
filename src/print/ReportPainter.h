#pragma once

#include "print/Printable.h"
#include "print/ReportPage.h"

class QPagedPaintDevice;
class QPainter;

// Paints laid-out pages through QPainter, so the same pages go to a PDF file,
// to a printer and, one page at a time, to the preview.
class ReportPainter
{
public:
    // Paints the pages the device's page ranges choose (every page when it
    // has none) on a device set to the report's paper, its corner the
    // origin; `aborted` is asked before each page.
    static PrintOutcome print(const ReportPages& pages, QPagedPaintDevice& device,
                              const std::function<bool()>& aborted = {});
    // Paints one page with its top-left corner at the painter's origin;
    // `dotsPerMillimetre` is the device's resolution.
    static void paintPage(QPainter& painter, const ReportPage& page, double dotsPerMillimetre);
};
