#include "ClassCodes.h"
#include "DataModule.h"
#include "TextRules.h"

// The lookups of the data module. None fails: an unknown key shows a message
// naming it and gives the fallback value.

namespace
{

QString trimmedRight(QString text)
{
    while (text.endsWith(u' '))
        text.chop(1);
    return text;
}

QString text(const dbf::Table& table, const char* field)
{
    return QString::fromStdString(table.text(field));
}

QString raw(const dbf::Table& table, const char* field)
{
    return QString::fromStdString(table.raw(field));
}

QDate qdate(const std::optional<dbf::Date>& d)
{
    return d ? QDate(int(d->year()), unsigned(d->month()), unsigned(d->day())) : QDate();
}

// Puts a table in another order for one lookup and back afterwards.
class OrderFor
{
public:
    OrderFor(dbf::Table& table, const char* tag) : table_(table), saved_(table.order())
    {
        table_.setOrder(tag);
    }
    ~OrderFor() { table_.setOrder(saved_); }

private:
    dbf::Table& table_;
    std::string saved_;
};

bool findKey(dbf::Table& table, const QString& key)
{
    return table.find(key.toStdString());
}

} // namespace

// --- Class table ------------------------------------------------------------

QString Tdmod::findInClasses(const char* tag, const QString& key, const char* field,
                             const QString& missingText, const QString& fallback)
{
    OpenClasses();
    showClasses_->setOrder(tag);
    showClasses_->first();
    if (findKey(*showClasses_, key))
        return raw(*showClasses_, field);
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
        showClasses_->go(r);
        if (text(*showClasses_, "srtkey") == key)
            return text(*showClasses_, "classname");
    }
    inform("Unknown key in Get_ObedClassName of [" + key + "];" +
           "Using -- Unknown Class -- for Description");
    return QStringLiteral("Unknown Class");
}

void Tdmod::ClassScoring(const QString& classKey, ClassScore& score)
{
    OpenClasses();
    const QString key = trimmedRight(classKey);
    showClasses_->setOrder("DBKEY");
    showClasses_->first();
    if (!findKey(*showClasses_, key.toUpper())) {
        inform("DBKey [" + key + "] - Not found in Show Classes Database");
        score.maxScore = 0;
        return;
    }
    score.maxScore = static_cast<int>(showClasses_->number("maxscore"));
    score.canNq = showClasses_->logical("can_nq");
    score.qualifyingScore = static_cast<int>(showClasses_->number("q_score"));
}

// --- Show dates ---------------------------------------------------------------

bool Tdmod::anyFlag(int first, int last)
{
    OpenShowDates();
    if (showDates_->isEmpty())
        return false;
    for (int position = first; position <= last; ++position) {
        if (showDates_->fields()[position - 1].type == dbf::FieldType::Logical &&
            showDates_->logical(position))
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
    OpenShowDates();
    const QDate date = qdate(showDates_->date("t" + std::to_string(trial) + "_date"));
    return date.isValid() ? date.toString(QStringLiteral("MM/dd/yyyy")) : QString();
}

QString Tdmod::EventNumber(int trial, QChar sectionLetter)
{
    OpenShowDates();
    const std::string field = "t" + std::to_string(trial) + "_" +
                              QString(sectionLetter.toLower()).toStdString() + "_evnum";
    return QString::fromStdString(showDates_->text(field));
}

QString Tdmod::ShowDatesText()
{
    OpenShowDates();
    const int trials = static_cast<int>(showDates_->number("num_trials"));
    const QDate first = qdate(showDates_->date("show_date"));
    const QDate last = trials >= 1 && trials <= 4
                           ? qdate(showDates_->date("t" + std::to_string(trials) + "_date"))
                           : first;
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
    OrderFor order(*dogs_, "regnum");
    if (findKey(*dogs_, key.toUpper()))
        return text(*dogs_, "dog");
    return key;
}

QString Tdmod::OwnerNameForId(const QString& ownerId)
{
    OpenOwners();
    OrderFor order(*owners_, "OWNERID");
    if (findKey(*owners_, ownerId))
        return text(*owners_, "first") + u' ' + text(*owners_, "last");
    return "Owner ID = " + ownerId;
}

QString Tdmod::OwnerEmail(const QString& ownerId)
{
    OpenOwners();
    OrderFor order(*owners_, "ownerid");
    return findKey(*owners_, ownerId) ? text(*owners_, "email") : QString();
}

QString Tdmod::BreedShortName(const QString& breed)
{
    OpenBreeds();
    OrderFor order(*breeds_, "BREEDNAME");
    if (!findKey(*breeds_, breed.toUpper()))
        return breed;
    const QString shortName = text(*breeds_, "short_name");
    return shortName.isEmpty() ? text(*breeds_, "breed_name") : shortName;
}

// The highest number over every record, deleted ones included, plus one.
std::optional<QString> Tdmod::nextNumber(dbf::Table& table, const char* field, const QString& what,
                                         const std::vector<dbf::Table*>& alsoUsing)
{
    int highest = 0;
    std::vector<dbf::Table*> tables = {&table};
    tables.insert(tables.end(), alsoUsing.begin(), alsoUsing.end());
    for (const dbf::Table* t : tables) {
        for (std::uint32_t r = 1; r <= t->recordCount(); ++r)
            highest =
                std::max(highest, TextRules::IdToInt(QString::fromStdString(t->textAt(r, field))));
    }
    if (highest >= TextRules::kLargestId) {
        messages_.error("Cannot create a new " + what + ": " + what +
                        "s are five digits and 99999 is already in use.");
        return std::nullopt;
    }
    return TextRules::ZeroPad(highest + 1, 5);
}

std::optional<QString> Tdmod::NextOwnerId()
{
    OpenOwners();
    OpenDogs();
    // Dogs keep their owner's ID after the owner is packed away or the owners
    // table is emptied; a new owner must not take it over.
    return nextNumber(*owners_, "owner_id", QStringLiteral("owner ID"), {dogs_.get()});
}

std::optional<QString> Tdmod::NextJudgeNumber()
{
    OpenJudges();
    return nextNumber(*judges_, "judgenum", QStringLiteral("judge number"));
}

// --- Judges and catalog groups ------------------------------------------------

std::optional<QString> Tdmod::judgeName(const QString& key)
{
    OpenShowJudges(showNumber_);
    QString number;
    for (std::uint32_t r = 1; r <= shwJudges_->recordCount() && number.isEmpty(); ++r) {
        shwJudges_->go(r);
        if (raw(*shwJudges_, "trialnum") + raw(*shwJudges_, "db_key") == key &&
            !text(*shwJudges_, "judgenum").isEmpty())
            number = text(*shwJudges_, "judgenum");
    }
    if (number.isEmpty()) {
        inform("Judge key of [" + key + "] not found in Judge Assignments!;" +
               "Using -- Unknown Judge -- for Description");
        return "Unknown Judge " + key;
    }
    OpenJudges();
    for (std::uint32_t r = 1; r <= judges_->recordCount(); ++r) {
        judges_->go(r);
        if (text(*judges_, "judgenum") == number)
            return text(*judges_, "first") + u' ' + text(*judges_, "last");
    }
    inform("Judge Num of [" + number + "] not found in Judges database!;" +
           "Using -- Unknown Judge -- for Description");
    return "Unknown Judge " + number;
}

QString Tdmod::JudgeNameForClass(const QString& classKey, int trial)
{
    return *judgeName(QString::number(trial) + trimmedRight(classKey).leftJustified(6, u' '));
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
        catGroups_->go(r);
        if (text(*catGroups_, "section").toUpper() == wantedSection &&
            text(*catGroups_, "catgroup").toUpper() == wantedGroup)
            return text(*catGroups_, "header");
    }
    const QString key = (section.leftJustified(9, u' ', true) + catGroup).toUpper();
    inform("CatGroup key of [" + key + "] not found!;" +
           "Using -- Unknown Group -- for Description");
    return "Unknown Group " + key;
}

void Tdmod::CatGroupFooters(const QString& catGroup, std::array<QString, 4>& footers)
{
    OpenCatGroups();
    const QString wanted = trimmedRight(catGroup);
    for (std::uint32_t r = 1; r <= catGroups_->recordCount(); ++r) {
        catGroups_->go(r);
        if (text(*catGroups_, "catgroup") == wanted) {
            for (int i = 0; i < 4; ++i)
                footers[i] = text(*catGroups_, ("footer" + std::to_string(i + 1)).c_str());
            return;
        }
    }
}
