#include "reports/ShowListings.h"

#include "storage/DataModule.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

#include <QSet>

namespace
{

using RecordValues::text;

// First name, a blank and the last name as stored, in `width` characters at least.
QString nameColumn(const dbf::RecordView& entry, int width = 30)
{
    return (text(entry, "first") + u' ' + RecordValues::raw(entry, "last")).leftJustified(width);
}

QString armbandColumn(const dbf::RecordView& entry, int width = 5)
{
    return text(entry, "arm").leftJustified(width);
}

// The entries as the entry table presents them.
std::vector<dbf::RecordView> presentedEntries(Tdmod& data)
{
    const dbf::Table& entries = *data.TzDbf1();
    std::vector<dbf::RecordView> shown;
    for (std::uint32_t recno : entries.visibleRecords())
        shown.push_back(entries.record(recno));
    return shown;
}

std::vector<dbf::RecordView> withFlag(const std::vector<dbf::RecordView>& entries, const char* flag)
{
    std::vector<dbf::RecordView> flagged;
    for (const dbf::RecordView& entry : entries)
        if (entry.logical(flag))
            flagged.push_back(entry);
    return flagged;
}

// A heading ending in the number of lines listed under it.
QString totalHeading(const QString& text, std::size_t total)
{
    return text + QString::number(total) + QStringLiteral("  ***");
}

// The club and the show's dates between blank lines, in `points`.
void addShowLine(RichListing& listing, Tdmod& data, double points)
{
    listing.setPointSize(points);
    listing.setBold(false);
    listing.addLine(QStringLiteral(" "));
    listing.addLine(u' ' + data.ReadClubName() + QStringLiteral("  --  ") + data.ShowDatesText());
    listing.addLine(QStringLiteral(" "));
}

void addColumnLine(RichListing& listing, double points, const QList<double>& tabs,
                   const QString& line)
{
    listing.setPointSize(points);
    listing.setTabStops(tabs);
    listing.setBold(true);
    listing.addLine(line);
}

// The lines under the column line, when the show presents any entry.
void addLines(RichListing& listing, bool anyEntry, const QStringList& lines)
{
    if (!anyEntry)
        return;
    listing.setBold(false);
    listing.addLine(QStringLiteral(" "));
    for (const QString& line : lines)
        listing.addLine(line);
}

// The owner of an entry in the owners table, found by its ID.
std::optional<dbf::RecordView> ownerOf(Tdmod& data, const dbf::RecordView& entry)
{
    data.OpenOwners();
    const dbf::Table& owners = *data.Owners();
    const auto found =
        owners.seekRecord("OWNERID", RecordValues::raw(entry, "owner_id").toStdString());
    if (!found)
        return std::nullopt;
    return owners.record(*found);
}

} // namespace

namespace ShowListings
{

RichListing specialNotes(Tdmod& data)
{
    const std::vector<dbf::RecordView> entries = presentedEntries(data);
    RichListing listing(kNotesCaption, QPageLayout::Landscape);
    listing.setFont(QStringLiteral("Arial"), 12);
    listing.setBold(true);
    listing.addLine(QStringLiteral("Special Notes in Database"));
    listing.addLine(QStringLiteral(" "));
    addColumnLine(listing, 10, {200, 275, 350},
                  QStringLiteral("Full Name\tArmband # + Printit\t            Note"));
    QStringList lines;
    for (const dbf::RecordView& entry : entries) {
        const QString notes = text(entry, "notes");
        if (notes.trimmed().isEmpty())
            continue;
        lines << nameColumn(entry) + u'\t' + armbandColumn(entry) +
                     (entry.logical("printit") ? QStringLiteral("+ Yes") : QStringLiteral("+ No")) +
                     u'\t' + notes
              << QStringLiteral(" ");
    }
    addLines(listing, !entries.empty(), lines);
    return listing;
}

RichListing prePaidCatalogs(Tdmod& data)
{
    const std::vector<dbf::RecordView> entries = presentedEntries(data);
    const std::vector<dbf::RecordView> paid = withFlag(entries, "prepaidcat");
    RichListing listing(kPrePaidCaption);
    listing.setFont(QStringLiteral("Arial"), 14);
    listing.setBold(true);
    listing.addLine(
        totalHeading(QStringLiteral("Pre-Paid Catalogs Ordered   ***  Total = "), paid.size()));
    addShowLine(listing, data, 10);
    addColumnLine(listing, 12, {225, 275, 325}, QStringLiteral("Full Name\tArmband #"));
    QStringList lines;
    for (const dbf::RecordView& entry : paid)
        lines << nameColumn(entry) + u'\t' + armbandColumn(entry);
    addLines(listing, !entries.empty(), lines);
    return listing;
}

RichListing volunteerWorkers(Tdmod& data)
{
    const std::vector<dbf::RecordView> entries = presentedEntries(data);
    const std::vector<dbf::RecordView> workers = withFlag(entries, "worker");
    RichListing listing(kWorkersCaption);
    listing.setFont(QStringLiteral("Arial"), 14);
    listing.setBold(true);
    listing.addLine(
        totalHeading(QStringLiteral("Volunteer Workers        ***  Total = "), workers.size()));
    addShowLine(listing, data, 10);
    addColumnLine(listing, 12, {225, 275, 325, 375},
                  QStringLiteral("Full Name\tArmband #\tPhone\tEmail"));
    QStringList lines;
    for (const dbf::RecordView& entry : workers) {
        QString phone, email;
        if (const auto owner = ownerOf(data, entry)) {
            phone = text(*owner, "phone");
            email = text(*owner, "email");
        } else {
            data.messages().inform("Owner ID# " + RecordValues::raw(entry, "owner_id") +
                                   " Not found in Owners - No Address Info");
        }
        lines << nameColumn(entry) + u'\t' + armbandColumn(entry) + u'\t' + phone + u'\t' + email;
    }
    addLines(listing, !entries.empty(), lines);
    return listing;
}

RichListing emailConfirmationsSent(Tdmod& data)
{
    const std::vector<dbf::RecordView> entries = presentedEntries(data);
    const std::vector<dbf::RecordView> sent = withFlag(entries, "emailsent");
    RichListing listing(kEmailSentCaption);
    listing.setFont(QStringLiteral("Arial"), 12);
    listing.setBold(true);
    listing.addLine(totalHeading(
        QStringLiteral("Confirmations Sent Via Email Listing      ***  Total = "), sent.size()));
    addShowLine(listing, data, 8);
    addColumnLine(listing, 10, {200, 255, 325}, QStringLiteral("Full Name\tArmband #\tDog's Name"));
    QStringList lines;
    for (const dbf::RecordView& entry : sent)
        lines << nameColumn(entry) + u'\t' + armbandColumn(entry, 8) + u'\t' + text(entry, "dog");
    addLines(listing, !entries.empty(), lines);
    return listing;
}

RichListing ownersAndEmails(Tdmod& data)
{
    const std::vector<dbf::RecordView> entries = presentedEntries(data);
    RichListing listing(kOwnersEmailCaption);
    listing.setFont(QStringLiteral("Arial"), 10);
    listing.setBold(true);
    listing.addLine(QStringLiteral("Email Addresses in Current Show"));
    listing.addLine(QStringLiteral(" "));
    addColumnLine(listing, 8, {150, 200, 250, 300, 400, 450},
                  QStringLiteral("Full Name\tEmail Address"));
    QStringList lines;
    // An owner with several dogs is listed once, wherever the entries stand.
    QSet<QString> listed;
    for (const dbf::RecordView& entry : entries) {
        if (entry.deleted())
            continue;
        const QString ownerId = RecordValues::raw(entry, "owner_id");
        if (listed.contains(ownerId))
            continue;
        const auto owner = ownerOf(data, entry);
        if (!owner)
            continue;
        listed.insert(ownerId);
        const QString email = text(*owner, "email");
        lines << (email.trimmed().isEmpty() ? nameColumn(entry, 10)
                                            : nameColumn(entry, 10) + u'\t' + email);
    }
    addLines(listing, !entries.empty(), lines);
    return listing;
}

} // namespace ShowListings
