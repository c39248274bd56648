#include "reports/EmailString.h"

#include "storage/DataModule.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

namespace EmailString
{

void addAddressString(RichListing& listing, const QStringList& addresses)
{
    listing.addLine(QStringLiteral("Addresses are separated by a comma and can be copied directly "
                                   "into the SEND TO field of an email.  Now split into groups "
                                   "of 20."));
    listing.addLine(QStringLiteral(" "));
    QString line;
    for (qsizetype k = 0; k < addresses.size(); ++k) {
        line += addresses[k] + u',';
        if ((k + 1) % kGroupSize == 0) {
            listing.addLine(line);
            listing.addLine(QStringLiteral(" "));
            line.clear();
        }
    }
    if (!line.isEmpty())
        listing.addLine(line);
}

RichListing ofShow(Tdmod& data)
{
    const dbf::Table& entries = *data.TzDbf1();
    QStringList addresses;
    QString previousName;
    bool first = true;
    for (std::uint32_t recno : entries.recordsInOrder("NAME")) {
        const dbf::RecordView entry = entries.record(recno);
        if (entry.deleted())
            continue;
        const QString name = RecordValues::text(entry, "first").trimmed() + u' ' +
                             RecordValues::text(entry, "last").trimmed();
        if (!first && name == previousName)
            continue;
        first = false;
        previousName = name;
        // The ID as stored, so that a blank one finds no owner but one with a blank ID.
        const QString email = data.OwnerEmail(RecordValues::raw(entry, "owner_id")).trimmed();
        if (!email.isEmpty())
            addresses << email;
    }
    RichListing listing(kCaption);
    listing.addLine(QStringLiteral("Email Addresses in Show Database"));
    listing.addLine();
    addAddressString(listing, addresses);
    return listing;
}

} // namespace EmailString
