#pragma once

#include <QByteArray>
#include <QPageLayout>

class QTextDocument;

// A listing as a rich-text (RTF) file that word processors open with its
// fonts, sizes, bold runs, tab stops, paragraphs and tables, on Letter paper
// in the listing's orientation with the listing margins.
class RtfWriter
{
public:
    static QByteArray toRtf(const QTextDocument& text, QPageLayout::Orientation orientation);
};
