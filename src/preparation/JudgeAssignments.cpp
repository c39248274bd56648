#include "preparation/JudgeAssignments.h"

#include "storage/ClassCodes.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "storage/TextRules.h"

#include "dbf/Table.h"

#include <algorithm>

using RecordValues::raw;
using RecordValues::text;

namespace
{

QString trialText(int trial)
{
    return QString::number(trial);
}

bool ofJudge(const dbf::RecordView& record, int trial, const QString& judgeNumber)
{
    return !record.deleted() && text(record, "trialnum") == trialText(trial) &&
           text(record, "judgenum") == judgeNumber;
}

QString sectionColumn(const dbf::RecordView& record)
{
    return raw(record, "section").leftJustified(9, u' ', true) + QStringLiteral("     ");
}

} // namespace

JudgeAssignments::JudgeAssignments(Tdmod& data) : data_(data)
{
    data_.OpenShowJudges(data_.currentShowNumber());
    data_.OpenJudges();
    data_.OpenClasses();
}

std::vector<JudgeAssignments::Judge> JudgeAssignments::judgesOf(int trial) const
{
    const dbf::Table& assignments = *data_.ShwJudges();
    const dbf::Table& judges = *data_.Judges();
    std::vector<Judge> found;
    for (std::uint32_t recno : assignments.recordsInOrder("judgekey")) {
        const dbf::RecordView record = assignments.record(recno);
        if (record.deleted() || text(record, "trialnum") != trialText(trial))
            continue;
        const QString number = text(record, "judgenum");
        if (number.isEmpty() ||
            std::ranges::any_of(found, [&](const Judge& j) { return j.number == number; }))
            continue;
        // A number the judges table does not know is not listed.
        if (const auto judge = judges.seekRecord("JUDGNUM", number.toStdString())) {
            const dbf::RecordView person = judges.record(*judge);
            found.push_back({number, text(person, "last").trimmed() + QStringLiteral(", ") +
                                         text(person, "first").trimmed()});
        }
    }
    return found;
}

QStringList JudgeAssignments::classLinesOf(int trial, const QString& judgeNumber) const
{
    const dbf::Table& assignments = *data_.ShwJudges();
    QStringList lines;
    for (std::uint32_t recno : assignments.recordsInOrder("judgekey")) {
        const dbf::RecordView record = assignments.record(recno);
        const QString name = text(record, "classname").trimmed();
        if (ofJudge(record, trial, judgeNumber) && !name.isEmpty())
            lines << sectionColumn(record) + name;
    }
    return lines;
}

QStringList JudgeAssignments::classKeysOf(int trial, const QString& judgeNumber) const
{
    const dbf::Table& assignments = *data_.ShwJudges();
    QStringList keys;
    for (std::uint32_t recno : assignments.recordsInOrder("judgekey")) {
        const dbf::RecordView record = assignments.record(recno);
        const QString key = text(record, "db_key").trimmed();
        if (ofJudge(record, trial, judgeNumber) && !key.isEmpty())
            keys << key;
    }
    return keys;
}

std::vector<JudgeAssignments::OfferedClass> JudgeAssignments::offeredClasses(int trial) const
{
    std::vector<OfferedClass> offered;
    const auto showDates = data_.showDatesRecord();
    if (!showDates || trial < 1 || trial > ClassCodes::maxTrials)
        return offered;
    const dbf::Table& classes = *data_.ShowClasses();
    for (ClassCodes::Section section :
         {ClassCodes::Section::Obedience, ClassCodes::Section::Rally}) {
        for (const QString& flag : ClassCodes::offeredFlagNames(section, trial)) {
            if (!showDates->logical(flag.toStdString()))
                continue;
            const QString code = flag.mid(2).toUpper(); // "t1opn" gives "OPN"
            for (std::uint32_t r = 1; r <= classes.recordCount(); ++r) {
                const dbf::RecordView cls = classes.record(r);
                if (text(cls, "selkey").trimmed() != code)
                    continue;
                const QString key = text(cls, "db_key").trimmed();
                offered.push_back(
                    {sectionColumn(cls) +
                         data_.ClassNameForField("t" + trialText(trial) + key).trimmed(),
                     key});
            }
        }
    }
    return offered;
}

std::vector<JudgeAssignments::Judge> JudgeAssignments::judgesToPick() const
{
    const dbf::Table& judges = *data_.Judges();
    std::vector<Judge> all;
    for (std::uint32_t r = 1; r <= judges.recordCount(); ++r) {
        const dbf::RecordView judge = judges.record(r);
        if (judge.deleted())
            continue;
        all.push_back({TextRules::ZeroPad(TextRules::IdToInt(text(judge, "judgenum")), 5),
                       text(judge, "last").trimmed() + QStringLiteral(", ") +
                           text(judge, "first").trimmed()});
    }
    std::ranges::sort(all, [](const Judge& a, const Judge& b) {
        return QString::localeAwareCompare(a.name, b.name) < 0;
    });
    return all;
}

bool JudgeAssignments::appendRecord(int trial, const QString& judgeNumber, const QString& classKey)
{
    dbf::Table& assignments = *data_.ShwJudges();
    std::optional<dbf::RecordView> cls;
    if (!classKey.isEmpty()) {
        const auto found =
            data_.ShowClasses()->findRecord("DBKEY", classKey.toUpper().toStdString());
        if (!found || text(data_.ShowClasses()->record(*found), "db_key").trimmed().toUpper() !=
                          classKey.trimmed().toUpper())
            return false; // a class the class table does not know
        cls = data_.ShowClasses()->record(*found);
    }
    assignments.append();
    assignments.setNumber("show_num", data_.currentShowNumber());
    assignments.setText("trialnum", trialText(trial).toStdString());
    assignments.setText("judgenum", judgeNumber.toStdString());
    if (cls) {
        assignments.setText("section", cls->raw("section"));
        assignments.setText("classname", cls->raw("classname"));
        assignments.setText("db_key", cls->raw("db_key"));
    }
    assignments.post();
    return true;
}

void JudgeAssignments::addJudge(int trial, const QString& judgeNumber)
{
    appendRecord(trial, judgeNumber, {});
}

int JudgeAssignments::replaceJudge(int trial, const QString& oldNumber, const QString& newNumber)
{
    dbf::Table& assignments = *data_.ShwJudges();
    // The records are chosen first: each is renumbered exactly once, whatever
    // the two numbers' places in the tag.
    const std::vector<std::uint32_t> records = assignments.recordsInOrder(
        {}, [&](const dbf::RecordView& r) { return ofJudge(r, trial, oldNumber); });
    for (std::uint32_t recno : records) {
        assignments.go(recno);
        assignments.edit();
        assignments.setText("judgenum", newNumber.toStdString());
        assignments.post();
    }
    return int(records.size());
}

void JudgeAssignments::dropRecordsOf(int trial, const QString& judgeNumber)
{
    dbf::Table& assignments = *data_.ShwJudges();
    const std::string order = assignments.order();
    bool any = false;
    for (std::uint32_t r = 1; r <= assignments.recordCount(); ++r) {
        if (ofJudge(assignments.record(r), trial, judgeNumber)) {
            assignments.go(r);
            assignments.setDeleted(true);
            any = true;
        }
    }
    if (any)
        assignments.pack();
    assignments.setOrder(order);
}

void JudgeAssignments::removeJudge(int trial, const QString& judgeNumber)
{
    dropRecordsOf(trial, judgeNumber);
}

void JudgeAssignments::setClasses(int trial, const QString& judgeNumber,
                                  const QStringList& classKeys)
{
    dropRecordsOf(trial, judgeNumber);
    bool assigned = false;
    for (const QString& key : classKeys)
        assigned = appendRecord(trial, judgeNumber, key) || assigned;
    // With no class the judge keeps a record of its own and stays listed.
    if (!assigned)
        addJudge(trial, judgeNumber);
}
