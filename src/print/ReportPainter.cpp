#include "print/ReportPainter.h"

#include "print/OutputFile.h"

#include "dbf/Error.h"

#include <QFont>
#include <QPageLayout>
#include <QPageSize>
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

void ReportPainter::print(const ReportPages& pages, QPagedPaintDevice& device, int first, int last)
{
    if (pages.pages.isEmpty())
        return;
    if (last < 0 || last >= pages.pages.size())
        last = static_cast<int>(pages.pages.size()) - 1;
    first = std::clamp(first, 0, last);

    device.setPageLayout(QPageLayout(QPageSize(pages.paperSize, QPageSize::Millimeter),
                                     QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                                     QPageLayout::Millimeter));
    QPainter painter;
    if (!painter.begin(&device))
        throw dbf::Error(QStringLiteral("The report \"%1\" cannot be printed: the printer or "
                                        "file did not accept it")
                             .arg(pages.title)
                             .toStdString());
    const double dotsPerMillimetre = device.logicalDpiX() / 25.4;
    for (int index = first; index <= last; ++index) {
        if (index > first)
            device.newPage();
        paintPage(painter, pages.pages.at(index), dotsPerMillimetre);
    }
    painter.end();
}

Done ReportPainter::writePdf(const ReportPages& pages, const QString& fileName)
{
    OutputFile::PdfSettings settings{pages.title};
    settings.resolution = 600;
    return OutputFile::writePdf(fileName, settings, [&](QPagedPaintDevice& pdf) {
        print(pages, pdf);
        return Done::success();
    });
}
