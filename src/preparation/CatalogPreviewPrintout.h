#pragma once

#include "preparation/CatalogContent.h"
#include "print/RichListing.h"

// The options of the catalog preview; none is stored.
struct CatalogPreviewOptions {
    bool clubName = false;
    bool showDate = false;
    bool caps = false; // the armband part and the dog's name in capitals
    // Blank lines between catalog groups, around class titles, around
    // footer and placing lines, and before each entry.
    int groupLines = 1;
    int classLines = 1;
    int footerLines = 1;
    int entryLines = 0;
};

namespace CatalogPreviewPrintout
{

// The catalog as rich text, one paragraph per line, for the screen, an RTF
// file and the printer: Arial 10 unless a part has its own font, tab stops
// at 30, 150, 250 and 350 points, and the lines after the first of a
// paragraph set in by 30 points, so a long entry reads as one block. No
// page breaks and nothing centred: a word processor takes it from there.
RichListing listing(const CatalogContent& content, const CatalogPreviewOptions& options);

// The name "Save to File" proposes: "Obedience.rtf", "Rally.rtf".
QString fileName(ClassCodes::Section section);

} // namespace CatalogPreviewPrintout
