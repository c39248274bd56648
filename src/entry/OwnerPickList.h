#pragma once

#include <QString>

#include <optional>
#include <vector>

namespace dbf
{
class Table;
}

// The owner pick list of the entry desk and the dog master: one item per
// owner record in last-name order, "Last, First", carrying the owner ID.
class OwnerPickList
{
public:
    struct Item {
        QString text;
        int ownerId = 0;
        QString ownerIdText() const; // five digits, as the tables keep it
    };

    OwnerPickList() = default;
    explicit OwnerPickList(const dbf::Table& owners);

    const std::vector<Item>& items() const { return items_; }

    // The owner a typed text picks: an item whose text, or whose last name,
    // is the typed text (in any case) comes first, so that "Smith" picks
    // "Smith, Mary" and not "Smithers, Al"; otherwise the first item, in list
    // order, that contains the typed text with that capitalisation. Nothing
    // for an empty text or no match: a new owner is to be made.
    std::optional<Item> match(const QString& typed) const;

private:
    std::vector<Item> items_;
};
