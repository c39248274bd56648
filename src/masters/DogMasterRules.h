#pragma once

#include "ui/MasterTableBrowser.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

namespace dbf
{
class Table;
}

// The rules of the dog master window apart from its window: its orders and
// the names they go by, the items of its lists, what it shows of a dog's
// owner, and what a save of a dog record does.
namespace DogMasterRules
{

// The order the rest of the program expects the dog master in: the window
// puts it back when it closes.
inline constexpr const char* kRegistrationTag = "regnum";

// Registration #, owner's last name, dog's registered name, call name and
// input order, in Index menu order; in input order Find goes to a record
// number.
const QList<MasterOrder>& orders();
// The name "Current Index = " gives an order, by the first letter of its tag:
// R "Registration #", O "Owner's Last Name", D "Dog's Name", C "Call Name",
// any other (no tag) "Input Order".
QString orderName(QStringView tag);
// The name Find asks for: as orderName(), but "Record #" without a tag.
QString findLabel(QStringView tag);

// An item of a pick list that shows one text and stores another.
struct ListItem {
    QString shown;
    QString stored;
    friend bool operator==(const ListItem&, const ListItem&) = default;
};
// A jump height as its list shows it: the inches right-justified in two
// characters and an inch mark (" 4\"", "10\"").
QString heightShown(int inches);
// A jump height as the two-character fields keep it (" 4", "10"), the form
// of the show entry table's jump heights.
QString heightStored(int inches);
QList<ListItem> obedienceHeights(); // 4, 8, 10 to 28 in steps of 2
QList<ListItem> rallyHeights();     // 4, 8, 12, 16 and an empty item
QList<ListItem> agilityHeights();   // 4, 8, 12, 16, 20, 24, 26
QList<ListItem> iscHeights();       // 14, 18, 26 and an empty item
QStringList sexItems();             // "Bitch", "Dog"
QStringList heightCardItems();      // "None", "Perm", "Temp"

// The four lines shown beside a dog about its owner.
struct OwnerDisplay {
    QString name; // ampersands doubled, for a caption
    QString address;
    QString email;
    QString phone;
    friend bool operator==(const OwnerDisplay&, const OwnerDisplay&) = default;
};
// The owner with this owner ID, read without moving the owners table: name,
// address, "Email: " and "Phone: " lines; for an ID that names no owner,
// "Owner Unknown for ID= " + the ID, an empty address, "Email:" and "Phone:".
OwnerDisplay ownerDisplay(const dbf::Table& owners, const QString& ownerId);

} // namespace DogMasterRules

// The save rules of the dog master in its window: a new dog and every saved
// dog get today's date in `modified`; the registration number is kept in
// capitals, as every lookup of a dog reads it. A dog must have a registration
// number, and one no other dog record has: the entry desk finds a dog by it,
// and two dogs under one number would be mixed up. A dog kept under the number
// it had is not checked again, so a table that came with twins can still be
// corrected.
class DogSaveRules : public MasterSaveRules
{
public:
    Done startRecord(dbf::Table& dogs) override;
    Done prepareSave(dbf::Table& dogs) override;
};
