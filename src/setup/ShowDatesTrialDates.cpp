#include "ShowDatesTrialDates.h"

#include <algorithm>

namespace ShowDatesTrialDates
{

namespace
{

// Trials `from` to the show's last each the day after the one before.
void followFrom(ShowDatesRecord& record, int from)
{
    for (int t = std::max(from, 2); t <= record.trials; ++t) {
        const auto& before = record.of(t - 1).date;
        if (before)
            record.of(t).date = before->addDays(1);
    }
}

} // namespace

void fillFromFirstDate(ShowDatesRecord& record)
{
    if (!record.firstDate)
        return;
    record.of(1).date = record.firstDate;
    followFrom(record, 2);
}

void fillAddedTrials(ShowDatesRecord& record, int hadTrials)
{
    followFrom(record, hadTrials + 1);
}

void followChangedTrial(ShowDatesRecord& record, int changedTrial)
{
    if (changedTrial == 2 || changedTrial == 3)
        followFrom(record, changedTrial + 1);
}

} // namespace ShowDatesTrialDates
