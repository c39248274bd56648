#pragma once

#include <QString>

namespace dbf
{
class RecordView;
}

// The words of one catalog entry, as every catalog output prints them.
namespace CatalogEntryText
{

// The dog's titled name and a period; in capitals when asked.
QString dogName(const dbf::RecordView& row, bool capitals);
// Everything after the dog's name: registration, birth date, breeder, sire
// and dam, breed and sex, owners, handler and jump height. "Unknown" stands
// for a breeder, sire or dam the dog master does not have.
QString details(const dbf::RecordView& row);
// The same as the preview writes it: no blanks before the registration, and
// its country, when stored, as "  [ Canada ].   ".
QString previewDetails(const dbf::RecordView& row);

} // namespace CatalogEntryText
