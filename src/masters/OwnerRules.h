#pragma once

#include "ui/MasterTableBrowser.h"

#include <QList>
#include <QString>
#include <QStringView>

class Tdmod;
namespace dbf
{
class Table;
}

// The rules of the owners table that every window working on it shares: its
// orders, the State and Country fields' tidying when they are left, and the
// reading of a name typed where an owner was expected.
namespace OwnerRules
{

// Last name, zip code, e-mail, owner ID and input order, in Index menu order.
// Find reads owner IDs as numbers ("17" finds 00017); in input order, which
// has no tag to search, it goes to a record number.
const QList<MasterOrder>& orders();
// The order of a tag name, matched without regard to case; "input" (or an
// empty name) is input order. nullptr when there is none.
const MasterOrder* orderNamed(QStringView name);

// The State field as stored after leaving it: trailing blanks go, and a text
// shorter than three characters is upper-cased (ny becomes NY; Ont stays).
QString stateOnLeaving(const QString& typed);
// The Country field as stored after leaving it: any spelling of "usa" becomes
// "USA"; everything else stays as typed.
QString countryOnLeaving(const QString& typed);

// Applies the State and Country rules to the record buffer, for a Save that
// came (by a key) before the field was left, and blanks a phone number that
// holds no digit (an untouched masked box reads as its dashes alone).
void tidyRecord(dbf::Table& owner);

// A name typed where an owner was expected: a last name alone, or a last
// name, a comma and a first name (one blank after the comma is dropped).
struct TypedName {
    QString last;
    QString first;
    // True when a comma was typed: the name is complete and the owner dialog
    // goes on to the address.
    bool hasFirst = false;
};
TypedName splitTypedName(const QString& typed);

} // namespace OwnerRules

// The save rules of the owners table, the same for the owner database window
// and the owner dialog: a new owner takes the next free owner ID (the highest
// ever used, by an owner or by a dog of a packed owner, plus one), and every
// save first tidies the State, Country and phone fields (tidyRecord).
class OwnerSaveRules : public MasterSaveRules
{
public:
    explicit OwnerSaveRules(Tdmod& data) : data_(data) {}
    Done startRecord(dbf::Table& owners) override;
    Done prepareSave(dbf::Table& owners) override;

private:
    Tdmod& data_;
};
