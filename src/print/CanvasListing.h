#pragma once

#include "print/Printable.h"

#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>

class QFontMetricsF;

// A listing drawn line by line straight on the printer's page rather than
// laid out as rich text. Positions are in printer pixels (1/300 inch) from
// the top-left of the printable area; lines are counted from 1 at the top
// of the page, each as tall as the font's height times the line spacing.
struct CanvasListingLayout {
    // How a tab prints.
    enum class Tabs {
        // Each tab starts the next column: the fields of every line line up
        // under each other, an empty one leaving its column blank, and a
        // field too wide for its column goes on over the next lines inside it.
        Columns,
        // Set out as blanks to the next of every `blankTabWidth` characters,
        // as a plain-text area shows the text in a fixed-pitch font.
        Blanks,
    };

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
    Tabs tabs = Tabs::Columns;
    int blankTabWidth = 8;

    // The layout of the plain listings (judges' addresses, grouping codes):
    // lines 1.4 times the font's height, the heading on the third line at
    // 250/300 inch, the lines at 150/300 inch from the fifth line of the first
    // page and the fourth of the others, four lines of each page kept free.
    static CanvasListingLayout plainListing(const QString& heading, const QFont& font,
                                            Tabs tabs = Tabs::Columns);
};

// A plain listing as a printout: PDF or a text file of its lines, on Letter
// paper with a quarter-inch border, about what a printer cannot reach.
class CanvasListing : public Printable
{
public:
    static constexpr double printerPixelsPerInch = 300;

    CanvasListing(QString title, CanvasListingLayout layout, QStringList lines);

    const CanvasListingLayout& layout() const { return layout_; }
    // Where the second and later fields of the lines start (from the left of
    // the text) when every field has the room it needs: the tab stops that
    // line the lines up on a screen, which need not break them.
    static QList<double> columnStarts(const QStringList& lines, const QFontMetricsF& metrics);
    const QStringList& lines() const { return lines_; }

    QString title() const override { return title_; }
    static QList<PrintFormat> offered() { return {PrintFormat::Pdf, PrintFormat::Text}; }
    QList<PrintFormat> formats() const override { return offered(); }
    QPageLayout pageLayout() const override;

protected:
    // Nothing passes the right edge of the printable area: a line or field
    // too wide goes on over as many lines as it needs, broken at a blank
    // where it can be. A line that breaks is kept on one page when it fits.
    PrintOutcome paint(QPagedPaintDevice& device,
                       const std::function<bool()>& aborted) const override;
    // One line of the file to a line of the listing.
    Done writeFile(PrintFormat format, QIODevice& file, const QString& path) const override;

private:
    QString title_;
    CanvasListingLayout layout_;
    QStringList lines_;
};
