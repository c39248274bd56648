#pragma once

#include "print/ReportFont.h"
#include "print/ReportValue.h"

#include <QLineF>
#include <QRectF>

// One thing a band prints: a text in its rectangle (clipped to it, and ruled
// round when framed), a ruled line, or a box. Positions are millimetres from
// the band's top-left corner (the column's, in a detail of two columns).
struct ReportElement {
    enum class Kind { Text, Line, Box };

    Kind kind = Kind::Text;
    QRectF rect;
    ReportValue value;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    bool framed = false;
    QLineF line;
    double penWidth = 0.25; // millimetres

    static ReportElement text(const QRectF& rect, ReportValue value, ReportFont font = {},
                              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    // A text ruled round, as the cells of the ruled listings.
    static ReportElement cell(const QRectF& rect, ReportValue value, ReportFont font = {},
                              Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter);
    static ReportElement ruledLine(const QLineF& line, double penWidth = 0.25);
    static ReportElement box(const QRectF& rect, double penWidth = 0.25);

    // Lowest point the element reaches, for bands that grow with their content.
    double bottom() const;
};
