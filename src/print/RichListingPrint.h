#pragma once

#include "storage/Result.h"

#include <QPageLayout>
#include <QString>

class QPagedPaintDevice;
class QTextDocument;

// Prints a listing's text with the listing margins (top 30, bottom 25, left 25,
// right 15 mm) and "Page " + number at the right of each page's foot, in
// Courier New. Returns the pages printed, 0 when the device would not start.
int printRichListing(const QTextDocument& text, QPageLayout::Orientation orientation,
                     QPagedPaintDevice& device);

// The same pages as a PDF file on Letter paper, or the reason it could not be
// written.
Done saveRichListingPdf(const QTextDocument& text, QPageLayout::Orientation orientation,
                        const QString& path);
