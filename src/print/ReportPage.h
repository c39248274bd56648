#pragma once

#include "print/ReportFont.h"

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>

// A laid-out page, free of any device: every item has its final text and its
// place in millimetres from the paper's top-left corner.
struct ReportPageItem {
    enum class Kind { Text, Line, Box };

    Kind kind = Kind::Text;
    QRectF rect;
    QLineF line;
    QString text;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter;
    double penWidth = 0.25;
};

struct ReportPage {
    // Within the page set: groups that restart page numbers begin a new set.
    int number = 1;
    int count = 1;
    QList<ReportPageItem> items;

    // The texts of the page in the order they were laid out, for tests and
    // for finding what a page holds.
    QStringList texts() const;
};

struct ReportPages {
    QString title;
    QSizeF paperSize;
    QList<ReportPage> pages;
};
