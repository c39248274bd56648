#pragma once

#include "ShowDatesRecord.h"

#include <QString>

#include <cstdint>
#include <optional>

class Tdmod;

namespace dbf
{
class Table;
}

// Everything the show dates window decides, without the window: the number of
// a new show, how trial dates follow one another, which record is shown, when
// to ask before leaving a changed record, and the save that checks the record,
// posts it and, for a new show, makes its files. The window shows `record()`
// and hands every typed value and button press to this class; the command
// line's `show new` drives it the same way.
//
// The record being edited lives here and reaches the show dates table only
// when it is saved, so moving through the table never loses or half-writes it.
class ShowDatesEditor
{
public:
    explicit ShowDatesEditor(Tdmod& data);

    // 1 for an empty table, otherwise the number of the last record in show
    // number order plus 1. Deleted records count: their numbers may still name
    // show files. Leaves the table on that last record.
    static int NextShowNumber(dbf::Table& showDates);

    // --- Opening ---------------------------------------------------------
    // New-show mode: a blank record with the next show number and one trial.
    void startNewShow();
    // Edit mode over the existing shows, from the table's current record.
    // False, after telling the user, when there is no show to edit.
    bool startEditing();

    // --- What the window shows ---------------------------------------------
    const ShowDatesRecord& record() const { return record_; }
    bool newShow() const { return newShow_; }
    // The trial tabs are showing: always in edit mode, after "Specify" for a new show.
    bool classesShown() const { return classesShown_; }
    // "&Specify Classes for this Show" can be pressed: a new show with a first date.
    bool canSpecify() const;
    // A record is being edited (Save and Cancel enabled); a new show always is.
    bool editing() const { return editing_; }
    // A date or an offered class was changed since the record was loaded or saved.
    bool changed() const { return changed_; }
    // Any value differs from the record as loaded or saved.
    bool modified() const { return record_ != loaded_; }
    // True once a new show's files were made and its record posted.
    bool showCreated() const { return showCreated_; }
    // "Rec # " with the record number and count; empty while a new show is made.
    QString recordStatus() const;
    static QString indexStatus();

    // --- Edits -------------------------------------------------------------
    // The "&Edit" button, and entering a class box or an obedience event field.
    void beginEdit();
    void setFirstDate(const std::optional<QDate>& date);
    // Leaving the first date box. Trial 1 takes the first date. False, after
    // "You must specify a Show Date", when a changed record of edit mode has no
    // valid first date: the focus goes back to it.
    bool leaveFirstDate();
    void setTrials(int trials);
    // Leaving "# Of Trials/Days". A new show fills every trial's date from the
    // first date (false, after the message, when there is none); an existing
    // show fills only the trials it did not have before.
    bool leaveTrials();
    // A trial's date; trials 2 and 3 carry the later trials with them.
    void setTrialDate(int trial, const std::optional<QDate>& date);
    void setOffered(int trial, int box, bool offered);
    void setObedienceEvent(int trial, const QString& number);
    void setRallyEvent(int trial, const QString& number);
    // "&Specify Classes for this Show": the trial tabs of a new show appear.
    void specifyClasses();

    // --- Buttons -------------------------------------------------------------
    enum class SaveResult {
        Refused,     // a message said why; nothing was written
        Saved,       // an existing show's record was posted
        ShowCreated, // a new show's files were made and its record posted
    };
    // Why a save was refused, so the window can put the focus where the fault is.
    enum class SaveFault { None, NoClasses, NoFirstDate, Files };
    SaveResult save();
    SaveFault lastFault() const { return lastFault_; }

    // "&Cancel". True when the window should close: a new show was cancelled
    // and there is no show to show instead.
    bool cancel();
    // "Cl&ose": asks whether to save a changed record. False when the window
    // must stay open: the user chose to save and the save was refused.
    bool close();

    enum class Move { First, Prior, Next, Last };
    // The navigator. A changed record is saved or dropped first, as the user
    // answers; false when the record stays because its save was refused.
    bool move(Move move);

private:
    void load();
    // Asks "Data has been changed - Save it?" for a modified record, saves or
    // drops it. False when the user chose to save and the save was refused.
    bool settleChanges();
    SaveResult refuse(SaveFault fault, const QString& text);
    SaveResult createShow();
    SaveResult saveExisting();

    Tdmod& data_;
    dbf::Table& showDates_;
    ShowDatesRecord record_;
    ShowDatesRecord loaded_;
    std::uint32_t recno_ = 0;
    int datedTrials_ = 1; // trials whose dates were set: added ones follow the last of them
    bool newShow_ = false;
    bool classesShown_ = false;
    bool editing_ = false;
    bool changed_ = false;
    bool showCreated_ = false;
    SaveFault lastFault_ = SaveFault::None;
};
