#include "print/CanvasListing.h"

#include "print/PaperCanvas.h"

#include <QFile>
#include <QFontMetricsF>
#include <QPageSize>
#include <QPdfWriter>

#include <algorithm>

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
        for (int i = 0; i < bodyLinesPerPage && next < lines_.size(); ++i, ++next)
            drawAt(bodyX, firstLine + i, lines_[next]);
    } while (next < lines_.size());
    return result;
}

bool CanvasListing::savePdf(const QString& path, const QString& title, QString* error) const
{
    return savePdf(path, title, error, [this](QPagedPaintDevice& device) { return print(device); });
}

bool CanvasListing::savePdf(const QString& path, const QString& title, QString* error,
                            const std::function<CanvasListingResult(QPagedPaintDevice&)>& draw)
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = "Cannot write " + path + ": " + file.errorString();
        return false;
    }
    QPdfWriter writer(&file);
    writer.setTitle(title);
    writer.setPageSize(QPageSize(QPageSize::Letter));
    writer.setPageMargins(QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
    if (draw(writer).deviceFailed) {
        *error = "Cannot write " + path;
        return false;
    }
    return true;
}
