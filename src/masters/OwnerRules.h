#pragma once

#include <QString>
#include <QStringView>

#include <vector>

// The rules of the owners table that every window working on it shares: its
// orders, the key a Find seeks, the State and Country fields' tidying when
// they are left, and the reading of a name typed where an owner was expected.
namespace OwnerRules
{

// One order of the owners table.
struct Order {
    const char* tag;   // the tag name; empty for input order
    const char* name;  // the order's name on the command line and in tests
    QString caption;   // the Index menu item and the "Current Index = " panel
    QString hint;      // the Index menu item's hint; may be empty
    QString findLabel; // what Find asks for; empty where Find has no tag to search
};

// Last name, zip code, e-mail, owner ID and input order, in menu order.
const std::vector<Order>& orders();
// The order of a name ("name", "zip", "emailsrt", "ownerid", "input") or of a
// tag name (matched without regard to case; "" is input order); nullptr when
// there is none.
const Order* orderNamed(QStringView name);

// The key Find seeks for the typed text in an order: in the owner ID order the
// text is read as a number and written in five digits as owner IDs are stored
// ("17" gives "00017"), elsewhere trailing blanks go and the text is
// upper-cased as the tags are.
QString findKey(const Order& order, const QString& typed);

// The State field as stored after leaving it: trailing blanks go, and a text
// shorter than three characters is upper-cased (ny becomes NY; Ont stays).
QString stateOnLeaving(const QString& typed);
// The Country field as stored after leaving it: any spelling of "usa" becomes
// "USA"; everything else stays as typed.
QString countryOnLeaving(const QString& typed);

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
