#pragma once

#include "storage/ClassCodes.h"
#include "trialday/TrialDayListingForm.h"

class ChoiceBoxWidget;

// The gate steward lists of one section ("Obedience Gate Steward Lists" or
// "Rally Gate Steward Lists"): the options for breed names, the trial
// number in the title, jump heights and handlers, then the lists.
class TObedGateForm : public TrialDayListingForm
{
    Q_OBJECT
public:
    TObedGateForm(Tdmod& data, ClassCodes::Section section, QWidget* parent = nullptr);

    ChoiceBoxWidget* breedNames() const { return radioGroup1_; }
    ChoiceBoxWidget* trialInTitle() const { return radioGroup2_; }
    ChoiceBoxWidget* jumpHeights() const { return radioGroup3_; }
    ChoiceBoxWidget* handlers() const { return radioGroup4_; }

protected:
    RichListing build() override;

private:
    ClassCodes::Section section_;
    ChoiceBoxWidget* radioGroup1_;
    ChoiceBoxWidget* radioGroup2_;
    ChoiceBoxWidget* radioGroup3_;
    ChoiceBoxWidget* radioGroup4_;
};

// Reports, Gate Steward Sheets, "Obedience  (Armband # && Breed)" or "Rally
// (Armband # && Breed)": the window of that section, modally.
void openObedGateWindow(Tdmod& data, ClassCodes::Section section, QWidget* parent);
