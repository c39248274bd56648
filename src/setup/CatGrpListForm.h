#pragma once

#include "setup/CatGroupListing.h"
#include "ui/PlainListingWindow.h"

namespace dbf
{
class Table;
}

// "List of Catalog Grouping Codes": one of the two listings of the catalog
// groupings in the plain listing window, in the fixed-pitch font the listing
// prints in.
class TCatGrpListForm : public PlainListingWindow
{
    Q_OBJECT
public:
    // Builds the listing from the groupings as they are now.
    TCatGrpListForm(const dbf::Table& groups, CatGroupListing::Kind kind, Messages& messages,
                    QWidget* parent = nullptr);
};
