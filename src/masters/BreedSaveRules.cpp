#include "masters/BreedSaveRules.h"

#include "storage/RecordValues.h"

#include "dbf/Table.h"

namespace
{

QString nameKey(const QString& name)
{
    return name.trimmed().toUpper();
}

} // namespace

Done BreedSaveRules::prepareSave(dbf::Table& breeds)
{
    const QString name = RecordValues::text(breeds, "breed_name").trimmed();
    if (name.isEmpty())
        return Done::failure(QStringLiteral("A breed needs a Breed Name.;"
                                            "Type the name, or press Cancel to leave it."));
    const bool editing = breeds.state() == dbf::Table::State::Edit;
    const std::uint32_t own = editing ? breeds.recno() : 0;
    if (own != 0 && nameKey(RecordValues::text(breeds.record(own), "breed_name")) == nameKey(name))
        return Done::success();
    for (std::uint32_t r = 1; r <= breeds.recordCount(); ++r) {
        if (r == own)
            continue;
        const dbf::RecordView other = breeds.record(r);
        if (nameKey(RecordValues::text(other, "breed_name")) != nameKey(name))
            continue;
        return Done::failure(
            QStringLiteral("The breed %1 is already in the Breeds Database (Rec # %2%3).;"
                           "Each breed is listed once.")
                .arg(name)
                .arg(r)
                .arg(other.deleted() ? QStringLiteral(", marked Deleted") : QString()));
    }
    return Done::success();
}
