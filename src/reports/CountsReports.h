#pragma once

#include "print/ReportBuilder.h"

class Tdmod;

// "Class Counts - Summary Of Entries by Trial #": the entries of every class
// of the open show per trial, in ruled cells grouped by section, with the
// section totals and the totals of the show.
class ClassCountsReport : public ReportBuilder
{
public:
    explicit ClassCountsReport(Tdmod& data) : data_(data) {}
    Report build() override;

private:
    Tdmod& data_;
};

// "NUR Fee Counts by Section and Trial #": the dogs entered and the regular
// and non-regular class entries per section and trial, with the note on how
// each is counted.
class FeeCountsReport : public ReportBuilder
{
public:
    explicit FeeCountsReport(Tdmod& data) : data_(data) {}
    Report build() override;

private:
    Tdmod& data_;
};
