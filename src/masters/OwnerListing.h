#pragma once

#include "print/RichListing.h"

namespace dbf
{
class Table;
}

// The caption of the window that shows the owner listing, and its title.
inline const QString kOwnerListingCaption = QStringLiteral("Owners List of Addresses");

// "Owners List of Addresses": a heading, then a table of one row per owner
// not marked deleted, in the table's current order, under the headings
// "Full Name", "Address   City, State  Zip", "Phone" and "Email". Each field
// keeps to its own column on paper, however long or empty the others are.
// Only reads the table.
RichListing ownerListing(const dbf::Table& owners);
