#include "ShowDatesRecord.h"

#include "storage/RecordValues.h"

#include "dbf/Table.h"

#include <algorithm>

#include <string>

namespace
{

std::string trialField(int trial, const char* rest)
{
    return "t" + std::to_string(trial) + rest;
}

std::string flagField(int trial, int box)
{
    return ShowDatesClassBoxes::offeredFlag(trial, box).toStdString();
}

} // namespace

bool ShowDatesRecord::anyClassOffered() const
{
    for (int t = 1; t <= trials; ++t) {
        for (bool on : of(t).offered) {
            if (on)
                return true;
        }
    }
    return false;
}

ShowDatesRecord ShowDatesRecord::read(const dbf::Table& showDates, QString* fault)
{
    ShowDatesRecord record;
    record.number = static_cast<int>(showDates.number("show_num"));
    record.firstDate = RecordValues::toOptionalQDate(showDates.date("show_date"));
    const int stored = static_cast<int>(showDates.number("num_trials"));
    record.trials = std::clamp(stored, 1, ClassCodes::maxTrials);
    if (record.trials != stored && fault)
        *fault = QStringLiteral("Show # %1: the number of trials (num_trials) is %2, but a show "
                                "has 1 to 4 trials.;It is shown as %3; Save to keep that.")
                     .arg(record.number)
                     .arg(stored)
                     .arg(record.trials);
    for (int t = 1; t <= ClassCodes::maxTrials; ++t) {
        Trial& trial = record.of(t);
        trial.date = RecordValues::toOptionalQDate(showDates.date(trialField(t, "_date")));
        trial.obedienceEvent = RecordValues::text(showDates, trialField(t, "_o_evnum"));
        trial.rallyEvent = RecordValues::text(showDates, trialField(t, "_r_evnum"));
        for (int box = 0; box < ShowDatesClassBoxes::kCount; ++box)
            trial.offered[box] = showDates.logical(flagField(t, box));
    }
    return record;
}

void ShowDatesRecord::write(dbf::Table& showDates) const
{
    showDates.setNumber("show_num", number);
    showDates.setDate("show_date", RecordValues::toOptionalDate(firstDate));
    showDates.setNumber("num_trials", trials);
    for (int t = 1; t <= ClassCodes::maxTrials; ++t) {
        const Trial& trial = of(t);
        showDates.setDate(trialField(t, "_date"), RecordValues::toOptionalDate(trial.date));
        showDates.setText(trialField(t, "_o_evnum"), trial.obedienceEvent.toStdString());
        showDates.setText(trialField(t, "_r_evnum"), trial.rallyEvent.toStdString());
        for (int box = 0; box < ShowDatesClassBoxes::kCount; ++box)
            showDates.setLogical(flagField(t, box), trial.offered[box]);
    }
}

QString dateBoxText(const std::optional<QDate>& date)
{
    return RecordValues::dateText(RecordValues::toOptionalDate(date));
}

std::optional<QDate> dateFromBoxText(const QString& text)
{
    const QDate date = RecordValues::fromDateText(text);
    return date.isValid() ? std::optional<QDate>(date) : std::nullopt;
}
