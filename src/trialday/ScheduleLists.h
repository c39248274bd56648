#pragma once

#include "print/RichListing.h"
#include "storage/ClassCodes.h"

#include <QString>

class Tdmod;

// The armband lists for the judging schedule: per trial and class, the
// title line, the judge, the class name with its count of entries, and the
// armbands as ranges ("Nos. 101-103, 105").
namespace ScheduleLists
{

// "Obedience Judging Schedule Info" or "Rally Judging Schedule Info".
QString title(ClassCodes::Section section);

// The class line: the name padded to 30 characters, a tab and "6 Entries".
QString classLine(const QString& className, const QString& countText);

// Fills the gate work table for the section from the open show and lists it.
RichListing build(Tdmod& data, ClassCodes::Section section, bool trialInTitle);

} // namespace ScheduleLists
