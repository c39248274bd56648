#include "preparation/ExhibitorIndex.h"

#include "storage/ClassCodes.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

#include <algorithm>
#include <tuple>

namespace ExhibitorIndex
{

namespace
{

using RecordValues::text;

bool enteredIn(const dbf::RecordView& entry, ClassCodes::Section section)
{
    for (const QString& flag : ClassCodes::entryFlagNames(section)) {
        if (entry.logical(flag.toStdString()))
            return true;
    }
    return false;
}

QString trimmed(const dbf::RecordView& record, const char* field)
{
    return text(record, field).trimmed();
}

// The owner's address and the entry's breed, as the line shows them.
QString addressOf(Tdmod& data, const dbf::RecordView& entry, const Options& options)
{
    const dbf::Table& owners = *data.Owners();
    const auto owner = owners.seekRecord("OWNERID", text(entry, "owner_id").toStdString());
    if (!owner)
        return {};
    const dbf::RecordView o = owners.record(*owner);
    QString address = trimmed(o, "address") + QStringLiteral("   ") + trimmed(o, "city") +
                      QStringLiteral(", ") + trimmed(o, "state") + QStringLiteral("  ") +
                      trimmed(o, "zip");
    if (options.phones)
        address += QStringLiteral("  ") + trimmed(o, "phone");
    const QString breed = trimmed(entry, "breed");
    return address + QStringLiteral("  [") +
           (options.shortNames ? data.BreedShortName(breed) : breed) + u']';
}

struct Keyed {
    QString key;
    QString sortKey;
    std::uint32_t recno;
};

} // namespace

Result<Index> read(Tdmod& data, const Options& options)
{
    if (options.sections == Sections::ObedienceOnly && !data.ShowHasObedience())
        return Result<Index>::failure(
            QStringLiteral("There are NO Obedience Classes in this Show!;;Try again."));
    if (options.sections == Sections::RallyOnly && !data.ShowHasRally())
        return Result<Index>::failure(
            QStringLiteral("There are NO Rally Classes in this Show!;;Try again."));
    data.OpenOwners();
    data.OpenDogs();
    Index index;
    index.clubName = data.ReadClubName();
    index.dateText = data.ShowDatesText();

    const dbf::Table& entries = *data.TzDbf1();
    const dbf::Table& dogs = *data.Dogs();
    std::vector<Keyed> keyed;
    for (std::uint32_t recno : entries.recordsInOrder("NAME")) {
        const dbf::RecordView entry = entries.record(recno);
        if (entry.deleted() ||
            (options.sections == Sections::ObedienceOnly &&
             !enteredIn(entry, ClassCodes::Section::Obedience)) ||
            (options.sections == Sections::RallyOnly &&
             !enteredIn(entry, ClassCodes::Section::Rally)))
            continue;
        QString key = trimmed(entry, "last") + QStringLiteral(", ") + trimmed(entry, "first");
        const auto dog =
            dogs.seekRecord("regnum", text(entry, "reg").trimmed().toUpper().toStdString());
        if (dog) {
            if (const QString coOwner = trimmed(dogs.record(*dog), "owner2"); !coOwner.isEmpty())
                key += QStringLiteral(", ") + coOwner;
        }
        keyed.push_back({key, key.toUpper(), recno});
    }
    // By the key itself, co-owner included: entries of one exhibitor that the
    // name order keeps apart (another dog of the owner with no co-owner in
    // between) come together. Kept in the name order otherwise, so the first
    // entry of an exhibitor there gives the address.
    std::stable_sort(keyed.begin(), keyed.end(), [](const Keyed& a, const Keyed& b) {
        return std::tie(a.sortKey, a.key) < std::tie(b.sortKey, b.key);
    });
    for (const Keyed& k : keyed) {
        const dbf::RecordView entry = entries.record(k.recno);
        const QString armband = trimmed(entry, "arm");
        if (index.exhibitors.empty() || index.exhibitors.back().key != k.key) {
            index.exhibitors.push_back(
                {k.key, addressOf(data, entry, options), QStringLiteral("Entries:  ") + armband});
        } else {
            index.exhibitors.back().entries += QStringLiteral(", ") + armband;
        }
    }
    return index;
}

QString details(const Exhibitor& exhibitor, const Options& options)
{
    return options.armbands ? exhibitor.address + QStringLiteral("   ") + exhibitor.entries
                            : exhibitor.address;
}

QString name(const Exhibitor& exhibitor, const Options& options)
{
    return options.capitals ? exhibitor.key.toUpper() : exhibitor.key;
}

} // namespace ExhibitorIndex
