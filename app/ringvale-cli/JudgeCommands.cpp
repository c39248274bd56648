#include "JudgeCommands.h"

#include "CsvField.h"
#include "ShowOpening.h"

#include "preparation/JudgeAssignments.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "storage/TextRules.h"

#include "dbf/Error.h"

#include <iostream>

namespace
{

QString judgeNumber(const std::string& option, const std::string& text)
{
    return TextRules::ZeroPad(wholeNumber(option, text, 1, TextRules::kLargestId), 5);
}

// A judge must be in the judges table before being assigned.
void requireJudge(Tdmod& data, const QString& number)
{
    if (!data.Judges()->seekRecord("JUDGNUM", number.toStdString()))
        throw dbf::Error("no judge numbered " + number.toStdString() + " in the judges table");
}

int list(Tdmod& data)
{
    data.OpenShowJudges(data.currentShowNumber());
    data.OpenJudges();
    const dbf::Table& assignments = *data.ShwJudges();
    const dbf::Table& judges = *data.Judges();
    std::cout << "trial,judgenum,judge,section,class,db_key\r\n";
    for (std::uint32_t recno : assignments.recordsInOrder("judgekey")) {
        const dbf::RecordView record = assignments.record(recno);
        if (record.deleted())
            continue;
        const QString number = RecordValues::text(record, "judgenum");
        QString name;
        if (const auto judge = judges.seekRecord("JUDGNUM", number.toStdString())) {
            const dbf::RecordView person = judges.record(*judge);
            name = RecordValues::text(person, "first") + u' ' + RecordValues::text(person, "last");
        }
        std::cout << csvField(RecordValues::text(record, "trialnum")) << ',' << csvField(number)
                  << ',' << csvField(name) << ',' << csvField(RecordValues::text(record, "section"))
                  << ',' << csvField(RecordValues::text(record, "classname")) << ','
                  << csvField(RecordValues::text(record, "db_key")) << "\r\n";
    }
    return 0;
}

} // namespace

int judgesCommand(CliContext& context)
{
    auto& args = context.args;
    const std::string verb = args.empty() ? std::string() : args.front();
    if (verb != "assign" && verb != "replace" && verb != "remove" && verb != "list")
        throw UsageError("judges: expected assign, replace, remove or list");
    args.erase(args.begin());
    const auto show = takeOption(args, "--show");
    if (!show)
        throw UsageError("judges " + verb + ": --show N is required");
    const int showNumber = wholeNumber("--show", *show, 1, DataRoot::kHighestShowNumber);
    std::optional<std::string> trial, judge, by, classes;
    if (verb != "list") {
        trial = takeOption(args, "--trial");
        judge = takeOption(args, "--judge");
        if (!trial || !judge)
            throw UsageError("judges " + verb + ": --trial T and --judge NUMBER are required");
    }
    if (verb == "replace" && !(by = takeOption(args, "--by")))
        throw UsageError("judges replace: --by NUMBER is required");
    if (verb == "assign" && !(classes = takeOption(args, "--classes")))
        throw UsageError("judges assign: --classes KEY,... is required");
    if (!args.empty())
        throw UsageError("judges " + verb + ": unexpected argument " + args.front());
    const int trialNumber = trial ? wholeNumber("--trial", *trial, 1, 4) : 0;
    const QString number = judge ? judgeNumber("--judge", *judge) : QString();
    const QString replacement = by ? judgeNumber("--by", *by) : QString();

    if (verb == "list") {
        Tdmod data(context.dataRoot, context.messages, Tdmod::StartUp::OnDemand);
        if (!openShowForCommand(data, showNumber))
            return 1;
        return list(data);
    }
    if (!context.takeRootForWriting())
        return 1;
    Tdmod data(context.dataRoot, context.messages, Tdmod::StartUp::OnDemand);
    if (!openShowForCommand(data, showNumber))
        return 1;
    const auto showDates = data.showDatesRecord();
    if (!showDates || trialNumber > int(showDates->number("num_trials")))
        throw dbf::Error("show " + std::to_string(showNumber) + " has no trial " +
                         std::to_string(trialNumber));
    JudgeAssignments judges(data);
    if (verb == "assign") {
        requireJudge(data, number);
        QStringList keys;
        for (const QString& key : QString::fromStdString(*classes).split(u',', Qt::SkipEmptyParts))
            keys << key.trimmed().toUpper();
        QStringList offered;
        for (const JudgeAssignments::OfferedClass& cls : judges.offeredClasses(trialNumber))
            offered << cls.classKey.toUpper();
        for (const QString& key : keys) {
            if (!offered.contains(key))
                throw dbf::Error("trial " + std::to_string(trialNumber) + " of show " +
                                 std::to_string(showNumber) + " does not offer the class " +
                                 key.toStdString());
        }
        judges.setClasses(trialNumber, number, keys);
        std::cout << "judge " << number.toStdString() << ": " << keys.size() << " classes in trial "
                  << trialNumber << '\n';
    } else if (verb == "replace") {
        requireJudge(data, replacement);
        const int moved = judges.replaceJudge(trialNumber, number, replacement);
        std::cout << moved << " assignments moved from judge " << number.toStdString()
                  << " to judge " << replacement.toStdString() << '\n';
    } else {
        judges.removeJudge(trialNumber, number);
        std::cout << "judge " << number.toStdString() << " removed from trial " << trialNumber
                  << '\n';
    }
    return 0;
}
