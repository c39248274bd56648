#include "BreedPickList.h"

#include "storage/DataModule.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

QStringList breedPickList(const dbf::Table& breeds)
{
    QStringList names;
    for (std::uint32_t recno : breeds.recordsInOrder("breedname")) {
        const dbf::RecordView breed = breeds.record(recno);
        if (breed.deleted())
            continue;
        const QString name = RecordValues::text(breed, "breed_name");
        if (!name.trimmed().isEmpty())
            names << name;
    }
    return names;
}

QStringList breedPickList(Tdmod& data)
{
    data.OpenBreeds();
    return data.Breeds() ? breedPickList(*data.Breeds()) : QStringList();
}
