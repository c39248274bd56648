#include "ClassCodes.h"
#include "DataModule.h"
#include "RecordValues.h"
#include "TextRules.h"

// The lookups of the data module. None fails: an unknown key shows a message
// naming it and gives the fallback value. Each reads stored records without
// moving a cursor, so the tables stay in the order, on the record and in the
// edit a window left them in.

using RecordValues::raw;
using RecordValues::text;

namespace
{

QString trimmedRight(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

std::optional<dbf::RecordView> findIn(const dbf::Table& table, const char* tag, const QString& key)
{
    const auto recno = table.findRecord(tag, key.toStdString());
    if (!recno)
        return std::nullopt;
    return table.record(*recno);
}

} // namespace

// --- Class table ------------------------------------------------------------

QString Tdmod::findInClasses(const char* tag, const QString& key, const char* field,
                             const QString& missingText, const QString& fallback)
{
    OpenClasses();
    if (const auto found = findIn(*showClasses_, tag, key))
        return raw(*found, field);
    inform(missingText);
    return fallback;
}

QString Tdmod::ClassNameForField(const QString& fieldName)
{
    const QString key = trimmedRight(fieldName.mid(2).toUpper());
    return findInClasses("DBKEY", key, "classname",
                         "Unknown Class for DBKey [" + key + "] - Using UNKNOWN",
                         QStringLiteral("UNKNOWN "));
}

QString Tdmod::SortKeyForField(const QString& fieldName)
{
    const QString key = trimmedRight(fieldName.mid(2, 5).toUpper());
    return findInClasses("DBKEY", key, "srtkey",
                         "Unknown Sort Key for DBKey [" + key + "] - Using 999",
                         QStringLiteral("999"));
}

QString Tdmod::CatGroupForKey(const QString& classKey)
{
    const QString key = trimmedRight(classKey);
    return findInClasses("DBKEY", key.toUpper(), "catgroup",
                         "Unknown CatGroup for DBKey [" + key + "] - Using ZZZ",
                         QStringLiteral("ZZZ"));
}

QString Tdmod::DbKeyForSortKey(const QString& sortKey)
{
    const QString key = trimmedRight(sortKey);
    return findInClasses("srtkey", key, "db_key", "Unknown DBKey for [" + key + "] - Using 99999",
                         QStringLiteral("99999"));
}

QString Tdmod::ClassNameForSortKey(const QString& sortKey)
{
    const QString key = trimmedRight(sortKey);
    return findInClasses("SRTKEY", key, "classname",
                         "Unknown Class for SrtKey [" + key + "] - Using UNKNOWN",
                         QStringLiteral("UNKNOWN "));
}

QString Tdmod::Get_ObedClassName(const QString& sortKey)
{
    OpenClasses();
    const QString key = trimmedRight(sortKey);
    for (std::uint32_t r = 1; r <= showClasses_->recordCount(); ++r) {
        const dbf::RecordView record = showClasses_->record(r);
        if (text(record, "srtkey") == key)
            return text(record, "classname");
    }
    inform("Unknown key in Get_ObedClassName of [" + key + "];" +
           "Using -- Unknown Class -- for Description");
    return QStringLiteral("Unknown Class");
}

Tdmod::ClassScore Tdmod::ClassScoring(const QString& classKey)
{
    OpenClasses();
    const QString key = trimmedRight(classKey);
    const auto found = findIn(*showClasses_, "DBKEY", key.toUpper());
    if (!found) {
        inform("DBKey [" + key + "] - Not found in Show Classes Database");
        return {};
    }
    return {static_cast<int>(found->number("maxscore")), found->logical("can_nq"),
            static_cast<int>(found->number("q_score"))};
}

// --- Show dates ---------------------------------------------------------------

std::optional<dbf::RecordView> Tdmod::showDatesRecord()
{
    OpenShowDates();
    if (showNumber_ > 0) {
        if (const auto recno = showDates_->seekRecord(
                "SHOWNUM", TextRules::RightAligned(showNumber_, 5).toStdString()))
            return showDates_->record(*recno);
    }
    // No show open yet: the record the show dates table stands on.
    if (showDates_->recno() == 0)
        return std::nullopt;
    return showDates_->record(showDates_->recno());
}

bool Tdmod::anyFlag(int first, int last)
{
    const auto record = showDatesRecord();
    if (!record)
        return false;
    for (int position = first; position <= last; ++position) {
        if (showDates_->fields()[position - 1].type == dbf::FieldType::Logical &&
            record->logical(position))
            return true;
    }
    return false;
}

bool Tdmod::ShowHasObedience()
{
    return anyFlag(ClassCodes::OfferedFieldRange(1, ClassCodes::Section::Obedience).first,
                   ClassCodes::OfferedFieldRange(4, ClassCodes::Section::Obedience).last);
}

bool Tdmod::ShowHasRally()
{
    return anyFlag(ClassCodes::OfferedFieldRange(1, ClassCodes::Section::Rally).first,
                   ClassCodes::OfferedFieldRange(4, ClassCodes::Section::Rally).last);
}

bool Tdmod::TrialHasObedience(int trial)
{
    const auto range = ClassCodes::OfferedFieldRange(trial, ClassCodes::Section::Obedience);
    return anyFlag(range.first, range.last);
}

bool Tdmod::TrialHasRally(int trial)
{
    const auto range = ClassCodes::OfferedFieldRange(trial, ClassCodes::Section::Rally);
    return anyFlag(range.first, range.last);
}

QString Tdmod::TrialDateText(int trial)
{
    const auto record = showDatesRecord();
    if (!record || trial < 1 || trial > ClassCodes::maxTrials)
        return {};
    return RecordValues::dateText(record->date("t" + std::to_string(trial) + "_date"));
}

QString Tdmod::EventNumber(int trial, QChar sectionLetter)
{
    const auto record = showDatesRecord();
    if (!record || trial < 1 || trial > ClassCodes::maxTrials)
        return {};
    const std::string field = "t" + std::to_string(trial) + "_" +
                              QString(sectionLetter.toLower()).toStdString() + "_evnum";
    return text(*record, field);
}

QString Tdmod::ShowDatesText()
{
    const auto record = showDatesRecord();
    if (!record)
        return {};
    const int trials = static_cast<int>(record->number("num_trials"));
    const QDate first = RecordValues::date(*record, "show_date");
    if (trials < 1 || trials > ClassCodes::maxTrials) {
        // An N 1 field holds 0 to 9; a show has one to four trials.
        inform("Show # " + QString::number(int(record->number("show_num"))) +
               ": the number of trials (num_trials) is " + QString::number(trials) +
               "; a show has 1 to 4 trials");
        return TextRules::LongDateText(first);
    }
    const QDate last = RecordValues::date(*record, "t" + std::to_string(trials) + "_date");
    if (first != last)
        return TextRules::LongDateText(first) + QStringLiteral(" thru ") +
               TextRules::LongDateText(last);
    return TextRules::LongDateText(first);
}

// --- Masters ------------------------------------------------------------------

QString Tdmod::DogNameForReg(const QString& reg)
{
    OpenDogs();
    const QString key = trimmedRight(reg);
    if (const auto found = findIn(*dogs_, "regnum", key.toUpper()))
        return text(*found, "dog");
    return key;
}

QString Tdmod::OwnerNameForId(const QString& ownerId)
{
    OpenOwners();
    if (const auto found = findIn(*owners_, "OWNERID", ownerId))
        return text(*found, "first") + u' ' + text(*found, "last");
    return "Owner ID = " + ownerId;
}

QString Tdmod::OwnerEmail(const QString& ownerId)
{
    OpenOwners();
    const auto found = findIn(*owners_, "ownerid", ownerId);
    return found ? text(*found, "email") : QString();
}

QString Tdmod::BreedShortName(const QString& breed)
{
    OpenBreeds();
    const auto found = findIn(*breeds_, "BREEDNAME", breed.toUpper());
    if (!found)
        return breed;
    const QString shortName = text(*found, "short_name");
    return shortName.isEmpty() ? text(*found, "breed_name") : shortName;
}

// The highest number over every record, deleted ones included, plus one.
Result<QString> Tdmod::nextNumber(const std::vector<const dbf::Table*>& tables, const char* field,
                                  const QString& what)
{
    int highest = 0;
    for (const dbf::Table* t : tables) {
        for (std::uint32_t r = 1; r <= t->recordCount(); ++r)
            highest = std::max(highest, TextRules::IdToInt(text(t->record(r), field)));
    }
    if (highest >= TextRules::kLargestId)
        return Result<QString>::failure("Cannot create a new " + what + ": " + what +
                                        "s are five digits and 99999 is already in use.");
    return TextRules::ZeroPad(highest + 1, 5);
}

Result<QString> Tdmod::NextOwnerId()
{
    OpenOwners();
    OpenDogs();
    // Dogs keep their owner's ID after the owner is packed away or the owners
    // table is emptied; a new owner must not take it over.
    return nextNumber({owners_.get(), dogs_.get()}, "owner_id", QStringLiteral("owner ID"));
}

Result<QString> Tdmod::NextJudgeNumber()
{
    OpenJudges();
    return nextNumber({judges_.get()}, "judgenum", QStringLiteral("judge number"));
}

// --- Judges and catalog groups ------------------------------------------------

QString Tdmod::judgeName(const QString& key)
{
    OpenShowJudges(showNumber_);
    QString number;
    for (std::uint32_t r = 1; r <= shwJudges_->recordCount() && number.isEmpty(); ++r) {
        const dbf::RecordView record = shwJudges_->record(r);
        if (raw(record, "trialnum") + raw(record, "db_key") == key &&
            !text(record, "judgenum").isEmpty())
            number = text(record, "judgenum");
    }
    if (number.isEmpty()) {
        inform("Judge key of [" + key + "] not found in Judge Assignments!;" +
               "Using -- Unknown Judge -- for Description");
        return "Unknown Judge " + key;
    }
    OpenJudges();
    for (std::uint32_t r = 1; r <= judges_->recordCount(); ++r) {
        const dbf::RecordView record = judges_->record(r);
        if (text(record, "judgenum") == number)
            return text(record, "first") + u' ' + text(record, "last");
    }
    inform("Judge Num of [" + number + "] not found in Judges database!;" +
           "Using -- Unknown Judge -- for Description");
    return "Unknown Judge " + number;
}

QString Tdmod::JudgeNameForClass(const QString& classKey, int trial)
{
    return judgeName(QString::number(trial) + trimmedRight(classKey).leftJustified(6, u' '));
}

QString Tdmod::JudgeNameForSortKey(const QString& sortKey, int trial)
{
    return JudgeNameForClass(DbKeyForSortKey(sortKey), trial);
}

QString Tdmod::CatGroupHeader(const QString& section, const QString& catGroup)
{
    OpenCatGroups();
    const QString wantedSection = trimmedRight(section).toUpper();
    const QString wantedGroup = trimmedRight(catGroup).toUpper();
    for (std::uint32_t r = 1; r <= catGroups_->recordCount(); ++r) {
        const dbf::RecordView record = catGroups_->record(r);
        if (text(record, "section").toUpper() == wantedSection &&
            text(record, "catgroup").toUpper() == wantedGroup)
            return text(record, "header");
    }
    const QString key = (section.leftJustified(9, u' ', true) + catGroup).toUpper();
    inform("CatGroup key of [" + key + "] not found!;" +
           "Using -- Unknown Group -- for Description");
    return "Unknown Group " + key;
}

std::optional<std::array<QString, 4>> Tdmod::CatGroupFooters(const QString& catGroup)
{
    OpenCatGroups();
    const QString wanted = trimmedRight(catGroup);
    for (std::uint32_t r = 1; r <= catGroups_->recordCount(); ++r) {
        const dbf::RecordView record = catGroups_->record(r);
        if (text(record, "catgroup") == wanted) {
            std::array<QString, 4> footers;
            for (int i = 0; i < 4; ++i)
                footers[i] = text(record, "footer" + std::to_string(i + 1));
            return footers;
        }
    }
    return std::nullopt;
}
