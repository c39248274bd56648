#pragma once

#include "print/LabelRun.h"
#include "print/LabelStock.h"

#include <QString>

class QPagedPaintDevice;

namespace dbf
{
class Table;
}

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

// Puts the owners in last-name order and counts the labels a run will print.
int prepare(dbf::Table& owners, OwnerLabelMode mode);
// Whether the owner the table is on gets a label.
bool prints(const dbf::Table& owner, OwnerLabelMode mode);

// Prints from the first owner in last-name order, from the start position of
// the first sheet, the grid of labels centred across the paper.
LabelRun::Result print(dbf::Table& owners, OwnerLabelMode mode, LabelPosition start,
                       QPagedPaintDevice& device);
// The same run into a PDF file; a file that cannot be written sets
// deviceFailed with the reason in error.
LabelRun::Result savePdf(dbf::Table& owners, OwnerLabelMode mode, LabelPosition start,
                         const QString& path, QString* error);

} // namespace OwnerLabels
