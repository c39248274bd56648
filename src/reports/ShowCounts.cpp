#include "reports/ShowCounts.h"

#include "storage/ClassCodes.h"
#include "storage/DataModule.h"

#include <algorithm>

QString ShowCounts::figure(const CountRow& row, int trial) const
{
    return trial <= trials ? QString::number(row.trials.at(trial - 1)) : QString();
}

int ShowCounts::trialsOf(Tdmod& data)
{
    const auto record = data.showDatesRecord();
    if (!record)
        return 0;
    return std::clamp(int(record->number("num_trials")), 0, ClassCodes::maxTrials);
}
