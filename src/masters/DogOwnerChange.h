#pragma once

#include "entry/OwnerPickList.h"

#include <QString>

#include <optional>

class OwnerDialog;
class Tdmod;
namespace dbf
{
class Table;
}

// "Change Owner" in the dog master: the dog the dog master stands on is given
// another owner, picked from the owner pick list by what the secretary types,
// or made through the owner dialog when the text picks nobody.
//
// The dog record is written in place, not posted: only its owner changes, and
// the date it was last modified stays as it was.
class DogOwnerChange
{
public:
    enum class Outcome {
        Changed, // the dog has the picked or new owner
        Kept,    // the text was left as it started: the dog keeps its owner
        NoOwner, // no owner was picked or made (a cancelled dialog): nothing changed
    };

    DogOwnerChange(Tdmod& data, OwnerDialog& dialog);

    // The owners in last-name order, read when first asked for after the
    // window opened or the owner dialog made an owner.
    const OwnerPickList& pickList();
    // Forgets the list, for the window's next activation.
    void reloadPickList() { pickList_.reset(); }

    // The pick field's starting text for the dog the table stands on: its
    // owner's list text ("Last, First"), or empty when the owner is unknown.
    QString begin(const dbf::Table& dogs);
    // The pick field was left with `typed`. Text as it started keeps the owner;
    // otherwise the exact, then the partial match of the pick list, else a new
    // owner through the owner dialog (in adding mode, the text as the typed
    // name). A found owner's first and last name and owner ID go into the dog
    // record, which is written at once. The dogs table must be browsing on the
    // dog; a write that fails throws dbf::Error and changes nothing.
    Outcome finish(dbf::Table& dogs, const QString& typed);

private:
    Tdmod& data_;
    OwnerDialog& dialog_;
    std::optional<OwnerPickList> pickList_;
    QString started_;
};
