#include "entry/OwnerPickList.h"

#include "storage/RecordValues.h"
#include "storage/TextRules.h"

#include "dbf/Table.h"

QString OwnerPickList::Item::ownerIdText() const
{
    return TextRules::ZeroPad(ownerId, 5);
}

OwnerPickList::OwnerPickList(const dbf::Table& owners)
{
    const std::vector<std::uint32_t> order = owners.recordsInOrder("name");
    items_.reserve(order.size());
    for (std::uint32_t recno : order) {
        const dbf::RecordView owner = owners.record(recno);
        items_.push_back({RecordValues::text(owner, "last") + QStringLiteral(", ") +
                              RecordValues::text(owner, "first"),
                          TextRules::IdToInt(RecordValues::text(owner, "owner_id"))});
    }
}

std::optional<OwnerPickList::Item> OwnerPickList::match(const QString& typed) const
{
    QString text = typed;
    while (text.endsWith(u' '))
        text.chop(1);
    if (text.isEmpty())
        return std::nullopt;
    for (const Item& item : items_) {
        const QString last = item.text.section(QStringLiteral(", "), 0, 0);
        if (item.text.compare(text, Qt::CaseInsensitive) == 0 ||
            last.compare(text, Qt::CaseInsensitive) == 0)
            return item;
    }
    for (const Item& item : items_) {
        if (item.text.contains(text, Qt::CaseSensitive))
            return item;
    }
    return std::nullopt;
}
