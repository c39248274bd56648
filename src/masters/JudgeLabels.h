#pragma once

#include "print/LabelLayout.h"
#include "print/LabelRun.h"
#include "print/LabelStock.h"
#include "print/RecordList.h"

#include <QList>
#include <QString>

#include <cstdint>
#include <memory>
#include <set>
#include <vector>

namespace dbf
{
class RecordView;
class Table;
} // namespace dbf

// The judges' address labels: the check list the secretary ticks, the
// ticked judges as the records of a label run, and the label itself. The
// labels window and `ringvale-cli print judges-labels` share all of it.
namespace JudgeLabels
{

// Avery 5160, placed from the stock's own left margin.
const LabelStock& stock();
inline constexpr LabelPlacement placement = LabelPlacement::LeftMargin;

// One line of the check list for a judge, laid out for the order `tag`; the
// record number in brackets always starts at the 72nd character, so the
// lines stay in columns.
QString checkListLine(const dbf::RecordView& judge, const QString& tag);

struct Choice {
    std::uint32_t recno = 0;
    QString line;
};
// One choice per judge, deleted ones included, in the order `tag`.
std::vector<Choice> checkList(const dbf::Table& judges, const QString& tag);

// The record numbers of the judges whose number is one of `numbers`, read
// as judge numbers are read; the numbers no judge has go to `unknown`.
std::set<std::uint32_t> recordsNumbered(const dbf::Table& judges, const QList<int>& numbers,
                                        QList<int>* unknown);

// The ticked judges not marked deleted, in the order `tag`, with the fields
// the label prints.
std::shared_ptr<RecordList> selection(const dbf::Table& judges, const QString& tag,
                                      const std::set<std::uint32_t>& ticked);

// Name; address; city, state and zip; country.
const LabelLayout& layout();

// The labels of the ticked judges (selection above) from the start position.
LabelRun labels(const dbf::Table& judges, const QString& tag, const std::set<std::uint32_t>& ticked,
                LabelPosition start);

// "Selected records = " and the count.
QString selectedText(int selected);
// Told when the labels are printed.
inline const QString doneMessage = QStringLiteral("All done");

} // namespace JudgeLabels
