#pragma once

#include "print/CanvasListing.h"

#include <QString>
#include <QStringList>

namespace dbf
{
class RecordView;
class Table;
} // namespace dbf

// The judges' address list: plain-text lines, printed straight on the
// printer's page and saved as a ".txt" file. The list window, its printing
// and `ringvale-cli print judges-list` all start from these lines.
namespace JudgesList
{

// The print job's title and the heading of every page.
inline const QString title = QStringLiteral("Judge's Address List");

// A first line of one blank, then one line per judge not marked deleted, in
// the table's current order. Only reads the table.
QStringList lines(const dbf::Table& judges);
// One judge's line: name, phone, address with city, state and zip, e-mail,
// the four parts separated by tabs.
QString line(const dbf::RecordView& judge);

// The lines as a printout, PDF or text: Arial 10, lines 1.4 times the
// font's height; the heading on the third line at 250/300 inch, the lines at
// 150/300 inch from the fifth line of the first page and the fourth of the
// others; four lines of each page kept free. On paper the four parts stand
// in columns, so a judge without a phone still has the address under the
// others' addresses.
CanvasListing listing(const QStringList& lines);

// The message after printing.
QString printedMessage(const PrintOutcome& outcome);

} // namespace JudgesList
