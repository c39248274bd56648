#pragma once

#include "print/RichListing.h"

#include <QStringList>

class Tdmod;

// The string of e-mail addresses to paste into the "To" of an e-mail: the
// addresses one after another, each followed by a comma, twenty to a line
// (a mail program takes a group of twenty at a time).
namespace EmailString
{

inline const QString kCaption = QStringLiteral("String of Emails");
inline constexpr int kGroupSize = 20;

// The line that says how to use the string, a line " ", then the addresses
// in groups of twenty with a line " " after each full group.
void addAddressString(RichListing& listing, const QStringList& addresses);

// The show's string: the owners of the entries not marked deleted in last
// name order, an entry whose owner's name is that of the entry before it
// left out, each owner's address when there is one.
RichListing ofShow(Tdmod& data);

} // namespace EmailString
