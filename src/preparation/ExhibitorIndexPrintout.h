#pragma once

#include "preparation/BookletSheets.h"
#include "preparation/ExhibitorIndex.h"
#include "print/Printable.h"
#include "print/RichListing.h"

// The exhibitor index drawn line by line on the printer's canvas, as a
// booklet page pair on landscape Letter or as a full page: the club's lines
// and "Exhibitors Index" at the top, the exhibitors by letter, each key with
// its details going on over the next lines, a page number on every page.
class ExhibitorIndexPrintout : public Printable
{
public:
    ExhibitorIndexPrintout(BookletSheets::Format format, ExhibitorIndex::Index index,
                           ExhibitorIndex::Options options);

    QString title() const override { return QStringLiteral("Exhibitors Index"); }
    QPageLayout pageLayout() const override { return BookletSheets::pageLayout(format_); }

protected:
    PrintOutcome paint(QPagedPaintDevice& device,
                       const std::function<bool()>& aborted) const override;

private:
    BookletSheets::Format format_;
    ExhibitorIndex::Index index_;
    ExhibitorIndex::Options options_;
};

namespace ExhibitorIndexPreview
{

// The index as rich text for the screen and an RTF file: one paragraph per
// line, tab stops at 50 and 200 points, no page numbers, page breaks or
// centring.
RichListing listing(const ExhibitorIndex::Index& index, const ExhibitorIndex::Options& options);

// The name its "Save As" proposes.
inline const QString fileName = QStringLiteral("ExhibitorIndex.rtf");

} // namespace ExhibitorIndexPreview
