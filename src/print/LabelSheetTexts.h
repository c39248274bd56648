#pragma once

#include "print/LabelStock.h"

#include <QString>

// How many sheets a number of labels takes, and the lines that tell the
// secretary so before a label run.
namespace LabelSheets
{

// Labels divided by the labels per sheet, rounded up.
int sheetsNeeded(int labels, int perSheet);
// The labels on the last sheet when it is not a whole one; 0 when it is.
int labelsOnLastSheet(int labels, int perSheet);
// Start button k (numbered row by row from 1) on a sheet w labels across.
LabelPosition positionOfButton(int k, int across);

} // namespace LabelSheets

// The three count lines of the label sheet window. A label run that words
// them its own way fills the fields itself; an empty line is not shown.
struct LabelSheetTexts {
    QString count;
    QString sheets;
    QString lastSheet;

    static LabelSheetTexts forLabels(int labels, int perSheet);
};
