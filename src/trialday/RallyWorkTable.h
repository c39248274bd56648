#pragma once

#include "print/RecordList.h"

#include "dbf/RecordView.h"
#include "dbf/Table.h"

#include <QString>

#include <functional>
#include <memory>

class Tdmod;

// The rally work table (vrallybk25.dbf) that the score-box sheets and the
// judge's book fill and print from. It has one owner at a time: whoever
// prints makes one, which opens the file exclusively and empties it, and the
// file is closed again when that owner is done, so the next printout of
// either kind finds it free. What it held stays in the file until then.
class RallyWorkTable
{
public:
    // Opens the table (making it when missing) in "report" order, emptied.
    explicit RallyWorkTable(Tdmod& data);
    ~RallyWorkTable();
    RallyWorkTable(const RallyWorkTable&) = delete;
    RallyWorkTable& operator=(const RallyWorkTable&) = delete;

    dbf::Table& table() { return *table_; }
    void empty();

    // The armband of an empty ruled row: it sorts after every real one.
    static inline const QString kFillerArmband = QStringLiteral("99999");
    // The empty rows that follow a class of n dogs: on the score-box sheets
    // its column fills up, in the judge's book its last page does.
    static int scoreBoxFillers(int dogs) { return 35 - dogs % 34; }
    static int judgesBookFillers(int dogs) { return 35 - (dogs + 6) % 34; }

    // What a row takes from the dog's results, given the row being made and
    // the entry it is made from.
    using RowExtra = std::function<void(dbf::Table& row, const dbf::RecordView& entry)>;
    // Appends a row for every entry not marked deleted that is entered in
    // the class in the trial, entries in record order, with its trial,
    // class, armband, breed, registration and rally jump height. A second
    // entry with an armband the class already lists is told and left out;
    // entries without an armband are all kept, and the first of them in
    // this table's use is told. Returns the number of rows added.
    int appendEntries(int trial, const QString& classKey, const RowExtra& extra = {});
    // Appends `count` empty ruled rows to the class.
    void appendFillers(int trial, const QString& classKey, int count);

    // The rows in "report" order as they stand now, read once: the report
    // prints from this, not from the table.
    std::shared_ptr<const RecordList> rows() const;

    static QString duplicateMessage(const QString& armband, int trial);
    static inline const QString kMissingArmbandsMessage = QStringLiteral(
        "There are Missing Armband Numbers!\r\nThe dogs without one are listed with a blank "
        "Armband #, each on a row of its own.");

private:
    void appendRow(int trial, const QString& classKey, const QString& armband);

    Tdmod& data_;
    std::unique_ptr<dbf::Table> table_;
    bool missingTold_ = false;
};
