#pragma once

#include "print/RichListing.h"

class Tdmod;

// The short listings of the open show's entries, for the text listing window
// and the command line. Each walks the show entry table as it presents itself
// (its current order, deleted entries shown or hidden as the desk has them)
// without moving its cursor, and only reads. A total in a heading counts the
// lines listed under it.
namespace ShowListings
{

// The window captions, which are also the listings' titles.
inline const QString kNotesCaption = QStringLiteral("List Of Special Notes");
inline const QString kPrePaidCaption = QStringLiteral("Pre-Paid Catalogs Listing");
inline const QString kWorkersCaption = QStringLiteral("Volunteer Workers Listing");
inline const QString kEmailSentCaption = QStringLiteral("Email Confirmation Sent Listing");
inline const QString kOwnersEmailCaption = QStringLiteral("Email Addresses in Current Show");

// "Special Notes in Database", in landscape: the entries with a note.
RichListing specialNotes(Tdmod& data);
// "Pre-Paid Catalogs Ordered": the entries that paid for a catalog.
RichListing prePaidCatalogs(Tdmod& data);
// "Volunteer Workers": the entries that volunteered, with their owner's
// phone and e-mail; an owner missing from the owners table is told and the
// worker listed without them.
RichListing volunteerWorkers(Tdmod& data);
// "Confirmations Sent Via Email Listing": the entries confirmed by e-mail.
RichListing emailConfirmationsSent(Tdmod& data);
// "Email Addresses in Current Show": each owner of an entry not marked
// deleted once, with the e-mail address when there is one; an owner missing
// from the owners table is left out.
RichListing ownersAndEmails(Tdmod& data);

} // namespace ShowListings
