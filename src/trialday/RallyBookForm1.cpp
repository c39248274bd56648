#include "trialday/RallyBookForm1.h"

#include "trialday/ChoiceBoxWidget.h"
#include "trialday/JudgesBook.h"

TRallyBookForm1::TRallyBookForm1(Tdmod& data, QWidget* parent)
    : RallyClassesForm(data, JudgesBook::kWindowCaption,
                       new ChoiceBoxWidget(QStringLiteral("Include Results?  "),
                                           {QStringLiteral("No"), QStringLiteral("Yes")}, 0),
                       parent)
{
}

Result<ReportPages> TRallyBookForm1::print(int trial, const QStringList& classKeys)
{
    return printJudgesBook(data_, trial, classKeys, option()->chosen() == 1);
}

void openRallyBookWindow(Tdmod& data, QWidget* parent)
{
    TRallyBookForm1 form(data, parent);
    form.exec();
}
