#pragma once

#include "trialday/RallyClassesForm.h"

// "Rally - Print with Score Box": the score-box sheets of the classes chosen
// in a trial, with or without the jump heights.
class TRallyGatePrtForm1 : public RallyClassesForm
{
    Q_OBJECT
public:
    explicit TRallyGatePrtForm1(Tdmod& data, QWidget* parent = nullptr);

protected:
    Result<ReportPages> print(int trial, const QStringList& classKeys) override;
};

// Reports, Gate Steward Sheets, "Rally - Print with Score Box", modally.
void openRallyGatePrtWindow(Tdmod& data, QWidget* parent);
