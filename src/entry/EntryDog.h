#pragma once

#include <QDate>
#include <QString>

#include <cstdint>
#include <optional>

class Tdmod;

namespace dbf
{
class RecordView;
class Table;
} // namespace dbf

// The dog-master values the entry desk shows in plain boxes beside an entry:
// they belong to the dog, not to the entry, and reach the dog master on Save.
struct DogDetails {
    QString sex; // "Dog", "Bitch" or empty
    std::optional<QDate> birthdate;
    QString breeder, sire, dam, owners2;
    QString callName, heightCard; // shown only
    friend bool operator==(const DogDetails&, const DogDetails&) = default;
};

// The entry's dog in the dog master: found by registration number (in upper
// case, as the dog master keeps it), copied into a new entry, and brought up
// to date from the entry when it is saved.
class EntryDog
{
public:
    explicit EntryDog(Tdmod& data);

    // The dog master record of a registration number; nothing when the number
    // is blank or not there.
    std::optional<std::uint32_t> find(const QString& reg) const;
    // The boxes of a dog master record (blank for none).
    DogDetails details(std::optional<std::uint32_t> recno) const;

    // Fills a new entry from a returning dog's record.
    void copyInto(dbf::Table& entry, std::uint32_t recno) const;

    // Writes the entry's dog into the dog master: a new record when `recno` is
    // none, else that record rewritten. The record is posted, so it gets
    // today's date and reaches the disk.
    void update(const dbf::RecordView& entry, const DogDetails& details,
                std::optional<std::uint32_t> recno);

private:
    Tdmod& data_;
};
