#include "masters/OwnerRules.h"

#include "storage/DataModule.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

#include <algorithm>

namespace OwnerRules
{

namespace
{

QString withoutTrailingBlanks(const QString& text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    return text.left(end);
}

} // namespace

const QList<MasterOrder>& orders()
{
    static const QList<MasterOrder> all{
        {QStringLiteral("Last Name"), QStringLiteral("name"), QStringLiteral("Last Name"),
         QStringLiteral("Last Name"), FindKey::Text, QStringLiteral("Sort by Last Name")},
        {QStringLiteral("Zip Code"), QStringLiteral("zip"), QStringLiteral("Zip Code"),
         QStringLiteral("Zip Code"), FindKey::Text, QStringLiteral("Sort by Zip Code, Last Name")},
        {QStringLiteral("Email Address"),
         QStringLiteral("emailsrt"),
         QStringLiteral("Email Address"),
         QStringLiteral("Email Address"),
         FindKey::Text,
         {}},
        {QStringLiteral("Owner ID"),
         QStringLiteral("ownerid"),
         QStringLiteral("Owner ID"),
         QStringLiteral("ID #"),
         FindKey::FiveDigitId,
         {}},
        {QStringLiteral("Input Order"),
         {},
         QStringLiteral("Input Order"),
         QStringLiteral("Record #"),
         FindKey::RecordNumber,
         {}},
    };
    return all;
}

const MasterOrder* orderNamed(QStringView name)
{
    const bool input = name.isEmpty() || name.compare(u"input", Qt::CaseInsensitive) == 0;
    for (const MasterOrder& order : orders()) {
        if (input ? order.tag.isEmpty()
                  : !order.tag.isEmpty() && name.compare(order.tag, Qt::CaseInsensitive) == 0)
            return &order;
    }
    return nullptr;
}

QString stateOnLeaving(const QString& typed)
{
    const QString state = withoutTrailingBlanks(typed);
    return state.size() < 3 ? state.toUpper() : state;
}

QString countryOnLeaving(const QString& typed)
{
    return withoutTrailingBlanks(typed).toUpper() == QLatin1StringView("USA")
               ? QStringLiteral("USA")
               : typed;
}

void tidyRecord(dbf::Table& owner)
{
    const auto apply = [&owner](const char* field, const auto& rule) {
        owner.setText(field, rule(RecordValues::text(owner, field)).toStdString());
    };
    apply("state", stateOnLeaving);
    apply("country", countryOnLeaving);
    const auto digitsOnly = [](const QString& phone) {
        return std::any_of(phone.begin(), phone.end(), [](QChar c) { return c.isDigit(); })
                   ? phone
                   : QString();
    };
    apply("phone", digitsOnly);
    apply("cell", digitsOnly);
}

TypedName splitTypedName(const QString& typed)
{
    const qsizetype comma = typed.indexOf(u',');
    if (comma < 0)
        return {typed, {}, false};
    QString first = typed.mid(comma + 1);
    if (first.startsWith(u' '))
        first.remove(0, 1);
    return {typed.left(comma), first, true};
}

} // namespace OwnerRules

Done OwnerSaveRules::startRecord(dbf::Table& owners)
{
    const Result<QString> id = data_.NextOwnerId();
    if (!id)
        return Done::failure(id.message());
    owners.setText("owner_id", id->toStdString());
    return Done::success();
}

Done OwnerSaveRules::prepareSave(dbf::Table& owners)
{
    OwnerRules::tidyRecord(owners);
    return Done::success();
}
