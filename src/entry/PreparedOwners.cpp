#include "entry/PreparedOwners.h"

#include "storage/DataModule.h"

OwnerHandOver PreparedOwners::run(bool adding, const QString& typedName)
{
    ++runs_;
    OwnerHandOver handOver{adding, typedName, {}, false};
    OwnerEditing editing(data_, handOver);
    if (!editing.begin())
        return handOver;
    if (cancelNext_) {
        cancelNext_ = false;
        editing.cancel();
        return handOver;
    }
    dbf::Table& owners = *data_.Owners();
    for (auto it = fields_.cbegin(); it != fields_.cend(); ++it)
        owners.setText(it.key().toStdString(), it.value().toStdString());
    fields_.clear();
    editing.save();
    return handOver;
}
