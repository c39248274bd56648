#include "trialday/ObJudgeSchedForm1.h"

#include "trialday/ChoiceBoxWidget.h"
#include "trialday/ScheduleLists.h"

TObJudgeSchedForm1::TObJudgeSchedForm1(Tdmod& data, ClassCodes::Section section, QWidget* parent)
    : TrialDayListingForm(data, ScheduleLists::title(section), QStringLiteral("Cancel"), parent),
      section_(section),
      radioGroup1_(new ChoiceBoxWidget(QStringLiteral("Include the Trial # in Title ?"),
                                       {QStringLiteral("Yes"), QStringLiteral("No")}, 0, this))
{
    addOption(radioGroup1_);
}

RichListing TObJudgeSchedForm1::build()
{
    return ScheduleLists::build(data_, section_, radioGroup1_->chosen() == 0);
}

void openJudgeSchedWindow(Tdmod& data, ClassCodes::Section section, QWidget* parent)
{
    TObJudgeSchedForm1 form(data, section, parent);
    form.exec();
}
