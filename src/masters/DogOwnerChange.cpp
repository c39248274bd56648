#include "masters/DogOwnerChange.h"

#include "entry/OwnerDialog.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

namespace
{

QString withoutTrailingBlanks(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

std::optional<std::uint32_t> ownerRecord(const dbf::Table& owners, const QString& ownerId)
{
    if (ownerId.trimmed().isEmpty())
        return std::nullopt;
    return owners.seekRecord("ownerid", ownerId.toStdString());
}

} // namespace

DogOwnerChange::DogOwnerChange(Tdmod& data, OwnerDialog& dialog) : data_(data), dialog_(dialog) {}

const OwnerPickList& DogOwnerChange::pickList()
{
    if (!pickList_) {
        data_.OpenOwners();
        pickList_.emplace(*data_.Owners());
    }
    return *pickList_;
}

QString DogOwnerChange::begin(const dbf::Table& dogs)
{
    data_.OpenOwners();
    const dbf::Table& owners = *data_.Owners();
    started_.clear();
    if (!dogs.isEmpty()) {
        if (const auto owner = ownerRecord(owners, RecordValues::text(dogs, "owner_id"))) {
            const dbf::RecordView record = owners.record(*owner);
            started_ = RecordValues::text(record, "last") + QStringLiteral(", ") +
                       RecordValues::text(record, "first");
        }
    }
    return started_;
}

DogOwnerChange::Outcome DogOwnerChange::finish(dbf::Table& dogs, const QString& typed)
{
    const QString text = withoutTrailingBlanks(typed);
    if (text == started_ || dogs.isEmpty())
        return Outcome::Kept;

    QString ownerId;
    if (const auto item = pickList().match(text)) {
        ownerId = item->ownerIdText();
    } else {
        const OwnerHandOver handedBack = dialog_.run(true, text);
        if (!handedBack.saved)
            return Outcome::NoOwner;
        pickList_.reset(); // the new owner belongs in the list
        ownerId = handedBack.ownerId;
    }

    const dbf::Table& owners = *data_.Owners();
    const auto owner = ownerRecord(owners, ownerId);
    if (!owner)
        return Outcome::NoOwner;
    const dbf::RecordView record = owners.record(*owner);
    // The buffer is read from the file first, so that nothing but the owner
    // reaches the record; after a failed write it is read again, so that the
    // window does not show an owner the dog does not have.
    const std::uint32_t dog = dogs.recno();
    dogs.go(dog);
    try {
        for (const char* field : {"first", "last", "owner_id"})
            dogs.setText(field, RecordValues::text(record, field).toStdString());
        dogs.writeRecord();
        dogs.flush();
    } catch (...) {
        dogs.go(dog);
        throw;
    }
    return Outcome::Changed;
}
