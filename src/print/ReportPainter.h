#pragma once

#include "print/ReportPage.h"
#include "storage/Result.h"

#include <QString>

class QPagedPaintDevice;
class QPainter;

// Paints laid-out pages through QPainter, so the same pages go to a PDF file,
// to a printer (which the window hands in as a paged device) and, one page at
// a time, to the preview.
class ReportPainter
{
public:
    // Paints pages `first` to `last` (0-based, inclusive; -1 for the last
    // page) on a device set to the report's paper with no margins of its own.
    // Throws dbf::Error when the device cannot be painted on.
    static void print(const ReportPages& pages, QPagedPaintDevice& device, int first = 0,
                      int last = -1);
    // Writes every page to a PDF file, or gives the reason, naming the file,
    // why it could not be written.
    static Done writePdf(const ReportPages& pages, const QString& fileName);
    // Paints one page with its top-left corner at the painter's origin;
    // `dotsPerMillimetre` is the device's resolution.
    static void paintPage(QPainter& painter, const ReportPage& page, double dotsPerMillimetre);
};
