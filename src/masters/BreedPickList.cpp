#include "BreedPickList.h"

#include "dbf/Table.h"
#include "storage/DataModule.h"

QStringList breedPickList(dbf::Table& breeds)
{
    const std::string savedOrder = breeds.order();
    const std::uint32_t savedRecord = breeds.recno();
    breeds.setOrder("breedname");

    QStringList names;
    for (breeds.first(); !breeds.isEmpty() && !breeds.eof(); breeds.next()) {
        if (breeds.deleted())
            continue;
        const QString name = QString::fromStdString(breeds.text("breed_name"));
        if (!name.trimmed().isEmpty())
            names << name;
    }

    breeds.setOrder(savedOrder);
    if (savedRecord != 0)
        breeds.go(savedRecord);
    return names;
}

QStringList breedPickList(Tdmod& data)
{
    data.OpenBreeds();
    return data.Breeds() ? breedPickList(*data.Breeds()) : QStringList();
}
