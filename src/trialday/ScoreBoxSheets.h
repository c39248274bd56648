#pragma once

#include "print/ReportDefinition.h"
#include "print/ReportPage.h"
#include "storage/Result.h"
#include "trialday/RallyReportTexts.h"

#include <QStringList>

class Tdmod;

// The rally gate sheets with a score box: per class of one trial a page of
// ruled rows in two columns, each with the armband, the breed, the jump
// height on request and an empty cell for the steward's score, padded with
// empty rows for late changes.
namespace ScoreBoxSheets
{

inline const QString kTitle = QStringLiteral("Rally Gate Steward Sheets");
inline const QString kNoClassesSelected = QStringLiteral("No Classes have been selected");
inline const QString kNoEntries = QStringLiteral("There are no Entries!\r\nAborting");

struct Request {
    int trial = 1;
    QStringList classKeys; // in the order chosen
    bool jumpHeights = true;
};

// The sheets declared over rows of the rally work table.
Report report(std::shared_ptr<const RecordSource> rows, const RallyReportTexts& texts,
              bool jumpHeights);

// Fills the rally work table with the classes of the open show and lays the
// sheets out. Refused, with the message why, when no class is chosen or the
// show has no entries; the work table is closed again either way.
Result<ReportPages> print(Tdmod& data, const Request& request);

} // namespace ScoreBoxSheets
