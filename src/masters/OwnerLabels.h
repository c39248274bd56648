#pragma once

#include "print/LabelRun.h"
#include "print/LabelStock.h"

#include <QString>

#include <cstdint>
#include <vector>

namespace dbf
{
class RecordView;
class Table;
} // namespace dbf

// Mailing labels for the owners, three across on Avery 5160, in last-name
// order: every owner not marked deleted, or only those without an e-mail
// address (they are the ones who get their confirmations by post).
enum class OwnerLabelMode { All, SnailMail };

namespace OwnerLabels
{

QString caption();
// The window's line that says which owners print.
QString modeText(OwnerLabelMode mode);
const LabelStock& stock();

// The owners that get a label, in last-name order.
std::vector<std::uint32_t> recordsToPrint(const dbf::Table& owners, OwnerLabelMode mode);
// The number of labels a run will print.
int count(const dbf::Table& owners, OwnerLabelMode mode);
// Whether an owner gets a label.
bool prints(const dbf::RecordView& owner, OwnerLabelMode mode);

// The run from the first owner in last-name order, from the start position
// of the first sheet, the grid of labels centred across the paper: a
// snapshot of the owners, whose order and current record stay as they are.
LabelRun labels(const dbf::Table& owners, OwnerLabelMode mode, LabelPosition start);

// Told when the labels are printed.
inline const QString kLabelsDone = QStringLiteral("All Done!");

} // namespace OwnerLabels
