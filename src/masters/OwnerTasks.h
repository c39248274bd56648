#pragma once

#include <QString>

#include <optional>

class Tdmod;

// Work on the whole owners table or on a new owner, shared by the owner
// database window and the owner dialog.
namespace OwnerTasks
{

// Starts inserting a new owner with the next free owner ID. Nothing (after
// the data module's message) when every five-digit ID is taken.
std::optional<QString> startNewOwner(Tdmod& data);

// "Remove All Records from Database": asks first, then whether the dog
// master goes too, then empties the owners table. True when it was emptied.
bool removeAllOwners(Tdmod& data);

} // namespace OwnerTasks
