#pragma once

#include <QRectF>
#include <QString>

#include <vector>

// A row and column on a label sheet, both counted from 1.
struct LabelPosition {
    int row = 1;
    int column = 1;
    bool operator==(const LabelPosition&) const = default;
};

// Whether a run centres the grid of labels across the paper or puts its first
// column at the stock's own left margin, measured from the paper's edge.
enum class LabelPlacement { Centred, LeftMargin };

// One sheet of labels on US Letter paper. All lengths are in millimetres.
struct LabelStock {
    QString caption;
    int across = 1;
    int down = 1;
    double labelWidth = 0;
    double labelHeight = 0;
    double leftMargin = 0;
    double rightMargin = 0;
    double topMargin = 0;
    double bottomMargin = 0;
    double gapAcross = 0;
    double gapDown = 0;

    static constexpr double paperWidth = 215.9;
    static constexpr double paperHeight = 279.4;

    int labelsPerSheet() const { return across * down; }
    // "3 - Across -- 30 labels per page", shown beside the start-label grid.
    QString layoutText() const;
    // The label at a position (inside the sheet), in millimetres from the
    // paper's top-left corner.
    QRectF labelRect(LabelPosition position, LabelPlacement placement) const;
    // A start position outside the sheet counts as row or column 1, each on its own.
    LabelPosition clamped(LabelPosition position) const;

    static const LabelStock& avery5160();
    static const LabelStock& avery5267();
    static const LabelStock& avery5163();
    static const LabelStock& confirmationSlip();
    static const std::vector<LabelStock>& all();
};
