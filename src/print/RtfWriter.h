#pragma once

#include "storage/Result.h"

#include <QByteArray>
#include <QPageLayout>
#include <QString>

class QTextDocument;

// Writes a listing as a rich-text (RTF) file that word processors open with
// its fonts, sizes, bold runs, tab stops and paragraphs, on Letter paper in
// the listing's orientation with the listing margins.
class RtfWriter
{
public:
    static QByteArray toRtf(const QTextDocument& text, QPageLayout::Orientation orientation);
    // Writes the file, or gives the reason (naming the file) it could not.
    static Done save(const QTextDocument& text, QPageLayout::Orientation orientation,
                     const QString& path);
};
