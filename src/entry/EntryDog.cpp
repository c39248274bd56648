#include "entry/EntryDog.h"

#include "storage/DataModule.h"
#include "storage/RecordValues.h"

using RecordValues::text;

namespace
{

// Copied both ways between an entry and its dog's record.
constexpr const char* kSharedFields[] = {"dog",      "titles_pre", "titles_end", "first",   "last",
                                         "reg_ctry", "ob_jmpht",   "rallyjmpht", "owner_id"};

} // namespace

EntryDog::EntryDog(Tdmod& data) : data_(data) {}

std::optional<std::uint32_t> EntryDog::find(const QString& reg) const
{
    const QString key = reg.trimmed().toUpper();
    if (key.isEmpty())
        return std::nullopt;
    data_.OpenDogs();
    return data_.Dogs()->seekRecord("regnum", key.toStdString());
}

DogDetails EntryDog::details(std::optional<std::uint32_t> recno) const
{
    if (!recno)
        return {};
    const dbf::RecordView dog = data_.Dogs()->record(*recno);
    return {text(dog, "sex"),      RecordValues::toOptionalQDate(dog.date("bdate")),
            text(dog, "breeder"),  text(dog, "sire"),
            text(dog, "dam"),      text(dog, "owner2"),
            text(dog, "callname"), text(dog, "ht_card")};
}

void EntryDog::copyInto(dbf::Table& entry, std::uint32_t recno) const
{
    const dbf::RecordView dog = data_.Dogs()->record(recno);
    for (const char* field : kSharedFields)
        entry.setText(field, dog.raw(field));
    entry.setText("breed", dog.text("breed"));
}

void EntryDog::update(const dbf::RecordView& entry, const DogDetails& details,
                      std::optional<std::uint32_t> recno)
{
    data_.OpenDogs();
    dbf::Table& dogs = *data_.Dogs();
    if (recno) {
        dogs.go(*recno);
        dogs.edit();
    } else {
        dogs.append();
    }
    // The dog master keeps registration numbers in capitals: its window
    // stores them so, and every lookup seeks them so.
    dogs.setText("reg", text(entry, "reg").trimmed().toUpper().toStdString());
    dogs.setText("breed", entry.text("breed"));
    for (const char* field : kSharedFields)
        dogs.setText(field, entry.raw(field));
    dogs.setText("sex", details.sex.toStdString());
    dogs.setDate("bdate", RecordValues::toOptionalDate(details.birthdate));
    dogs.setText("breeder", details.breeder.toStdString());
    dogs.setText("sire", details.sire.toStdString());
    dogs.setText("dam", details.dam.toStdString());
    dogs.setText("owner2", details.owners2.toStdString());
    dogs.post();
}
