#pragma once

#include "print/RichListing.h"

namespace dbf
{
class Table;
}

// "Owners List of Addresses": one line per owner not marked deleted, in the
// table's current order, under a heading and a column line. Only reads the
// table.
RichListing ownerListing(const dbf::Table& owners);

// The caption of the window that shows it.
inline const QString kOwnerListingCaption = QStringLiteral("Owners List of Addresses");
