#include "trialday/RallyGatePrtForm1.h"

#include "trialday/ChoiceBoxWidget.h"
#include "trialday/ScoreBoxSheets.h"

TRallyGatePrtForm1::TRallyGatePrtForm1(Tdmod& data, QWidget* parent)
    : RallyClassesForm(data, ScoreBoxSheets::kTitle,
                       new ChoiceBoxWidget(QStringLiteral("Include Jump Heights ?"),
                                           {QStringLiteral("Yes"), QStringLiteral("No")}, 0),
                       parent)
{
}

Result<ReportPages> TRallyGatePrtForm1::print(int trial, const QStringList& classKeys)
{
    return ScoreBoxSheets::print(data_, {trial, classKeys, option()->chosen() == 0});
}

void openRallyGatePrtWindow(Tdmod& data, QWidget* parent)
{
    TRallyGatePrtForm1 form(data, parent);
    form.exec();
}
