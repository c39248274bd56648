#include "preparation/BreedsEntered.h"

#include "storage/RecordValues.h"
#include "storage/TextRules.h"

#include "dbf/Table.h"

namespace BreedsEntered
{

namespace
{

// The breed without its variety.
QString breedOf(const dbf::RecordView& entry)
{
    QString breed = RecordValues::raw(entry, "breed");
    if (const qsizetype variety = breed.indexOf(u'('); variety >= 0)
        breed.truncate(variety);
    while (breed.endsWith(u' '))
        breed.chop(1);
    return breed;
}

QString line(const QString& breed, int count)
{
    return breed.leftJustified(30, u' ') + u'\t' + TextRules::RightAligned(count, 3);
}

} // namespace

QStringList lines(const dbf::Table& entries)
{
    QStringList result{QStringLiteral("Breed   ").leftJustified(30, u' ') +
                       QStringLiteral("\tNumber of Entries")};
    int total = 0;
    int deleted = 0;
    QString breed;
    int count = 0;
    for (std::uint32_t recno : entries.recordsInOrder("BREEDNAME")) {
        const dbf::RecordView entry = entries.record(recno);
        if (entry.deleted()) {
            ++deleted;
            continue;
        }
        ++total;
        const QString next = breedOf(entry);
        if (count > 0 && next != breed) {
            result << line(breed, count);
            count = 0;
        }
        breed = next;
        ++count;
    }
    if (count > 0)
        result << line(breed, count);
    result << QStringLiteral(" ")
           << QStringLiteral("Total Entries = ") + TextRules::RightAligned(total, 3)
           << QStringLiteral(" ");
    if (deleted > 0)
        result << QStringLiteral("with ") + TextRules::RightAligned(deleted, 3) +
                      QStringLiteral(" deleted entries");
    return result;
}

CanvasListing listing(const QStringList& lines)
{
    return CanvasListing(
        title, CanvasListingLayout::plainListing(title, QFont(QStringLiteral("Arial"), 10)), lines);
}

} // namespace BreedsEntered
