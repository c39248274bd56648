#include "storage/ClassCodes.h"

#include "dbf/Error.h"

namespace ClassCodes
{

namespace
{

// Where the flags begin in their tables, and how far one trial's block reaches.
// The obedience offered block of a trial holds its 13 flags and then the
// trial's date, so trials stand 14 fields apart.
constexpr int obedienceEntryStart = 20;
constexpr int rallyEntryStart = 93;
constexpr int obedienceOfferedStart = 4;
constexpr int obedienceOfferedStride = 14;
constexpr int rallyOfferedStart = 64;

constexpr int obedienceClassCount = 18;

static_assert(obedienceEntryStart + maxTrials * obedienceClassCount == 92,
              "the obedience jump height follows the obedience entry flags");
static_assert(rallyEntryStart + maxTrials * (int(classes.size()) - obedienceClassCount) == 137,
              "the rally jump height follows the rally entry flags");
static_assert(int(obedienceOfferedCodes.size()) < obedienceOfferedStride,
              "each obedience offered block keeps one field for the trial's date");

void checkTrial(int trial)
{
    if (trial < 1 || trial > maxTrials)
        throw dbf::Error("Trial " + std::to_string(trial) + " is not a trial from 1 to 4");
}

int entryStart(Section section)
{
    return section == Section::Obedience ? obedienceEntryStart : rallyEntryStart;
}

int offeredStart(Section section, int trial)
{
    if (section == Section::Obedience)
        return obedienceOfferedStart + obedienceOfferedStride * (trial - 1);
    return rallyOfferedStart + int(rallyOfferedCodes.size()) * (trial - 1);
}

QString trialPrefix(int trial)
{
    checkTrial(trial);
    return QStringLiteral("t") + QString::number(trial);
}

int indexIn(std::span<const ClassCode> list, const ClassCode& cls)
{
    for (int i = 0; i < int(list.size()); ++i) {
        if (list[i].key == cls.key)
            return i;
    }
    throw dbf::Error("Class " + cls.key.toString().toStdString() + " is not in the class codes");
}

} // namespace

QString sectionName(Section section)
{
    return section == Section::Obedience ? QStringLiteral("Obedience") : QStringLiteral("Rally");
}

std::optional<Section> sectionOf(QStringView keyOrName)
{
    if (keyOrName.isEmpty())
        return std::nullopt;
    const QChar letter = keyOrName.front().toUpper();
    if (letter == u'O')
        return Section::Obedience;
    if (letter == u'R')
        return Section::Rally;
    return std::nullopt;
}

std::span<const ClassCode> classesOf(Section section)
{
    const std::span<const ClassCode> all(classes);
    return section == Section::Obedience ? all.first(obedienceClassCount)
                                         : all.subspan(obedienceClassCount);
}

std::span<const QStringView> offeredCodesOf(Section section)
{
    if (section == Section::Obedience)
        return obedienceOfferedCodes;
    return rallyOfferedCodes;
}

const ClassCode* findClass(QStringView key)
{
    const QStringView trimmed = key.trimmed();
    for (const ClassCode& cls : classes) {
        if (cls.key.compare(trimmed, Qt::CaseInsensitive) == 0)
            return &cls;
    }
    return nullptr;
}

QList<const ClassCode*> classesOfferedBy(QStringView offeredCode)
{
    QList<const ClassCode*> offered;
    for (const ClassCode& cls : classes) {
        if (cls.offeredCode.compare(offeredCode, Qt::CaseInsensitive) == 0)
            offered.append(&cls);
    }
    return offered;
}

QString entryFlagName(QStringView key, int trial)
{
    return trialPrefix(trial) + key.trimmed().toString().toLower();
}

QString offeredFlagName(const ClassCode& cls, int trial)
{
    return trialPrefix(trial) + cls.offeredCode.toString();
}

std::optional<QString> offeredFlagName(QStringView key, int trial)
{
    checkTrial(trial);
    const ClassCode* cls = findClass(key);
    if (!cls)
        return std::nullopt;
    return offeredFlagName(*cls, trial);
}

QString classKeyFromFieldName(QStringView fieldName)
{
    return fieldName.mid(2).toString().toUpper();
}

QString selkey(const ClassCode& cls)
{
    return cls.offeredCode.toString().toUpper();
}

int entryFlagPosition(const ClassCode& cls, int trial)
{
    checkTrial(trial);
    const auto sectionClasses = classesOf(cls.section);
    return entryStart(cls.section) + int(sectionClasses.size()) * (trial - 1) +
           indexIn(sectionClasses, cls);
}

std::optional<int> offeredFlagPosition(QStringView offeredCode, int trial)
{
    checkTrial(trial);
    for (Section section : {Section::Obedience, Section::Rally}) {
        const auto codes = offeredCodesOf(section);
        for (int i = 0; i < int(codes.size()); ++i) {
            if (codes[i].compare(offeredCode, Qt::CaseInsensitive) == 0)
                return offeredStart(section, trial) + i;
        }
    }
    return std::nullopt;
}

FieldRange OfferedFieldRange(int trial, Section section)
{
    checkTrial(trial);
    const int first = offeredStart(section, trial);
    return {first, first + int(offeredCodesOf(section).size()) - 1};
}

FieldRange EntryFieldRange(Section section)
{
    const int first = entryStart(section);
    return {first, first + maxTrials * int(classesOf(section).size()) - 1};
}

FieldRange EntryFieldRangeForTrial(int trial, Section section)
{
    checkTrial(trial);
    const int perTrial = int(classesOf(section).size());
    const int first = entryStart(section) + perTrial * (trial - 1);
    return {first, first + perTrial - 1};
}

QStringList entryFlagNames(Section section)
{
    QStringList names;
    for (int trial = 1; trial <= maxTrials; ++trial) {
        for (const ClassCode& cls : classesOf(section))
            names.append(entryFlagName(cls.key, trial));
    }
    return names;
}

QStringList offeredFlagNames(Section section, int trial)
{
    QStringList names;
    for (QStringView code : offeredCodesOf(section))
        names.append(trialPrefix(trial) + code.toString());
    return names;
}

} // namespace ClassCodes
