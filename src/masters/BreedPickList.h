#pragma once

#include <QStringList>

namespace dbf
{
class Table;
}
class Tdmod;

// The breed names offered by the breed pick lists of the entry desk and the
// dog master: every breed name that is not blank, in breed-name order.
// Breeds marked deleted are left out: the breeds window keeps alternate forms
// of a name marked deleted precisely so that they are not offered.
// The table's order and current record are put back afterwards; it must not
// be in the middle of an edit, which a move would abandon.
QStringList breedPickList(const dbf::Table& breeds);
// The same from the data module's breeds table, opened when needed; empty when
// it cannot be opened (the data module has said why).
QStringList breedPickList(Tdmod& data);
