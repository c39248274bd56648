#include "masters/OwnerListing.h"

#include "storage/RecordValues.h"

#include "dbf/Table.h"

namespace
{

QString stored(const dbf::RecordView& owner, const char* field)
{
    return RecordValues::raw(owner, field);
}

QString trimmed(const dbf::RecordView& owner, const char* field)
{
    return RecordValues::text(owner, field);
}

QString ownerLine(const dbf::RecordView& owner)
{
    const QString name = (trimmed(owner, "first") + u' ' + stored(owner, "last")).leftJustified(10);
    const QString address = (trimmed(owner, "address") + "   " + trimmed(owner, "city") + ", " +
                             trimmed(owner, "state") + "   " + trimmed(owner, "zip"))
                                .leftJustified(50);
    return name + u'\t' + address + u'\t' + stored(owner, "phone") + "   " +
           trimmed(owner, "email");
}

} // namespace

RichListing ownerListing(const dbf::Table& owners)
{
    RichListing listing;
    listing.setFont(QStringLiteral("Arial"), 10);
    listing.setBold(true);
    listing.addLine(QStringLiteral("Address Info for Individuals in Database"));
    listing.addLine(QStringLiteral(" "));
    listing.setPointSize(8);
    listing.setTabStops({150, 200, 250, 300, 400, 450});
    listing.addLine(QStringLiteral("Full Name\t") +
                    QStringLiteral("Address   City, State  Zip").leftJustified(50) +
                    QStringLiteral("\tPhone\tEmail"));
    if (owners.recordCount() > 0) {
        listing.setBold(false);
        listing.addLine(QStringLiteral(" "));
        for (std::uint32_t recno : owners.recordsInOrder(owners.order())) {
            const dbf::RecordView owner = owners.record(recno);
            if (!owner.deleted())
                listing.addLine(ownerLine(owner));
        }
    }
    return listing;
}
