#include "entry/SampleShow.h"

#include "entry/EntryEditor.h"
#include "entry/PreparedOwners.h"
#include "entry/SampleShowNames.h"
#include "setup/ShowDatesClassBoxes.h"
#include "setup/ShowDatesEditor.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "storage/SessionSettings.h"
#include "storage/TableSchemas.h"
#include "storage/TextRules.h"

#include "dbf/Table.h"

#include <QDir>
#include <QTemporaryDir>

#include <vector>

namespace SampleShow
{

namespace
{

const QDate kFirstDay(2027, 4, 10); // a Saturday; trial 2 is on the Sunday
constexpr const char* kOffered[] = {"or", "opn", "ogn", "ovt", "obr", "otm", "rr", "rtc", "rpr"};
const QStringList kBreedsWhenNoneKnown{"Border Collie",     "Retrievers (Golden)",
                                       "Shetland Sheepdog", "Poodles (Standard)",
                                       "Mixed Breed Dog",   "Australian Shepherd"};
const QStringList kObedienceHeights{" 8", "10", "12", "14", "16", "18", "20", "22", "24"};
const QStringList kRallyHeights{" 4", " 8", "12", "16"};
constexpr const char* kObedienceRegular[] = {"orna", "ornb", "oroa", "orob", "orua", "orub"};
constexpr const char* kRallyRegular[] = {"rrna", "rrnb", "rraa", "rrab", "rrea", "rreb"};
constexpr const char* kObedienceOptional[] = {"onpn", "ongn", "onvt"};

QString linkCode(int member, int perGroup)
{
    return QString(QChar(u'A' + (member / perGroup) % 26));
}

struct SampleOwner {
    QString first, last;
};

class Keying
{
public:
    Keying(Tdmod& data, std::uint32_t seed, int show)
        : data_(data), names_(seed), owners_(data), desk_(data, armbands_, owners_), show_(show)
    {
        desk_.showOpened();
        const dbf::Table& breeds = *data_.Breeds();
        for (std::uint32_t recno : breeds.recordsInOrder("breedname")) {
            const dbf::RecordView breed = breeds.record(recno);
            if (!breed.deleted())
                breeds_ << RecordValues::text(breed, "breed_name");
        }
        if (breeds_.isEmpty())
            breeds_ = kBreedsWhenNoneKnown;
    }

    Done keyEntry(int number)
    {
        dbf::Table& entry = *data_.TzDbf1();
        desk_.add();
        set("reg", QStringLiteral("DN%1%2")
                       .arg(show_ % 100, 2, 10, QLatin1Char('0'))
                       .arg(number, 6, 10, QLatin1Char('0')));
        desk_.leaveRegistration();
        chooseOwner();
        set("dog", names_.dogName());
        if (names_.chance(10))
            set("titles_pre", QStringLiteral("CH"));
        if (names_.chance(15))
            set("titles_end", names_.chance(50) ? QStringLiteral("CD") : QStringLiteral("RN"));
        set("breed", breeds_.at(names_.below(int(breeds_.size()))));
        if (names_.chance(3))
            set("reg_ctry", QStringLiteral("CAN"));
        if (names_.chance(10))
            set("handler", names_.firstName() + ' ' + names_.lastName());
        if (names_.chance(6)) {
            set("notes", names_.note());
            entry.setLogical("printit", names_.chance(50));
        }
        entry.setLogical("worker", names_.chance(10));
        entry.setLogical("prepaidcat", names_.chance(20));
        if (names_.chance(3))
            set("junior_id", QStringLiteral("JR%1").arg(1000 + names_.below(9000)));
        DogDetails& dog = desk_.dog();
        dog.sex = names_.chance(50) ? QStringLiteral("Dog") : QStringLiteral("Bitch");
        dog.birthdate = QDate(2015 + names_.below(10), 1 + names_.below(12), 1 + names_.below(28));
        dog.breeder = names_.kennelName() + QStringLiteral(" Kennels");
        dog.sire = names_.dogName();
        dog.dam = names_.dogName();
        if (names_.chance(5))
            dog.owners2 = names_.firstName() + ' ' + names_.lastName();
        desk_.dogDetailsTouched();
        enterClasses();

        const EntryEditor::SaveOutcome saved = desk_.save();
        if (!saved.completed)
            return Done::failure(
                QStringLiteral("Sample entry %1 could not be completed").arg(number));
        if (names_.chance(2))
            entry.setDeleted(true); // a withdrawn entry
        return Done::success();
    }

private:
    void set(const char* field, const QString& value)
    {
        data_.TzDbf1()->setText(field, value.toStdString());
    }

    void chooseOwner()
    {
        if (!people_.empty() && names_.chance(35)) {
            const SampleOwner& again = people_.at(names_.below(int(people_.size())));
            desk_.leaveOwnerPickList(again.last + QStringLiteral(", ") + again.first);
            return;
        }
        const SampleOwner owner{names_.firstName(), names_.lastName()};
        owners_.prepare({{"address", names_.street()},
                         {"city", names_.city()},
                         {"state", names_.state()},
                         {"zip", names_.zip()},
                         {"phone", names_.phone()},
                         {"email", names_.chance(80) ? (owner.first + '.' + owner.last).toLower() +
                                                           QStringLiteral("@example.org")
                                                     : QString()},
                         {"country", QStringLiteral("USA")}});
        desk_.leaveOwnerPickList(owner.last + QStringLiteral(", ") + owner.first);
        people_.push_back(owner);
    }

    void enter(const char* code, int trial)
    {
        data_.TzDbf1()->setLogical("t" + std::to_string(trial) + code, true);
    }

    void enterClasses()
    {
        bool entered = false;
        if (names_.chance(70)) {
            const int regular = names_.below(6);
            enter(kObedienceRegular[regular], 1);
            if (names_.chance(80))
                enter(kObedienceRegular[regular], 2);
            entered = true;
        }
        if (names_.chance(12))
            enter(kObedienceOptional[names_.below(3)], 1 + names_.below(2));
        if (names_.chance(4)) {
            enter("onbr", 1);
            set("bracecode", linkCode(braces_++, 2));
        }
        if (names_.chance(3)) {
            enter("ontm", 2);
            set("teamcode", linkCode(teams_++, 4));
        }
        if (names_.chance(50) || !entered) {
            const int regular = names_.below(6);
            enter(kRallyRegular[regular], 1);
            if (names_.chance(70))
                enter(kRallyRegular[regular], 2);
        }
        if (names_.chance(10))
            enter("rntc", 2);
        if (names_.chance(4)) {
            enter("rnpr", 1);
            set("pairscode", linkCode(pairs_++, 2));
        }
        // Every dog has its heights, as most entry forms give them.
        set("ob_jmpht", kObedienceHeights.at(names_.below(int(kObedienceHeights.size()))));
        set("rallyjmpht", kRallyHeights.at(names_.below(int(kRallyHeights.size()))));
    }

    Tdmod& data_;
    SampleNames names_;
    ArmbandSettings armbands_;
    PreparedOwners owners_;
    EntryEditor desk_;
    int show_;
    QStringList breeds_;
    std::vector<SampleOwner> people_;
    int braces_ = 0, teams_ = 0, pairs_ = 0;
};

Result<int> createShow(Tdmod& data)
{
    ShowDatesEditor editor(data);
    editor.startNewShow();
    editor.setFirstDate(kFirstDay);
    editor.leaveFirstDate();
    editor.setTrials(2);
    if (!editor.leaveTrials())
        return Result<int>::failure(QStringLiteral("The sample show's trials were refused"));
    editor.specifyClasses();
    for (int trial = 1; trial <= 2; ++trial) {
        for (const char* code : kOffered)
            editor.setOffered(trial, *ShowDatesClassBoxes::boxOf(QString::fromLatin1(code)), true);
        editor.setObedienceEvent(
            trial, QStringLiteral("2027%1").arg(410 + trial, 6, 10, QLatin1Char('0')));
        editor.setRallyEvent(trial,
                             QStringLiteral("2027%1").arg(420 + trial, 6, 10, QLatin1Char('0')));
    }
    if (editor.save() != ShowDatesEditor::SaveResult::ShowCreated)
        return Result<int>::failure(QStringLiteral("The sample show could not be created"));
    return editor.record().number;
}

// Returning dogs of past shows and their owners, written beside the masters
// and appended in one go: a hundred thousand single posts would take minutes.
Done addReturningDogs(Tdmod& data, std::uint32_t seed, int show, int count)
{
    QTemporaryDir scratch;
    if (!scratch.isValid())
        return Done::failure(QStringLiteral("No temporary folder for the sample dogs"));
    SampleNames names(seed ^ 0x9e3779b9u);
    const std::string ownersFile = QDir(scratch.path()).filePath("owners.dbf").toStdString();
    const std::string dogsFile = QDir(scratch.path()).filePath("dogs.dbf").toStdString();
    dbf::Table::create(ownersFile, TableSchemas::Owners().fields);
    dbf::Table::create(dogsFile, TableSchemas::Dogs().fields);

    const Result<QString> firstId = data.NextOwnerId();
    if (!firstId)
        return Done::failure(firstId.message());
    int nextId = TextRules::IdToInt(*firstId);
    const int ownerCount = std::max(1, count / 5);
    std::vector<SampleOwner> owners;
    const auto today = RecordValues::toDate(QDate::currentDate());
    {
        auto table = dbf::Table::open(ownersFile);
        for (int i = 0; i < ownerCount && nextId <= TextRules::kLargestId; ++i, ++nextId) {
            const SampleOwner owner{names.firstName(), names.lastName()};
            table->blankBuffer();
            table->setText("owner_id", TextRules::ZeroPad(nextId, 5).toStdString());
            table->setText("first", owner.first.toStdString());
            table->setText("last", owner.last.toStdString());
            table->setText("address", names.street().toStdString());
            table->setText("city", names.city().toStdString());
            table->setText("state", names.state().toStdString());
            table->setText("zip", names.zip().toStdString());
            table->setText("phone", names.phone().toStdString());
            table->setText("country", "USA");
            table->setDate("modified", today);
            table->appendRecord();
            owners.push_back(owner);
        }
        table->flush();
    }
    const int firstOwner = TextRules::IdToInt(*firstId);
    {
        auto table = dbf::Table::open(dogsFile);
        for (int i = 0; i < count; ++i) {
            const int o = names.below(int(owners.size()));
            table->blankBuffer();
            table->setText("reg", QStringLiteral("RD%1%2")
                                      .arg(show % 100, 2, 10, QLatin1Char('0'))
                                      .arg(i + 1, 7, 10, QLatin1Char('0'))
                                      .toStdString());
            table->setText("dog", names.dogName().toStdString());
            table->setText("breed", kBreedsWhenNoneKnown.at(names.below(6)).toStdString());
            table->setText("sex", names.chance(50) ? "Dog" : "Bitch");
            table->setText("first", owners[o].first.toStdString());
            table->setText("last", owners[o].last.toStdString());
            table->setText("owner_id", TextRules::ZeroPad(firstOwner + o, 5).toStdString());
            table->setText("breeder", (names.kennelName() + " Kennels").toStdString());
            table->setText("callname", names.callName().toStdString());
            table->setText("ob_jmpht", kObedienceHeights.at(names.below(9)).toStdString());
            table->setText("rallyjmpht", kRallyHeights.at(names.below(4)).toStdString());
            table->setText("ht_card", "None");
            table->setDate("modified", today);
            table->appendRecord();
        }
        table->flush();
    }
    data.Owners()->appendFrom(ownersFile);
    data.Dogs()->appendFrom(dogsFile);
    return Done::success();
}

} // namespace

Result<Made> make(Tdmod& data, const Size& size)
{
    data.OpenDogs();
    data.OpenOwners();
    data.OpenBreeds();
    data.OpenClasses();
    data.OpenShowDates();
    const Result<int> show = createShow(data);
    if (!show)
        return Result<Made>::failure(show.message());

    Keying keying(data, size.seed, *show);
    for (int i = 1; i <= size.entries; ++i) {
        const Done keyed = keying.keyEntry(i);
        if (!keyed)
            return Result<Made>::failure(keyed.message());
    }
    data.TzDbf1()->first();

    const int missing = size.dogs - int(data.Dogs()->recordCount());
    if (missing > 0) {
        const Done added = addReturningDogs(data, size.seed, *show, missing);
        if (!added)
            return Result<Made>::failure(added.message());
    }
    return Made{*show, size.entries, data.Dogs()->recordCount(), data.Owners()->recordCount()};
}

} // namespace SampleShow
