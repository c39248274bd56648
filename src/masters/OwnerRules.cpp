#include "masters/OwnerRules.h"

#include "storage/TextRules.h"

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

const std::vector<Order>& orders()
{
    // Input order has no tag; Find there goes to a record number, as the
    // "Record #" order does in the other master windows.
    static const std::vector<Order> all{
        {"name", "name", QStringLiteral("Last Name"), QStringLiteral("Sort by Last Name"),
         QStringLiteral("Last Name")},
        {"zip", "zip", QStringLiteral("Zip Code"), QStringLiteral("Sort by Zip Code, Last Name"),
         QStringLiteral("Zip Code")},
        {"emailsrt",
         "emailsrt",
         QStringLiteral("Email Address"),
         {},
         QStringLiteral("Email Address")},
        {"ownerid", "ownerid", QStringLiteral("Owner ID"), {}, QStringLiteral("ID #")},
        {"", "input", QStringLiteral("Input Order"), {}, QStringLiteral("Record #")},
    };
    return all;
}

const Order* orderNamed(QStringView name)
{
    for (const Order& order : orders()) {
        if (name.isEmpty() && !*order.tag)
            return &order;
        if (name.compare(QLatin1StringView(order.name), Qt::CaseInsensitive) == 0 ||
            (*order.tag && name.compare(QLatin1StringView(order.tag), Qt::CaseInsensitive) == 0))
            return &order;
    }
    return nullptr;
}

QString findKey(const Order& order, const QString& typed)
{
    if (QLatin1StringView(order.tag) == QLatin1StringView("ownerid"))
        return TextRules::ZeroPad(TextRules::IdToInt(typed), 5);
    return withoutTrailingBlanks(typed).toUpper();
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
