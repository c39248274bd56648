#include "trialday/ObedGateForm.h"

#include "trialday/ChoiceBoxWidget.h"
#include "trialday/GateLists.h"

namespace
{

const QStringList kYesNo{QStringLiteral("Yes"), QStringLiteral("No")};

} // namespace

TObedGateForm::TObedGateForm(Tdmod& data, ClassCodes::Section section, QWidget* parent)
    : TrialDayListingForm(data, GateLists::title(section), QStringLiteral("Done"), parent),
      section_(section),
      radioGroup1_(new ChoiceBoxWidget(
          QStringLiteral("How do you want the Breed Names printed ?  "),
          {QStringLiteral("Full Breed Name"), QStringLiteral("Abbreviated Breed Name")}, 0, this)),
      radioGroup2_(
          new ChoiceBoxWidget(QStringLiteral("Include the Trial # in Title ?"), kYesNo, 0, this)),
      radioGroup3_(new ChoiceBoxWidget(QStringLiteral("Include Jump Heights?  "), kYesNo, 1, this)),
      radioGroup4_(
          new ChoiceBoxWidget(QStringLiteral("Include Handler/Owner Names ?  "), kYesNo, 1, this))
{
    for (ChoiceBoxWidget* option : {radioGroup1_, radioGroup2_, radioGroup3_, radioGroup4_})
        addOption(option);
}

RichListing TObedGateForm::build()
{
    GateLists::Options options;
    options.shortBreeds = radioGroup1_->chosen() == 1;
    options.trialInTitle = radioGroup2_->chosen() == 0;
    options.jumpHeights = radioGroup3_->chosen() == 0;
    options.handlers = radioGroup4_->chosen() == 0;
    return GateLists::build(data_, section_, options);
}

void openObedGateWindow(Tdmod& data, ClassCodes::Section section, QWidget* parent)
{
    TObedGateForm form(data, section, parent);
    form.exec();
}
