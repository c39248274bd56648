#pragma once

#include "ui/MasterTableBrowser.h"

#include <QString>

#include <optional>

class Tdmod;

// What the entry desk and the dog master hand to the owner dialog and get
// back from it.
struct OwnerHandOver {
    bool adding = false; // in: create a new owner rather than edit the current one
    QString typedName;   // in, when adding: "Last" or "Last, First"
    QString ownerId;     // out: the saved owner's ID; cleared by Cancel while adding
    bool saved = false;  // out: true after Save, false after Cancel
};

// The owner dialog's work on the owners table, apart from its window: it
// starts the new or edited record and saves it under the owners table's save
// rules, as the owner database window does, as a post (so it gets today's
// date in `modified` and reaches the disk at once), and fills in the hand-over.
class OwnerEditing
{
public:
    // Where the dialog puts the focus once the record is started.
    enum class Focus { FirstName, Address };

    OwnerEditing(Tdmod& data, OwnerHandOver& handOver);

    // Adding: a new record with the next owner ID and the typed name split
    // into last and first name. Editing: the current owner in edit state.
    // Nothing when no record could be started (no owner ID left, no current
    // owner); the reason has been shown.
    std::optional<Focus> begin();
    // Posts the record and hands back its owner ID. False, with the reason
    // shown, when it could not be written; the record stays in editing.
    bool save();
    void cancel();

private:
    Tdmod& data_;
    OwnerHandOver& handOver_;
    // Made by begin(), over the owners table as it is open then.
    std::optional<MasterTableBrowser> browser_;
};
