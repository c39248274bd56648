#include "reports/ClassCounts.h"

#include "reports/ReportWorkTable.h"
#include "storage/ClassCodes.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "storage/TableSchemas.h"

#include "dbf/Error.h"
#include "dbf/Table.h"

#include <map>
#include <vector>

namespace
{

using ClassCodes::Section;

struct ClassRow {
    QString key;
    QString section;
    QString sortKey;
    QString className;
    QString jumpHeight; // of the first entry counted, which the table's tags order by
    std::array<int, 4> trials{};
};

// The rows of the classes entered, in the order each class was first met.
std::vector<ClassRow> countEntries(Tdmod& data, int trials)
{
    const dbf::Table& entries = *data.TzDbf1();
    std::vector<ClassRow> rows;
    std::map<QString, std::size_t> rowOfKey;
    for (std::uint32_t recno = 1; recno <= entries.recordCount(); ++recno) {
        const dbf::RecordView entry = entries.record(recno);
        if (entry.deleted())
            continue;
        for (const Section section : {Section::Obedience, Section::Rally}) {
            const char* heightField = section == Section::Obedience ? "ob_jmpht" : "rallyjmpht";
            for (int trial = 1; trial <= trials; ++trial) {
                for (const ClassCodes::ClassCode& cls : ClassCodes::classesOf(section)) {
                    if (!entry.logical(ClassCodes::entryFlagPosition(cls, trial)))
                        continue;
                    const QString key = cls.key.toString();
                    auto found = rowOfKey.find(key);
                    if (found == rowOfKey.end()) {
                        const QString flag = ClassCodes::entryFlagName(cls.key, trial);
                        // Looked up once per class, so an unknown class is told once.
                        rows.push_back({key,
                                        ClassCodes::sectionName(section),
                                        data.SortKeyForField(flag),
                                        data.ClassNameForField(flag),
                                        RecordValues::text(entry, heightField),
                                        {}});
                        found = rowOfKey.emplace(key, rows.size() - 1).first;
                    }
                    ++rows[found->second].trials.at(trial - 1);
                }
            }
        }
    }
    return rows;
}

void write(dbf::Table& table, const std::vector<ClassRow>& rows)
{
    for (const ClassRow& row : rows) {
        table.blankBuffer();
        table.setText("dbkey", row.key.toStdString());
        table.setText("jmpht", row.jumpHeight.toStdString());
        for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial)
            table.setNumber("t" + std::to_string(trial), row.trials.at(trial - 1));
        table.setText("section", row.section.toStdString());
        table.setText("sortkey", row.sortKey.toStdString());
        table.setText("classname", row.className.toStdString());
        table.queueRecord();
    }
    table.appendQueued();
}

} // namespace

namespace ClassCounts
{

ShowCounts count(Tdmod& data)
{
    if (!data.showOpen())
        throw dbf::Error("Class counts: no show is open");
    ShowCounts counts;
    counts.trials = ShowCounts::trialsOf(data);
    const std::vector<ClassRow> rows = countEntries(data, counts.trials);

    const std::unique_ptr<dbf::Table> table =
        openEmptiedWorkTable(data.root(), TableSchemas::Counts());
    write(*table, rows);
    for (std::uint32_t recno : table->recordsInOrder("srtkey")) {
        const dbf::RecordView row = table->record(recno);
        CountRow line{RecordValues::text(row, "section"), RecordValues::text(row, "classname"), {}};
        for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial)
            line.trials.at(trial - 1) = int(row.number("t" + std::to_string(trial)));
        counts.rows << line;
    }
    return counts;
}

} // namespace ClassCounts
