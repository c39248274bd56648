#pragma once

#include "print/LabelRun.h"
#include "print/LabelStock.h"

#include <QString>

#include <cstdint>
#include <vector>

class QPagedPaintDevice;

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

// Prints from the first owner in last-name order, from the start position of
// the first sheet, the grid of labels centred across the paper. The owners
// table is only read: its order and current record stay.
LabelRun::Printed print(const dbf::Table& owners, OwnerLabelMode mode, LabelPosition start,
                        QPagedPaintDevice& device);
// The same run into a PDF file, or the reason it could not be written.
Result<LabelRun::Printed> savePdf(const dbf::Table& owners, OwnerLabelMode mode,
                                  LabelPosition start, const QString& path);

} // namespace OwnerLabels
