#include "print/LabelLayout.h"

#include "print/PaperCanvas.h"
#include "print/RecordSource.h"

#include <QFontMetricsF>
#include <QPen>

namespace
{

constexpr double layoutUnitsPerInch = 96;

}

LabelItem LabelItem::text(double left, double top, const QString& text, const QFont& font)
{
    LabelItem item;
    item.kind = Kind::Text;
    item.content = text;
    item.left = left;
    item.top = top;
    item.font = font;
    return item;
}

LabelItem LabelItem::field(double left, double top, const QString& field, const QFont& font)
{
    LabelItem item = text(left, top, field, font);
    item.kind = Kind::Field;
    return item;
}

LabelItem LabelItem::expressionItem(double left, double top, const QString& expression,
                                    const QFont& font)
{
    LabelItem item = text(left, top, expression, font);
    item.kind = Kind::Expression;
    item.expression.emplace(expression);
    return item;
}

LabelItem LabelItem::line(double left, double top, double length, const QColor& colour,
                          Qt::PenStyle style)
{
    LabelItem item;
    item.kind = Kind::Line;
    item.left = left;
    item.top = top;
    item.width = length;
    item.lineColour = colour;
    item.lineStyle = style;
    return item;
}

LabelItem& LabelItem::alignedIn(double width, Qt::Alignment alignment)
{
    this->width = width;
    this->alignment = alignment;
    return *this;
}

QString LabelItem::textFor(const SourceRow& record) const
{
    switch (kind) {
    case Kind::Text:
        return content;
    case Kind::Field:
        return record.text(content);
    case Kind::Expression:
        return expression->evaluate(record);
    case Kind::Line:
        break;
    }
    return {};
}

QFont labelFont(double points, bool bold)
{
    QFont font("Arial");
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

LabelItem& LabelLayout::add(LabelItem item)
{
    items_.push_back(std::move(item));
    return items_.back();
}

LabelItem* LabelLayout::find(const QString& content)
{
    for (LabelItem& item : items_)
        if (item.kind != LabelItem::Kind::Line && item.content == content)
            return &item;
    return nullptr;
}

void LabelLayout::paint(PaperCanvas& canvas, const QRectF& label, const SourceRow& record) const
{
    QPainter& painter = canvas.painter();
    painter.save();
    painter.setClipRect(label);
    for (const LabelItem& item : items_) {
        if (item.hidden)
            continue;
        const double x = label.left() + canvas.fromUnits(item.left, layoutUnitsPerInch);
        const double y = label.top() + canvas.fromUnits(item.top, layoutUnitsPerInch);
        const double width =
            item.width > 0 ? canvas.fromUnits(item.width, layoutUnitsPerInch) : label.right() - x;
        if (item.kind == LabelItem::Kind::Line) {
            QPen pen(item.lineColour, canvas.dpi() / layoutUnitsPerInch, item.lineStyle);
            painter.setPen(pen);
            painter.drawLine(QPointF(x, y), QPointF(x + width, y));
            continue;
        }
        const QString text = item.textFor(record);
        if (text.isEmpty())
            continue;
        painter.setFont(item.font);
        painter.setPen(Qt::black);
        const QFontMetricsF metrics(item.font, &canvas.device());
        painter.drawText(QRectF(x, y, width, metrics.height()),
                         int(item.alignment | Qt::AlignTop | Qt::TextSingleLine), text);
    }
    painter.restore();
}
