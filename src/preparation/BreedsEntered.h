#pragma once

#include "print/CanvasListing.h"

#include <QString>
#include <QStringList>

namespace dbf
{
class Table;
}

// The breeds entered in the open show, each with its number of entries: a
// plain listing, printed straight on the printer's page and saved as text.
namespace BreedsEntered
{

// The print job's title and the heading of every page.
inline const QString title = QStringLiteral("Breeds Entered");

// The heading line, a line per breed in breed order (its varieties, stored
// as "Breed (Variety)", counted with it), the total of the entries not
// marked deleted and, when there are any, the number of deleted entries.
// Only reads the table.
QStringList lines(const dbf::Table& entries);

// Arial 10 in the plain listings' layout.
CanvasListing listing(const QStringList& lines);

} // namespace BreedsEntered
