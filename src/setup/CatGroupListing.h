#pragma once

#include "print/CanvasListing.h"

#include <QString>
#include <QStringList>

namespace dbf
{
class Table;
}

// The two plain-text listings of the catalog groupings and the way they are
// printed: line by line on the printer's page under the heading "Catalog
// Grouping Codes".
namespace CatGroupListing
{

enum class Kind {
    Codes, // "List of Codes": in Section order, one line per grouping
    Full,  // "Full List": in GroupKEY order, each grouping with its footers
};

// The tag a listing is read in.
QString tag(Kind kind);
// The lines of a listing, deleted groupings left out, read in the listing's
// order. Only reads the table.
QStringList lines(const dbf::Table& groups, Kind kind);

// The lines as a printout, PDF or text: at 12 points in `font`'s family, the
// heading on line 3, 250 printer pixels from the left, the lines from line 5
// (line 4 on later pages), 150 pixels from the left. Tabs print as blanks to
// every eighth column, as the text area shows them in its fixed-pitch font;
// the text file keeps the tabs.
CanvasListing listing(const QStringList& lines, const QFont& font);
// The font of the text area, in which the listing also prints.
QFont font();

} // namespace CatGroupListing
