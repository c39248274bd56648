#include "entry/EntryOwner.h"

#include "entry/OwnerDialog.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"

using RecordValues::text;

EntryOwner::EntryOwner(Tdmod& data, OwnerDialog& dialog) : data_(data), dialog_(dialog) {}

void EntryOwner::positionOn(const QString& ownerId)
{
    data_.OpenOwners();
    dbf::Table& owners = *data_.Owners();
    hidden_ = false;
    const auto found = ownerId.trimmed().isEmpty()
                           ? std::nullopt
                           : owners.findRecord("ownerid", ownerId.toStdString());
    recno_ = found.value_or(0);
    ownerId_ = found ? ownerId : QString();
    if (found)
        owners.go(*found);
}

EntryOwner::Display EntryOwner::display() const
{
    if (!found() || hidden_)
        return {};
    const dbf::RecordView owner = data_.Owners()->record(recno_);
    return {text(owner, "first"), text(owner, "last"), text(owner, "address"), text(owner, "city"),
            text(owner, "state"), text(owner, "zip"),  text(owner, "country"), text(owner, "phone"),
            text(owner, "cell"),  text(owner, "email")};
}

const OwnerPickList& EntryOwner::pickList()
{
    if (!pickList_) {
        data_.OpenOwners();
        pickList_.emplace(*data_.Owners());
    }
    return *pickList_;
}

std::optional<EntryOwner::Chosen> EntryOwner::chosenById(const QString& ownerId)
{
    positionOn(ownerId);
    if (!found())
        return std::nullopt;
    const Display shown = display();
    return Chosen{shown.first, shown.last, ownerId};
}

std::optional<EntryOwner::Chosen> EntryOwner::runDialog(bool adding, const QString& typedName)
{
    const OwnerHandOver handedBack = dialog_.run(adding, typedName);
    if (!handedBack.saved)
        return std::nullopt;
    pickList_.reset(); // a new or renamed owner changes the list
    return chosenById(handedBack.ownerId);
}

std::optional<EntryOwner::Chosen> EntryOwner::pick(const QString& typed)
{
    if (const auto item = pickList().match(typed))
        return chosenById(item->ownerIdText());
    QString name = typed;
    while (name.endsWith(u' '))
        name.chop(1);
    return runDialog(true, name);
}

std::optional<EntryOwner::Chosen> EntryOwner::edit(const QString& ownerId, const QString& first,
                                                   const QString& last)
{
    positionOn(ownerId);
    if (!found()) {
        // An entry whose owner ID names nobody: the owner of that name, if any.
        const QString wanted = last.trimmed().toUpper() + u'\n' + first.trimmed().toUpper();
        const dbf::Table& owners = *data_.Owners();
        for (std::uint32_t r = 1; r <= owners.recordCount(); ++r) {
            const dbf::RecordView owner = owners.record(r);
            if (text(owner, "last").trimmed().toUpper() + u'\n' +
                    text(owner, "first").trimmed().toUpper() ==
                wanted) {
                positionOn(text(owner, "owner_id"));
                break;
            }
        }
    }
    return runDialog(!found(), last.trimmed() + QStringLiteral(", ") + first.trimmed());
}

void EntryOwner::rename(const QString& first, const QString& last)
{
    if (!found())
        return;
    dbf::Table& owners = *data_.Owners();
    owners.go(recno_);
    owners.edit();
    owners.setText("first", first.toStdString());
    owners.setText("last", last.toStdString());
    owners.post();
    pickList_.reset();
}
