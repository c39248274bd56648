#pragma once

#include "entry/OwnerPickList.h"

#include <QString>

#include <cstdint>
#include <optional>

class OwnerDialog;
class Tdmod;

// The owner of the entry the entry desk shows: the owners table is positioned
// on that owner on purpose, so that the owner dialog edits the owner the
// secretary sees, and the pick list from which a new entry's owner is chosen.
class EntryOwner
{
public:
    // The owner boxes of the entry desk, as the owner record holds them.
    struct Display {
        QString first, last, address, city, state, zip, country, phone, cell, email;
    };
    // An owner chosen or made for an entry: what the entry copies.
    struct Chosen {
        QString first, last, ownerId;
    };

    EntryOwner(Tdmod& data, OwnerDialog& dialog);

    // Positions the owners table on the owner with this ID. Found: the
    // display shows that owner; not found: the display is blank and the next
    // owner dialog makes a new owner.
    void positionOn(const QString& ownerId);
    bool found() const { return recno_ != 0; }
    const QString& ownerId() const { return ownerId_; }
    // Blank while an owner is being changed, until the new one is chosen.
    void hideDisplay() { hidden_ = true; }
    Display display() const;

    const OwnerPickList& pickList();
    // The owner a text typed into the pick list stands for: an owner of the
    // list, or one made through the owner dialog with the text as the typed
    // name. Nothing when the dialog was cancelled.
    std::optional<Chosen> pick(const QString& typed);
    // The owner dialog for an entry's owner: the owner with the entry's ID,
    // else the owner with the entry's name, else a new owner of that name.
    // Nothing when the dialog was cancelled.
    std::optional<Chosen> edit(const QString& ownerId, const QString& first, const QString& last);
    // Gives the positioned owner the entry's name (a Save after the owner was
    // changed in the pick list).
    void rename(const QString& first, const QString& last);

private:
    std::optional<Chosen> chosenById(const QString& ownerId);
    std::optional<Chosen> runDialog(bool adding, const QString& typedName);

    Tdmod& data_;
    OwnerDialog& dialog_;
    std::uint32_t recno_ = 0;
    QString ownerId_;
    bool hidden_ = false;
    std::optional<OwnerPickList> pickList_;
};
