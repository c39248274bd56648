#include "masters/OwnerEditing.h"

#include "masters/OwnerRules.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"

#include "dbf/Error.h"

OwnerEditing::OwnerEditing(Tdmod& data, OwnerHandOver& handOver) : data_(data), handOver_(handOver)
{
}

std::optional<OwnerEditing::Focus> OwnerEditing::begin()
{
    data_.OpenOwners();
    dbf::Table& owners = *data_.Owners();
    browser_.emplace(owners, data_.messages());
    browser_->setSaveRules(std::make_unique<OwnerSaveRules>(data_));
    if (!handOver_.adding) {
        if (!browser_->startEdit()) {
            data_.messages().error(QStringLiteral("There is no owner to edit."));
            return std::nullopt;
        }
        return Focus::FirstName;
    }
    if (!browser_->startAdd())
        return std::nullopt;
    const OwnerRules::TypedName name = OwnerRules::splitTypedName(handOver_.typedName);
    owners.setText("last", name.last.toStdString());
    owners.setText("first", name.first.toStdString());
    return name.hasFirst ? Focus::Address : Focus::FirstName;
}

bool OwnerEditing::save()
{
    if (!browser_)
        return false;
    try {
        if (browser_->save() == SaveOutcome::Refused)
            return false;
    } catch (const dbf::Error& e) {
        data_.messages().error(QString::fromStdString(e.what()));
        return false;
    }
    handOver_.ownerId = RecordValues::text(browser_->table(), "owner_id");
    handOver_.adding = false;
    handOver_.saved = true;
    return true;
}

void OwnerEditing::cancel()
{
    if (handOver_.adding)
        handOver_.ownerId.clear();
    if (browser_)
        browser_->cancel();
    handOver_.saved = false;
}
