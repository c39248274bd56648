#pragma once

#include "storage/ClassCodes.h"

#include "dbf/RecordView.h"

#include <QString>

class Tdmod;

// The gate work table of the data module (vobgate25.dbf): one row per entry
// and class of one section, read in section, trial, sort key and armband
// order. The gate steward lists and the judging schedule lists both print
// from it.
namespace GateWorkTable
{

// One row as it is appended.
struct GateRow {
    int trial = 1;
    QString classKey; // "OROB"
    ClassCodes::Section section = ClassCodes::Section::Obedience;
    QString armband;    // as stored, or "999" for an entry without one
    QString breed;      // the full name
    QString jumpHeight; // two characters as stored
    QString handler;
};

// The armband an entry without one is listed under.
inline const QString kMissingArmband = QStringLiteral("999");
inline const QString kMissingArmbandsMessage =
    QStringLiteral("There are Missing Armband Numbers!\r\nThe report will not be "
                   "accurate.\r\nUsing  [999]  for number");

// Opens the gate work table afresh (emptied) and appends a row for every
// entry not marked deleted and every class of the section it is entered in,
// in any trial of the show, entries in record order. An entry without an
// armband is listed under "999", which the first such entry tells. Returns
// the number of rows.
int FillGateWorkTable(Tdmod& data, ClassCodes::Section section);

// Appends one row with the trial's date and the class's sort key.
void AppendGateRow(Tdmod& data, const GateRow& row);

// Who takes the dog into the ring: the entry's handler, or else its owner
// as "Last, First".
QString handlerText(const dbf::RecordView& entry);

} // namespace GateWorkTable
