#include "masters/DogMasterRules.h"

#include "storage/RecordValues.h"
#include "storage/TextRules.h"

#include "dbf/Table.h"

#include <QDate>

namespace DogMasterRules
{

namespace
{

QList<ListItem> heights(std::initializer_list<int> inches, bool withEmpty)
{
    QList<ListItem> items;
    for (int height : inches)
        items.append({heightShown(height), heightStored(height)});
    if (withEmpty)
        items.append({QString(), QString()});
    return items;
}

MasterOrder order(const QString& caption, const QString& tag)
{
    return {caption, tag, orderName(tag), findLabel(tag),
            tag.isEmpty() ? FindKey::RecordNumber : FindKey::Text};
}

} // namespace

const QList<MasterOrder>& orders()
{
    static const QList<MasterOrder> all{
        order(QStringLiteral("Registration #"), QString::fromLatin1(kRegistrationTag)),
        order(QStringLiteral("Owner's Last name"), QStringLiteral("ownername")),
        order(QStringLiteral("Dog's Registered Name"), QStringLiteral("dogname")),
        order(QStringLiteral("Call Name"), QStringLiteral("callname")),
        order(QStringLiteral("Input Order"), QString()),
    };
    return all;
}

QString orderName(QStringView tag)
{
    switch (tag.isEmpty() ? u' ' : tag.front().toUpper().unicode()) {
    case u'R':
        return QStringLiteral("Registration #");
    case u'O':
        return QStringLiteral("Owner's Last Name");
    case u'D':
        return QStringLiteral("Dog's Name");
    case u'C':
        return QStringLiteral("Call Name");
    default:
        return QStringLiteral("Input Order");
    }
}

QString findLabel(QStringView tag)
{
    const QString name = orderName(tag);
    return name == u"Input Order" ? QStringLiteral("Record #") : name;
}

QString heightShown(int inches)
{
    return heightStored(inches) + u'"';
}

QString heightStored(int inches)
{
    return TextRules::RightAligned(inches, 2);
}

QList<ListItem> obedienceHeights()
{
    return heights({4, 8, 10, 12, 14, 16, 18, 20, 22, 24, 26, 28}, false);
}

QList<ListItem> rallyHeights()
{
    return heights({4, 8, 12, 16}, true);
}

QList<ListItem> agilityHeights()
{
    return heights({4, 8, 12, 16, 20, 24, 26}, false);
}

QList<ListItem> iscHeights()
{
    return heights({14, 18, 26}, true);
}

QStringList sexItems()
{
    return {QStringLiteral("Bitch"), QStringLiteral("Dog")};
}

QStringList heightCardItems()
{
    return {QStringLiteral("None"), QStringLiteral("Perm"), QStringLiteral("Temp")};
}

OwnerDisplay ownerDisplay(const dbf::Table& owners, const QString& ownerId)
{
    const auto found = ownerId.trimmed().isEmpty()
                           ? std::nullopt
                           : owners.seekRecord("ownerid", ownerId.toStdString());
    if (!found)
        return {QStringLiteral("Owner Unknown for ID= ") + ownerId, QString(),
                QStringLiteral("Email:"), QStringLiteral("Phone:")};
    const dbf::RecordView owner = owners.record(*found);
    const auto text = [&owner](const char* field) {
        return RecordValues::text(owner, field).trimmed();
    };
    return {TextRules::DoubleAmpersands(text("first") + u' ' + text("last")),
            text("address") + QStringLiteral("  ") + text("city") + QStringLiteral(", ") +
                text("state") + QStringLiteral("  ") + text("zip"),
            QStringLiteral("Email: ") + text("email"), QStringLiteral("Phone: ") + text("phone")};
}

} // namespace DogMasterRules

namespace
{

void stampToday(dbf::Table& dogs)
{
    dogs.setDate("modified", RecordValues::toDate(QDate::currentDate()));
}

QString registrationKey(const QString& reg)
{
    return reg.trimmed().toUpper();
}

} // namespace

Done DogSaveRules::startRecord(dbf::Table& dogs)
{
    stampToday(dogs);
    return Done::success();
}

Done DogSaveRules::prepareSave(dbf::Table& dogs)
{
    const QString reg = registrationKey(RecordValues::text(dogs, "reg"));
    if (reg.isEmpty())
        return Done::failure(QStringLiteral("A dog needs a Registration #.;"
                                            "Type the number, or press Cancel to leave it."));
    dogs.setText("reg", reg.toStdString());
    stampToday(dogs);

    const std::uint32_t own = dogs.state() == dbf::Table::State::Edit ? dogs.recno() : 0;
    if (own != 0 && registrationKey(RecordValues::text(dogs.record(own), "reg")) == reg)
        return Done::success();
    for (std::uint32_t other :
         dogs.recordsWithKey(DogMasterRules::kRegistrationTag, reg.toStdString())) {
        const dbf::RecordView twin = dogs.record(other);
        if (other == own || registrationKey(RecordValues::text(twin, "reg")) != reg)
            continue;
        return Done::failure(
            QStringLiteral("The Registration # %1 is already in the Dog Master (Rec # %2%3).;"
                           "Each dog is kept once: find that record to change it.")
                .arg(reg)
                .arg(other)
                .arg(twin.deleted() ? QStringLiteral(", marked Deleted") : QString()));
    }
    return Done::success();
}
