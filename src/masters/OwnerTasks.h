#pragma once

#include <QString>

class Tdmod;

// Work on the whole owners table.
namespace OwnerTasks
{

// "Remove All Records from Database" asks this first, with "No Yes".
inline const QString kRemoveAllQuestion =
    QStringLiteral("Are you sure you want to permanently remove all Owners?");
// Once the secretary has said Yes to kRemoveAllQuestion: asks whether the dog
// master goes too (emptying it at once on Yes), then empties the owners table.
void removeAllOwners(Tdmod& data);

} // namespace OwnerTasks
