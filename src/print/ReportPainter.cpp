#include "print/ReportPainter.h"

#include "print/PaperCanvas.h"

#include <QFont>
#include <QPageRanges>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

namespace
{

QFont deviceFont(const ReportFont& font)
{
    QFont result(font.family);
    result.setPointSizeF(font.pointSize);
    result.setBold(font.bold);
    return result;
}

QRectF scaled(const QRectF& rect, double factor)
{
    return {rect.x() * factor, rect.y() * factor, rect.width() * factor, rect.height() * factor};
}

} // namespace

void ReportPainter::paintPage(QPainter& painter, const ReportPage& page, double dotsPerMillimetre)
{
    // Cells are ruled on their edges; the text keeps a small gap from the rules.
    const double textInset = 0.6 * dotsPerMillimetre;
    for (const ReportPageItem& item : page.items) {
        QPen pen(Qt::black);
        pen.setWidthF(std::max(1.0, item.penWidth * dotsPerMillimetre));
        painter.setPen(pen);
        painter.setBrush(Qt::NoBrush);
        switch (item.kind) {
        case ReportPageItem::Kind::Line:
            painter.drawLine(
                QLineF(item.line.p1() * dotsPerMillimetre, item.line.p2() * dotsPerMillimetre));
            break;
        case ReportPageItem::Kind::Box:
            painter.drawRect(scaled(item.rect, dotsPerMillimetre));
            break;
        case ReportPageItem::Kind::Text: {
            if (item.text.isEmpty())
                break;
            painter.setFont(deviceFont(item.font));
            const QRectF rect =
                scaled(item.rect, dotsPerMillimetre).adjusted(textInset, 0, -textInset, 0);
            painter.save();
            painter.setClipRect(rect.adjusted(0, -textInset, 0, textInset));
            painter.drawText(rect, static_cast<int>(item.alignment) | Qt::TextSingleLine,
                             item.text);
            painter.restore();
            break;
        }
        }
    }
}

PrintOutcome ReportPainter::print(const ReportPages& pages, QPagedPaintDevice& device,
                                  const std::function<bool()>& aborted)
{
    PrintOutcome outcome;
    const QPageRanges chosen = device.pageRanges();
    PaperCanvas canvas(device);
    if (!canvas.isActive()) {
        outcome.deviceFailed = true;
        return outcome;
    }
    const double dotsPerMillimetre = canvas.dpi() / 25.4;
    for (int index = 0; index < pages.pages.size(); ++index) {
        if (!chosen.isEmpty() && !chosen.contains(index + 1))
            continue;
        if (aborted && aborted()) {
            outcome.aborted = true;
            return outcome;
        }
        if (outcome.pages > 0 && !canvas.newPage()) {
            outcome.deviceFailed = true;
            return outcome;
        }
        paintPage(canvas.painter(), pages.pages.at(index), dotsPerMillimetre);
        ++outcome.pages;
    }
    return outcome;
}
