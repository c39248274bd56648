#pragma once

#include <QString>

#include <optional>

class Tdmod;

// Work on the whole owners table or on a new owner, shared by the owner
// database window and the owner dialog.
namespace OwnerTasks
{

// Starts inserting a new owner with the next free owner ID. Looking for the
// ID moves the cursor, which ends an insert already begun, so the insert is
// (re)started after it. Nothing, and no insert, when every five-digit ID is
// taken (the data module has said so).
std::optional<QString> startNewOwner(Tdmod& data);

// "Remove All Records from Database" asks this first, with "No Yes".
inline const QString kRemoveAllQuestion =
    QStringLiteral("Are you sure you want to permanently remove all Owners?");
// Once the secretary has said Yes to kRemoveAllQuestion: asks whether the dog
// master goes too (emptying it at once on Yes), then empties the owners table.
void removeAllOwners(Tdmod& data);

} // namespace OwnerTasks
