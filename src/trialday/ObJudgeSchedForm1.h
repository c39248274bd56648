#pragma once

#include "storage/ClassCodes.h"
#include "trialday/TrialDayListingForm.h"

class ChoiceBoxWidget;

// The armband lists for the judging schedule of one section ("Obedience
// Judging Schedule Info" or "Rally Judging Schedule Info"): per trial and
// class the count of entries and the armbands as ranges.
class TObJudgeSchedForm1 : public TrialDayListingForm
{
    Q_OBJECT
public:
    TObJudgeSchedForm1(Tdmod& data, ClassCodes::Section section, QWidget* parent = nullptr);

    ChoiceBoxWidget* trialInTitle() const { return radioGroup1_; }

protected:
    RichListing build() override;

private:
    ClassCodes::Section section_;
    ChoiceBoxWidget* radioGroup1_;
};

// Reports, "List of Armband #'s (with count) for Judging Schedule",
// "Obedience" or "Rally": the window of that section, modally.
void openJudgeSchedWindow(Tdmod& data, ClassCodes::Section section, QWidget* parent);
