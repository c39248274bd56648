#include "ShowCommands.h"

#include "setup/ShowDatesClassBoxes.h"
#include "setup/ShowDatesEditor.h"

#include "storage/DataModule.h"

#include <QDate>
#include <QString>

#include <iostream>
#include <map>
#include <vector>

namespace
{

// The width of the event number fields.
constexpr int kEventNumberWidth = 12;

struct TrialValue {
    int trial = 0;
    QString value;
};

// Every value of a repeatable option, each a comma list of T:VALUE pairs.
std::vector<TrialValue> takeTrialValues(std::vector<std::string>& args, const std::string& option,
                                        int trials)
{
    std::vector<TrialValue> values;
    while (const auto list = takeOption(args, option)) {
        for (const QString& pair : QString::fromStdString(*list).split(u',')) {
            const qsizetype colon = pair.indexOf(u':');
            if (colon <= 0 || colon + 1 >= pair.size())
                throw UsageError(option + ": " + pair.toStdString() + " is not T:VALUE");
            const int trial =
                wholeNumber(option + " trial", pair.left(colon).toStdString(), 1, trials);
            values.push_back({trial, pair.mid(colon + 1)});
        }
    }
    return values;
}

std::string offeredCodes()
{
    QStringList codes;
    for (int box = 0; box < ShowDatesClassBoxes::kCount; ++box)
        codes << ShowDatesClassBoxes::offeredCode(box).toString();
    return codes.join(QStringLiteral(", ")).toStdString();
}

void checkEventNumbers(const std::vector<TrialValue>& events, const std::string& option)
{
    for (const TrialValue& event : events) {
        if (event.value.size() > kEventNumberWidth)
            throw UsageError(option + ": " + event.value.toStdString() + " is longer than " +
                             std::to_string(kEventNumberWidth) + " characters");
    }
}

} // namespace

int showCommand(CliContext& context)
{
    auto& args = context.args;
    if (args.empty() || args.front() != "new")
        throw UsageError("show: expected new");
    args.erase(args.begin());

    const auto dateText = takeOption(args, "--date");
    const auto trialsText = takeOption(args, "--trials");
    if (!dateText || !trialsText)
        throw UsageError("show new: --date and --trials are required");
    const QDate firstDate = calendarDate("--date", *dateText);
    const int trials = wholeNumber("--trials", *trialsText, 1, ClassCodes::maxTrials);

    // Later trials follow an earlier one's date, so dates are given in trial order.
    std::map<int, QDate> trialDates;
    for (const TrialValue& given : takeTrialValues(args, "--trial-date", trials)) {
        if (given.trial == 1)
            throw UsageError("--trial-date: trial 1 is held on the show's first date (--date)");
        trialDates[given.trial] = calendarDate("--trial-date", given.value.toStdString());
    }
    std::vector<std::pair<int, int>> offers;
    for (const TrialValue& given : takeTrialValues(args, "--offer", trials)) {
        const auto box = ShowDatesClassBoxes::boxOf(given.value);
        if (!box)
            throw UsageError("--offer: " + given.value.toStdString() + " is no offered class (" +
                             offeredCodes() + ")");
        offers.emplace_back(given.trial, *box);
    }
    const auto obedienceEvents = takeTrialValues(args, "--obed-event", trials);
    const auto rallyEvents = takeTrialValues(args, "--rally-event", trials);
    checkEventNumbers(obedienceEvents, "--obed-event");
    checkEventNumbers(rallyEvents, "--rally-event");
    if (!args.empty())
        throw UsageError("show new: unexpected argument " + args.front());

    if (!context.takeRootForWriting())
        return 1;
    Tdmod data(context.dataRoot, context.messages, Tdmod::StartUp::OnDemand);
    ShowDatesEditor editor(data);
    editor.startNewShow();
    editor.setFirstDate(firstDate);
    editor.leaveFirstDate();
    editor.setTrials(trials);
    if (!editor.leaveTrials())
        return 1;
    editor.specifyClasses();
    for (const auto& [trial, date] : trialDates)
        editor.setTrialDate(trial, date);
    for (const auto& [trial, box] : offers)
        editor.setOffered(trial, box, true);
    for (const TrialValue& event : obedienceEvents)
        editor.setObedienceEvent(event.trial, event.value);
    for (const TrialValue& event : rallyEvents)
        editor.setRallyEvent(event.trial, event.value);
    if (editor.save() == ShowDatesEditor::SaveResult::Refused)
        return 1;

    const int number = editor.record().number;
    std::cout << number << '\t'
              << data.root().relative(data.root().showEntryFile(number)).toStdString() << '\n';
    return 0;
}
