#include "masters/OwnerListing.h"

#include "storage/RecordValues.h"

#include "dbf/Table.h"

namespace
{

QString field(const dbf::RecordView& owner, const char* name)
{
    return RecordValues::text(owner, name);
}

QStringList ownerRow(const dbf::RecordView& owner)
{
    return {field(owner, "first") + u' ' + field(owner, "last"),
            field(owner, "address") + "   " + field(owner, "city") + ", " + field(owner, "state") +
                "   " + field(owner, "zip"),
            field(owner, "phone"), field(owner, "email")};
}

} // namespace

RichListing ownerListing(const dbf::Table& owners)
{
    RichListing listing(kOwnerListingCaption);
    listing.setFont(QStringLiteral("Arial"), 10);
    listing.setBold(true);
    listing.addLine(QStringLiteral("Address Info for Individuals in Database"));
    listing.addLine(QStringLiteral(" "));
    listing.setPointSize(8);
    listing.setBold(false);
    QList<QStringList> rows;
    for (std::uint32_t recno : owners.recordsInOrder(owners.order())) {
        const dbf::RecordView owner = owners.record(recno);
        if (!owner.deleted())
            rows << ownerRow(owner);
    }
    listing.addTable({QStringLiteral("Full Name"), QStringLiteral("Address   City, State  Zip"),
                      QStringLiteral("Phone"), QStringLiteral("Email")},
                     rows);
    return listing;
}
