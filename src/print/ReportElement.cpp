#include "print/ReportElement.h"

#include <algorithm>

ReportElement ReportElement::text(const QRectF& rect, ReportValue value, ReportFont font,
                                  Qt::Alignment alignment)
{
    ReportElement element;
    element.rect = rect;
    element.value = std::move(value);
    element.font = std::move(font);
    element.alignment = alignment;
    return element;
}

ReportElement ReportElement::cell(const QRectF& rect, ReportValue value, ReportFont font,
                                  Qt::Alignment alignment)
{
    ReportElement element = text(rect, std::move(value), std::move(font), alignment);
    element.framed = true;
    return element;
}

ReportElement ReportElement::ruledLine(const QLineF& line, double penWidth)
{
    ReportElement element;
    element.kind = Kind::Line;
    element.line = line;
    element.penWidth = penWidth;
    return element;
}

ReportElement ReportElement::box(const QRectF& rect, double penWidth)
{
    ReportElement element;
    element.kind = Kind::Box;
    element.rect = rect;
    element.penWidth = penWidth;
    return element;
}

double ReportElement::bottom() const
{
    if (kind == Kind::Line)
        return std::max(line.y1(), line.y2());
    return rect.bottom();
}
