#pragma once

#include "print/LabelExpression.h"

#include <QColor>
#include <QFont>
#include <QString>

#include <optional>
#include <vector>

class SourceRow;
class PaperCanvas;
class QRectF;

// One item on a label. Positions and lengths are in 1/96 inch from the
// label's top-left corner.
struct LabelItem {
    enum class Kind { Text, Field, Expression, Line };

    Kind kind = Kind::Text;
    QString content; // the fixed text or the field name
    std::optional<LabelExpression> expression;
    double left = 0;
    double top = 0;
    // The width the text is aligned in (or the length of a line); 0 reaches
    // to the label's right edge.
    double width = 0;
    Qt::Alignment alignment = Qt::AlignLeft;
    QFont font;
    bool hidden = false;
    QColor lineColour = Qt::black;
    Qt::PenStyle lineStyle = Qt::SolidLine;

    static LabelItem text(double left, double top, const QString& text, const QFont& font);
    static LabelItem field(double left, double top, const QString& field, const QFont& font);
    // Throws dbf::Error when the expression does not parse.
    static LabelItem expressionItem(double left, double top, const QString& expression,
                                    const QFont& font);
    static LabelItem line(double left, double top, double length, const QColor& colour,
                          Qt::PenStyle style);

    LabelItem& alignedIn(double width, Qt::Alignment alignment);
    QString textFor(const SourceRow& record) const;
};

// The printed labels' typeface.
QFont labelFont(double points, bool bold = false);

// The items of one label, painted for the current record of a run.
class LabelLayout
{
public:
    LabelItem& add(LabelItem item);
    std::vector<LabelItem>& items() { return items_; }
    const std::vector<LabelItem>& items() const { return items_; }
    // The item that shows a field or expression, to hide or change it for one run.
    LabelItem* find(const QString& content);

    // Paints the items inside label (device pixels of the canvas), clipped
    // to it so that a long text cannot run onto the next label.
    void paint(PaperCanvas& canvas, const QRectF& label, const SourceRow& record) const;

private:
    std::vector<LabelItem> items_;
};
