#include "DogMaster.h"

#include "dbf/Table.h"

#include <random>
#include <string>

using dbf::FieldType;

const dbf::FieldList kDogFields = {{"reg", FieldType::Character, 12},
                                   {"dog", FieldType::Character, 55},
                                   {"breed", FieldType::Character, 50},
                                   {"sex", FieldType::Character, 6},
                                   {"first", FieldType::Character, 25},
                                   {"last", FieldType::Character, 25},
                                   {"owner2", FieldType::Character, 50},
                                   {"breeder", FieldType::Character, 60},
                                   {"sire", FieldType::Character, 60},
                                   {"dam", FieldType::Character, 60},
                                   {"bdate", FieldType::Date, 8},
                                   {"callname", FieldType::Character, 20},
                                   {"ht_card", FieldType::Character, 4},
                                   {"owner_id", FieldType::Character, 5},
                                   {"titles_pre", FieldType::Character, 12},
                                   {"titles_end", FieldType::Character, 20},
                                   {"modified", FieldType::Date, 8},
                                   {"reg_ctry", FieldType::Character, 10},
                                   {"ob_jmpht", FieldType::Character, 2},
                                   {"rallyjmpht", FieldType::Character, 2},
                                   {"ag_jmpht", FieldType::Character, 2},
                                   {"isc_jmpht", FieldType::Character, 2}};

const std::vector<dbf::TagDef> kDogTags = {
    {"REGNUM", "upper(reg)"}, {"OWNERNAME", "upper(last + first)"}, {"DOGNAME", "upper(dog)"}};

namespace
{

std::string syllables(std::mt19937& random, int count)
{
    static const char* parts[] = {"ka", "ro", "mi", "den", "tor", "lu", "sha", "bel", "fin", "ga"};
    std::string word;
    for (int i = 0; i < count; ++i)
        word += parts[random() % 10];
    return word;
}

} // namespace

void writeDogMaster(const std::filesystem::path& path, std::uint32_t count)
{
    std::filesystem::remove(path);
    dbf::Table::create(path, kDogFields);
    auto table = dbf::Table::open(path);
    std::mt19937 random(42);
    for (std::uint32_t i = 0; i < count; ++i) {
        table->blankBuffer();
        table->setText("reg", "DN" + std::to_string(10000000 + random() % 89999999));
        table->setText("dog", "Ch " + syllables(random, 4) + " " + syllables(random, 3));
        table->setText("breed", "Border Collie");
        table->setText("first", syllables(random, 2));
        table->setText("last", syllables(random, 3));
        table->setText("sire", syllables(random, 5));
        table->setText("dam", syllables(random, 5));
        table->setText("owner_id", std::to_string(10000 + i % 80000));
        table->appendRecord();
    }
    table->flush();
}
