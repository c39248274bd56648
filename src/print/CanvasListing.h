#pragma once

#include "storage/Result.h"

#include <QFont>
#include <QString>
#include <QStringList>

#include <functional>

class QPagedPaintDevice;

// A listing drawn line by line straight on the printer's page rather than
// laid out as rich text. Positions are in printer pixels (1/300 inch) from
// the top-left of the printable area; lines are counted from 1 at the top
// of the page, each as tall as the font's height times the line spacing.
struct CanvasListingLayout {
    QFont font;
    double lineSpacing = 1.4;
    QString heading; // repeated on every page; none when empty
    double headingLeft = 0;
    int headingLine = 1;
    double bodyLeft = 0;
    int firstBodyLine = 2;      // on the first page
    int laterFirstBodyLine = 2; // on the pages after it
    // The body lines a page holds are the page's height in lines less these.
    int linesReserved = 0;

    // The layout of the plain listings (judges' addresses, grouping codes):
    // lines 1.4 times the font's height, the heading on the third line at
    // 250/300 inch, the lines at 150/300 inch from the fifth line of the first
    // page and the fourth of the others, four lines of each page kept free.
    static CanvasListingLayout plainListing(const QString& heading, const QFont& font);
};

struct CanvasListingResult {
    int pages = 0;
    bool aborted = false;
    bool deviceFailed = false;
};

class CanvasListing
{
public:
    static constexpr double printerPixelsPerInch = 300;

    CanvasListing(CanvasListingLayout layout, QStringList lines);

    const CanvasListingLayout& layout() const { return layout_; }
    const QStringList& lines() const { return lines_; }

    // Prints every line, a line wider than the page going on over as many
    // lines as it needs; aborted, when given, is asked before each page and
    // true ends the job there.
    CanvasListingResult print(QPagedPaintDevice& device,
                              const std::function<bool()>& aborted = {}) const;
    // On Letter paper with a quarter-inch border, about what a printer cannot reach.
    Done savePdf(const QString& path, const QString& title) const;
    // The same paper for a listing that lays itself out: draw prints it on the
    // PDF writer. Gives the reason, naming the file, when it cannot be written.
    static Done savePdf(const QString& path, const QString& title,
                        const std::function<CanvasListingResult(QPagedPaintDevice&)>& draw);

private:
    CanvasListingLayout layout_;
    QStringList lines_;
};
