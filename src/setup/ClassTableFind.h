#pragma once

#include "setup/ClassTableOrders.h"

#include <QString>

class Messages;

namespace dbf
{
class Table;
}

// Find in the class table editor. It differs from the other master tables:
// the previous search comes back padded to 30 characters, and the not-found
// message names only the text sought.
class ClassTableFind
{
public:
    static const QString kCaption;

    // "Enter " + the order's Find name + " to find: ".
    static QString prompt(const ClassTableOrder& order);

    // Asks in the "Find Record" input box and seeks the answer, trimmed and
    // upper-cased, as the leading part of a key of the table's current order.
    // Not found: back to the record where the search began, and "Could not
    // find  " + the text. False when cancelled or not found.
    bool find(dbf::Table& classes, Messages& messages, const ClassTableOrder& order);
    bool findText(dbf::Table& classes, Messages& messages, const QString& typed);

    const QString& lastSearch() const { return lastSearch_; }

private:
    QString lastSearch_;
};
