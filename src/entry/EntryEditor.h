#pragma once

#include "entry/EntryDog.h"
#include "entry/EntryOwner.h"
#include "entry/OfferedClasses.h"

#include <QString>

#include <cstdint>
#include <optional>

class OwnerDialog;
class Tdmod;
struct ArmbandSettings;

namespace dbf
{
class Table;
}

// One entry of the open show being browsed, added or edited, with its owner
// and its dog in the masters: Add, Edit, Save, Cancel and Delete, and the
// work done when the secretary leaves the registration number, the breed,
// the armband or the owner pick list. The entry desk drives it from its
// boxes (which write the entry table's record buffer), and so do the command
// line's sample show and the import of entries: every entry is saved one way.
//
// Each step that moves the focus says where, by the name of a field of the
// entry ("reg", "titles_pre", "bracecode", ...) or of a button ("Add", "Edit",
// "Find").
class EntryEditor
{
public:
    EntryEditor(Tdmod& data, const ArmbandSettings& armbands, OwnerDialog& ownerDialog);

    dbf::Table& entries() const;
    bool browsing() const;
    bool adding() const;

    // --- What the entry desk shows beside the entry ---------------------------
    const EntryOwner& owner() const { return owner_; }
    EntryOwner& owner() { return owner_; }
    // The dog-master boxes, which the desk writes as they are typed.
    DogDetails& dog() { return dog_; }
    const DogDetails& dog() const { return dog_; }
    bool ownerPickListShown() const { return pickListShown_; }
    const OfferedClasses& offered() const { return offered_; }

    // --- Events ----------------------------------------------------------------
    // A show was opened: which class boxes it enables.
    void showOpened();
    // The entry table stands on another record: owner and dog displays.
    void recordMoved();
    QString add();
    // Nothing when there is no entry to edit.
    std::optional<QString> edit();
    // Typing into a box of a browsed entry starts editing it.
    void beginEditing();
    // A box whose value belongs in the dog master was entered.
    void dogDetailsTouched();
    // Leaving "Registration #": the dog master check and, for a returning dog
    // already in the show, the duplicate question.
    QString leaveRegistration();
    // Leaving "Breed ": true when a new breed was added to the breeds table.
    bool leaveBreed();
    // Leaving "Armband #": false (after the message) when it is longer than
    // the armband digits allow.
    bool leaveArmband();
    // Leaving the owner pick list with a typed text.
    QString leaveOwnerPickList(const QString& typed);
    // Entering an owner box: the owner dialog for the entry's owner.
    QString enterOwnerField();
    // "Change Owner": the pick list takes the place of the name boxes.
    QString changeOwner();
    // A class label: enters the class in every trial the show offers it.
    void enterInAllTrials(const ClassCodes::ClassCode& cls);

    struct SaveOutcome {
        bool completed = false; // false: stopped by a check, the entry stored with "999"
        QString focus;
    };
    SaveOutcome save();
    void cancel();
    // Asks before marking a live entry deleted; takes a mark off at once.
    void toggleDeleted();

private:
    std::uint32_t automaticArmband() const;
    void updateDogMaster();
    void completeSave();

    Tdmod& data_;
    const ArmbandSettings& armbands_;
    EntryOwner owner_;
    EntryDog dogs_;
    OfferedClasses offered_;

    DogDetails dog_;
    DogDetails dogAtMove_;
    QString rememberedReg_;
    // The dog master record the entry's dog is kept in; none for a new dog.
    std::optional<std::uint32_t> dogRecord_;
    bool dogDetailsChanged_ = false;
    bool ownerChosen_ = false;
    bool pickListShown_ = false;
};
