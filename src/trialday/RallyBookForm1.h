#pragma once

#include "trialday/RallyClassesForm.h"

// "Print Rally Judge's Book": the judge's book of the classes chosen in a
// trial, blank or with the results keyed so far.
class TRallyBookForm1 : public RallyClassesForm
{
    Q_OBJECT
public:
    explicit TRallyBookForm1(Tdmod& data, QWidget* parent = nullptr);

protected:
    Result<ReportPages> print(int trial, const QStringList& classKeys) override;
};

// Reports, "Rally Judge's Book", modally.
void openRallyBookWindow(Tdmod& data, QWidget* parent);
