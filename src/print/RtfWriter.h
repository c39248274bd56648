#pragma once

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
    // False with the reason (naming the file) in error.
    static bool save(const QTextDocument& text, QPageLayout::Orientation orientation,
                     const QString& path, QString* error);
};
