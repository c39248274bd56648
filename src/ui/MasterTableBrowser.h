#pragma once

#include "storage/Result.h"

#include "dbf/Table.h"

#include <QList>
#include <QString>

#include <memory>

class Messages;

// How Find reads what the secretary typed for an order.
enum class FindKey {
    Text,        // trailing blanks dropped, upper-cased, sought as a leading part of the key
    FiveDigitId, // read as a number (0 to 99999) and written with five digits: 17 finds 00017
    RecordNumber // read as a number and gone to as a physical record number
};

// One order of the Index menu.
struct MasterOrder {
    QString caption;    // the menu item, "Last Name"
    QString tag;        // empty: record-number (input) order
    QString statusName; // shown after the index prefix, "Last Name"
    QString findLabel;  // named in the Find prompt and the not-found message
    FindKey findKey = FindKey::Text;
    QString hint; // the menu item's hint, if any
};

enum class FindOutcome { Found, NotFound, Cancelled };

// Which of the six buttons are enabled: browsing, Add, Edit, Delete and Find;
// editing or adding, only Save and Cancel.
struct MasterButtons {
    bool add = true;
    bool edit = true;
    bool remove = true;
    bool find = true;
    bool save = false;
    bool cancel = false;

    static MasterButtons forState(dbf::Table::State state);
    friend bool operator==(const MasterButtons&, const MasterButtons&) = default;
};

// What one master table asks of a record's save besides the post: the
// starting values of a new record, the check that may refuse the save (with
// the message that says why) and the tidying of the record before its post,
// and the work that follows the post. Each table has its own rules, which the
// browser runs for every window that edits the table, so they are tested
// without one.
class MasterSaveRules
{
public:
    virtual ~MasterSaveRules() = default;
    // Fills the buffer of a record just begun (the table is inserting). A
    // failure abandons the new record; its message says why.
    virtual Done startRecord(dbf::Table& table);
    // Checks and tidies the buffer of the record being edited or added before
    // it is posted. A failure refuses the save and writes nothing; the record
    // stays in its edit for the secretary to correct.
    virtual Done prepareSave(dbf::Table& table);
    // Runs once the record is posted (the table is browsing on it). A
    // failure's message tells what could not follow; the record stays saved.
    virtual Done afterSave(dbf::Table& table);
    // The edit or the new record was abandoned.
    virtual void afterCancel() {}
};

enum class SaveOutcome { NothingToSave, Saved, Refused };

// Everything a master-table window does to its table that a test would want to
// check: the status texts, the orders, Find, the deletion mark, pack and
// remove-all with their questions. The window only presents it.
class MasterTableBrowser
{
public:
    // "Packing the database will permanently remove ..." with "Cancel Pack".
    static const QString kPackQuestion;
    static const QString kPackButtons;
    static const QString kRemoveAllButtons;
    static const QString kFindCaption;

    MasterTableBrowser(dbf::Table& table, Messages& messages);

    dbf::Table& table() const { return table_; }
    Messages& messages() const { return messages_; }

    // --- Status texts -------------------------------------------------------
    // Width of the record number and count in "Rec # " ... " / " ...; 5 unless
    // a window says otherwise.
    void setRecordWidth(int width) { recordWidth_ = width; }
    // "Current Index = " unless a window words it otherwise ("Current Index is ").
    void setIndexPrefix(const QString& prefix) { indexPrefix_ = prefix; }
    QString recordText() const;
    QString indexText() const;
    // "DELETED" for a marked record, two blanks otherwise.
    QString deletionText() const;
    // The caption of the delete toggle for the current record.
    QString deleteCaption() const;
    static QString deletionText(bool deleted);
    static QString deleteCaption(bool deleted);

    // --- Orders -------------------------------------------------------------
    void addOrder(const MasterOrder& order);
    const QList<MasterOrder>& orders() const { return orders_; }
    // Sets the order's tag; the cursor stays on its record. -1 before any.
    void selectOrder(int index);
    int currentOrder() const { return current_; }
    const MasterOrder* order() const;

    // --- Editing ------------------------------------------------------------
    // The table's save rules; without any a save is the post alone.
    void setSaveRules(std::unique_ptr<MasterSaveRules> rules);
    MasterSaveRules* saveRules() const { return rules_.get(); }
    bool editing() const { return table_.state() != dbf::Table::State::Browse; }
    MasterButtons buttons() const { return MasterButtons::forState(table_.state()); }
    // Begins a new record with the rules' starting values. False, after the
    // rules' message, when they refuse it: then there is no new record.
    bool startAdd();
    // False (nothing changes) when there is no record to edit.
    bool startEdit();
    // Saves the record being edited or added: the rules' check and tidying,
    // the post (the table flushes to disk), then what the rules do after it.
    // A refusal or a failure after the post is told through the messages.
    // Throws dbf::Error when the write fails; the record stays in its edit.
    SaveOutcome save();
    // Abandons the edit or the new record.
    void cancel();
    // Toggles the deletion mark without asking; false when there is no record.
    bool toggleDeleted();

    // --- Find ---------------------------------------------------------------
    // Pads the previous search in the input box to this width (0: as typed).
    void setFindPadding(int width) { findPadding_ = width; }
    QString findPrompt() const;
    // The key sought for a typed text under the current order.
    QString findKeyFor(const QString& typed) const;
    // Asks in the "Find Record" input box, then searches.
    FindOutcome find();
    // Searches without asking. Not found: back to the record where the search
    // began and the message "Could not find " + label + " " + key.
    FindOutcome findText(const QString& typed);
    const QString& lastSearch() const { return lastSearch_; }

    // --- Whole-table tasks --------------------------------------------------
    // The pack question; true when the secretary chose "Pack".
    bool confirmPack() const;
    // Removes the marked records and goes to the first record.
    void pack();
    // Asks `question` with "No Yes"; true for Yes.
    bool confirmRemoveAll(const QString& question) const;
    // Removes every record, marked or not.
    void removeAll();

private:
    dbf::Table& table_;
    Messages& messages_;
    std::unique_ptr<MasterSaveRules> rules_;
    QList<MasterOrder> orders_;
    int current_ = -1;
    int recordWidth_ = 5;
    QString indexPrefix_ = QStringLiteral("Current Index = ");
    int findPadding_ = 0;
    QString lastSearch_;
};
