#pragma once

#include "ShowDatesRecord.h"

// How trial dates follow one another: a show's trials run on consecutive
// days unless the secretary says otherwise, so a date given for one trial
// carries the later trials along with it.
namespace ShowDatesTrialDates
{

// Trial 1 gets the first date and each later trial up to `trials` the day
// after the one before. Nothing changes while the first date is blank.
void fillFromFirstDate(ShowDatesRecord& record);

// Trials after `hadTrials` up to `trials` each get the day after the trial
// before them: the dates of the trials the record already had stay.
void fillAddedTrials(ShowDatesRecord& record, int hadTrials);

// After trial 2's or trial 3's date changed, the show's later trials follow
// it day by day. Trial 2 carries trial 3 only in a show of three or more
// trials, and a change to trial 1 or 4 carries nothing.
void followChangedTrial(ShowDatesRecord& record, int changedTrial);

} // namespace ShowDatesTrialDates
