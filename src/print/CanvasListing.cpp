#include "print/CanvasListing.h"

#include "print/OutputFile.h"

#include "print/PaperCanvas.h"

#include <QFontMetricsF>
#include <QPageSize>

#include <algorithm>
#include <cmath>

namespace
{

// How wide a line prints, tabs going to the next stop (every `tabStop`).
double printedWidth(const QString& text, const QFontMetricsF& metrics, double tabStop)
{
    double x = 0;
    const QStringList parts = text.split(u'\t');
    for (qsizetype i = 0; i < parts.size(); ++i) {
        x += metrics.horizontalAdvance(parts[i]);
        if (i + 1 < parts.size())
            x = (std::floor(x / tabStop) + 1) * tabStop;
    }
    return x;
}

// A line wider than the page would be cut at its edge: it goes on over as
// many lines as it needs, broken at a tab or a blank, each further part
// starting at the first tab stop.
QStringList fitted(const QStringList& lines, const QFontMetricsF& metrics, double tabStop,
                   double width)
{
    const auto fits = [&](const QString& text) {
        return printedWidth(text, metrics, tabStop) <= width;
    };
    QStringList result;
    for (QString rest : lines) {
        QString indent;
        while (!fits(indent + rest)) {
            qsizetype cut = rest.size() - 1;
            while (cut > 0 &&
                   !((rest[cut] == u'\t' || rest[cut] == u' ') && fits(indent + rest.left(cut))))
                --cut;
            if (cut <= 0)
                break; // a single word wider than the page prints as it is
            result << indent + rest.left(cut);
            rest = rest.mid(cut + 1);
            while (rest.startsWith(u' '))
                rest.remove(0, 1);
            indent = QStringLiteral("\t");
        }
        result << indent + rest;
    }
    return result;
}

} // namespace

CanvasListingLayout CanvasListingLayout::plainListing(const QString& heading, const QFont& font)
{
    CanvasListingLayout layout;
    layout.font = font;
    layout.lineSpacing = 1.4;
    layout.heading = heading;
    layout.headingLeft = 250;
    layout.headingLine = 3;
    layout.bodyLeft = 150;
    layout.firstBodyLine = 5;
    layout.laterFirstBodyLine = 4;
    layout.linesReserved = 4;
    return layout;
}

CanvasListing::CanvasListing(CanvasListingLayout layout, QStringList lines)
    : layout_(std::move(layout)), lines_(std::move(lines))
{
}

CanvasListingResult CanvasListing::print(QPagedPaintDevice& device,
                                         const std::function<bool()>& aborted) const
{
    CanvasListingResult result;
    PaperCanvas canvas(device);
    if (!canvas.isActive()) {
        result.deviceFailed = true;
        return result;
    }
    QPainter& painter = canvas.painter();
    painter.setFont(layout_.font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(layout_.font, &device);
    const double lineHeight = metrics.height() * layout_.lineSpacing;
    const QRectF printable = canvas.printableRect();
    const int linesOnPage = int(printable.height() / lineHeight);
    const int bodyLinesPerPage = std::max(1, linesOnPage - layout_.linesReserved);
    const double headingX =
        printable.left() + canvas.fromUnits(layout_.headingLeft, printerPixelsPerInch);
    const double bodyX =
        printable.left() + canvas.fromUnits(layout_.bodyLeft, printerPixelsPerInch);
    // The painter's tab stops: every 80 pixels of a 96-dpi screen.
    const double tabStop = 80 * device.logicalDpiX() / 96.0;
    const QStringList lines = fitted(lines_, metrics, tabStop, printable.right() - bodyX);
    // Text is placed by the top of its line, as on a printer's canvas.
    auto drawAt = [&](double x, int line, const QString& text) {
        const double top = printable.top() + (line - 1) * lineHeight;
        painter.drawText(QPointF(x, top + metrics.ascent()), text);
    };

    qsizetype next = 0;
    do {
        if (aborted && aborted()) {
            result.aborted = true;
            return result;
        }
        if (result.pages > 0 && !canvas.newPage()) {
            result.deviceFailed = true;
            return result;
        }
        ++result.pages;
        if (!layout_.heading.isEmpty())
            drawAt(headingX, layout_.headingLine, layout_.heading);
        const int firstLine =
            result.pages == 1 ? layout_.firstBodyLine : layout_.laterFirstBodyLine;
        for (int i = 0; i < bodyLinesPerPage && next < lines.size(); ++i, ++next)
            drawAt(bodyX, firstLine + i, lines[next]);
    } while (next < lines.size());
    return result;
}

Done CanvasListing::savePdf(const QString& path, const QString& title) const
{
    return savePdf(path, title, [this](QPagedPaintDevice& device) { return print(device); });
}

Done CanvasListing::savePdf(const QString& path, const QString& title,
                            const std::function<CanvasListingResult(QPagedPaintDevice&)>& draw)
{
    OutputFile::PdfSettings settings{title};
    settings.margins = QMarginsF(6.35, 6.35, 6.35, 6.35);
    return OutputFile::writePdf(path, settings, [&](QPagedPaintDevice& pdf) {
        return draw(pdf).deviceFailed
                   ? Done::failure("Cannot write " + path + ": the PDF could not be started")
                   : Done::success();
    });
}
