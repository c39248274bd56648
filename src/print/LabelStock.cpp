#include "print/LabelStock.h"

QString LabelStock::layoutText() const
{
    return QString::number(across) + " - Across -- " + QString::number(labelsPerSheet()) +
           " labels per page";
}

QRectF LabelStock::labelRect(LabelPosition position, LabelPlacement placement) const
{
    const double gridWidth = across * labelWidth + (across - 1) * gapAcross;
    const double gridLeft =
        placement == LabelPlacement::Centred ? (paperWidth - gridWidth) / 2 : leftMargin;
    const double left = gridLeft + (position.column - 1) * (labelWidth + gapAcross);
    const double top = topMargin + (position.row - 1) * (labelHeight + gapDown);
    return QRectF(left, top, labelWidth, labelHeight);
}

LabelPosition LabelStock::clamped(LabelPosition position) const
{
    if (position.row < 1 || position.row > down)
        position.row = 1;
    if (position.column < 1 || position.column > across)
        position.column = 1;
    return position;
}

const std::vector<LabelStock>& LabelStock::all()
{
    // Avery's published geometry; each row of every stock adds up to the
    // 215.9 x 279.4 mm of a Letter sheet.
    static const std::vector<LabelStock> stocks{
        {"Avery Labels #  5160", 3, 10, 66.7, 25.4, 4.8, 4.8, 12.7, 12.7, 3.1, 0},
        {"Avery Labels #  5267", 4, 20, 44.4, 12.7, 7.1, 7.2, 12.7, 12.7, 8.0, 0},
        {"Avery Labels #  5163", 2, 5, 101.6, 50.8, 4.0, 4.0, 12.7, 12.7, 4.7, 0},
        {"Confirmation slip", 1, 3, 192.4, 87.6, 10.2, 13.3, 7.6, 6.4, 0, 1.3},
    };
    return stocks;
}

const LabelStock& LabelStock::avery5160()
{
    return all()[0];
}
const LabelStock& LabelStock::avery5267()
{
    return all()[1];
}
const LabelStock& LabelStock::avery5163()
{
    return all()[2];
}
const LabelStock& LabelStock::confirmationSlip()
{
    return all()[3];
}
