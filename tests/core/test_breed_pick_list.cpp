#include "DataRootFixture.h"

#include "masters/BreedPickList.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

namespace
{

void addBreed(dbf::Table& breeds, const char* name, bool deleted = false)
{
    breeds.append();
    breeds.setText("breed_name", name);
    breeds.post();
    if (deleted)
        breeds.setDeleted(true);
}

} // namespace

TEST(BreedPickList, NamesInBreedOrderWithoutBlankOrDeletedBreeds)
{
    DataRootFixture fixture;
    Tdmod& data = fixture.start();
    dbf::Table& breeds = *data.Breeds();
    breeds.zap();
    addBreed(breeds, "Retrievers (Golden)");
    addBreed(breeds, "Golden Retriever", true); // the alternate form, not wanted
    addBreed(breeds, "");
    addBreed(breeds, "beagle");
    addBreed(breeds, "Poodles (Standard)");
    breeds.setOrder("");
    breeds.go(2);

    EXPECT_EQ(breedPickList(data),
              (QStringList{"beagle", "Poodles (Standard)", "Retrievers (Golden)"}));
    EXPECT_EQ(breeds.order(), "") << "the caller's order is put back";
    EXPECT_EQ(breeds.recno(), 2u) << "and so is its record";

    breeds.setDeleted(false);
    EXPECT_TRUE(breedPickList(breeds).contains("Golden Retriever"))
        << "an undeleted alternate is offered again";
}
