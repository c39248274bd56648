#include "preparation/CatalogEntryText.h"

#include "storage/RecordValues.h"

#include "dbf/Table.h"

namespace CatalogEntryText
{

namespace
{

QString field(const dbf::RecordView& row, const char* name)
{
    return RecordValues::text(row, name).trimmed();
}

QString orUnknown(const QString& text)
{
    return text.isEmpty() ? QStringLiteral("Unknown") : text;
}

// What follows the registration: birth date, breeding, owners, handler and
// height, the same in every output.
QString afterRegistration(const dbf::RecordView& row)
{
    QString text = RecordValues::dateText(row.date("bdate"));
    text += QStringLiteral(".    Breeder:  ") + orUnknown(field(row, "breeder"));
    text += QStringLiteral(".  By: ") + orUnknown(field(row, "sire")) + QStringLiteral(" x ") +
            orUnknown(field(row, "dam"));
    text += QStringLiteral(".  (") + field(row, "breed") + QStringLiteral(".  ") +
            field(row, "sex") + u')';
    text += QStringLiteral(".    Owner:  ") + field(row, "first") + u' ' + field(row, "last");
    if (const QString coOwner = field(row, "owner2"); !coOwner.isEmpty())
        text += QStringLiteral(" & ") + coOwner;
    const QString handler = field(row, "handler");
    text += handler.isEmpty() ? QStringLiteral(".")
                              : QStringLiteral(".    Handler:  ") + handler + u'.';
    const QString key = field(row, "db_key").toUpper();
    const QString height = RecordValues::raw(row, "jmp_ht");
    const bool rally = key.startsWith(u'R');
    // Rally's regular classes other than Novice carry a height; obedience
    // entries carry theirs whenever they have one.
    if ((rally && key.size() > 2 && key[2] != u'N') || (!rally && !height.trimmed().isEmpty()))
        text += QStringLiteral(" [Ht=") + height + QStringLiteral("].");
    return text;
}

} // namespace

QString dogName(const dbf::RecordView& row, bool capitals)
{
    const QString name = field(row, "dogname") + u'.';
    return capitals ? name.toUpper() : name;
}

QString details(const dbf::RecordView& row)
{
    const QString country = field(row, "reg_ctry");
    return QStringLiteral("  ") + field(row, "reg") +
           (country.isEmpty() ? QStringLiteral(".   ")
                              : QStringLiteral("  [") + country + QStringLiteral("].   ")) +
           afterRegistration(row);
}

QString previewDetails(const dbf::RecordView& row)
{
    const QString country = field(row, "reg_ctry");
    return field(row, "reg") +
           (country.isEmpty() ? QStringLiteral(".   ")
                              : QStringLiteral("  [ ") + country + QStringLiteral(" ].   ")) +
           afterRegistration(row);
}

} // namespace CatalogEntryText
