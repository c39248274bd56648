#pragma once

#include <QList>
#include <QString>

// The orders of the class table editor: the Index menu, the status bar, the
// Find prompt and the class report all name an order differently.
struct ClassTableOrder {
    QString name;        // on the command line: srtkey, section, dbkey, name
    QString tag;         // the tag of nurclass26.mdx
    QString menuCaption; // the Index menu entry
    QString statusName;  // after "Current Index = "
    QString findName;    // after "Enter " in the Find prompt
};

namespace ClassTableOrders
{

// The Index menu's entries in menu order; the first is selected on opening.
const QList<ClassTableOrder>& all();
// The order of a command-line name or a tag, matched without regard to case;
// nullptr when none.
const ClassTableOrder* byName(const QString& name);
const ClassTableOrder* byTag(const QString& tag);

} // namespace ClassTableOrders
