#pragma once

#include "reports/ShowCounts.h"

#include <QString>

class Tdmod;

// "Counts for NUR Fees": per section the show offers and per trial, the dogs
// entered (each dog once however many classes it runs in; an entry without a
// registration number is a dog of its own), the entries in regular classes
// (fee type "REG" in the class table) and in the other classes. Entries marked
// deleted are withdrawn and count nowhere, as in the class counts. The rows
// are written to the report's work table Fees2.dbf in pgmdata/ (emptied
// first) and read back in the order written.
namespace FeeCounts
{

inline const QString kDogsEntered = QStringLiteral("Dog's Entered");
inline const QString kRegularEntries = QStringLiteral("Regular Class Entries");
inline const QString kNonRegularEntries = QStringLiteral("Non-Regular Entries");

// A section without a class in the class table is skipped after the message
// "Section NOT found".
ShowCounts count(Tdmod& data);

} // namespace FeeCounts
