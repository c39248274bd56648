#include "masters/OwnerEditing.h"

#include "masters/OwnerRules.h"
#include "masters/OwnerTasks.h"
#include "storage/DataModule.h"

#include "dbf/Error.h"

OwnerEditing::OwnerEditing(Tdmod& data, OwnerHandOver& handOver) : data_(data), handOver_(handOver)
{
}

std::optional<OwnerEditing::Focus> OwnerEditing::begin()
{
    data_.OpenOwners();
    dbf::Table& owners = *data_.Owners();
    if (!handOver_.adding) {
        if (owners.isEmpty()) {
            data_.messages().error(QStringLiteral("There is no owner to edit."));
            return std::nullopt;
        }
        owners.edit();
        return Focus::FirstName;
    }
    if (!OwnerTasks::startNewOwner(data_))
        return std::nullopt;
    const OwnerRules::TypedName name = OwnerRules::splitTypedName(handOver_.typedName);
    owners.setText("last", name.last.toStdString());
    owners.setText("first", name.first.toStdString());
    return name.hasFirst ? Focus::Address : Focus::FirstName;
}

bool OwnerEditing::save()
{
    dbf::Table& owners = *data_.Owners();
    try {
        OwnerRules::tidyRecord(owners);
        owners.post();
    } catch (const dbf::Error& e) {
        data_.messages().error(QString::fromStdString(e.what()));
        return false;
    }
    handOver_.ownerId = QString::fromStdString(owners.text("owner_id"));
    handOver_.adding = false;
    handOver_.saved = true;
    return true;
}

void OwnerEditing::cancel()
{
    if (handOver_.adding)
        handOver_.ownerId.clear();
    data_.Owners()->cancel();
    handOver_.saved = false;
}
