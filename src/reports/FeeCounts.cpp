#include "reports/FeeCounts.h"

#include "reports/ReportWorkTable.h"
#include "storage/ClassCodes.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"
#include "storage/TableSchemas.h"

#include "dbf/Error.h"
#include "dbf/Table.h"

#include <QSet>

#include <optional>

namespace
{

using ClassCodes::Section;

// The class keys of a section whose fee type is "REG"; nothing when the class
// table has no class of the section.
std::optional<QSet<QString>> regularKeys(Tdmod& data, Section section)
{
    data.OpenClasses();
    const dbf::Table& classes = *data.ShowClasses();
    const std::vector<std::uint32_t> ofSection =
        classes.recordsWithKey("SECSRT", ClassCodes::sectionName(section).toUpper().toStdString());
    if (ofSection.empty())
        return std::nullopt;
    QSet<QString> keys;
    for (std::uint32_t recno : ofSection) {
        const dbf::RecordView cls = classes.record(recno);
        if (!cls.deleted() && RecordValues::text(cls, "fee_type").trimmed().toUpper() == u"REG")
            keys.insert(RecordValues::text(cls, "db_key").trimmed().toUpper());
    }
    return keys;
}

// The three rows of one section.
QList<CountRow> countSection(Tdmod& data, Section section, const QSet<QString>& regular, int trials)
{
    const QString name = ClassCodes::sectionName(section);
    CountRow dogs{name, FeeCounts::kDogsEntered, {}};
    CountRow regularRow{name, FeeCounts::kRegularEntries, {}};
    CountRow otherRow{name, FeeCounts::kNonRegularEntries, {}};
    const dbf::Table& entries = *data.TzDbf1();
    std::array<QSet<QString>, 4> dogsOfTrial;
    for (std::uint32_t recno = 1; recno <= entries.recordCount(); ++recno) {
        const dbf::RecordView entry = entries.record(recno);
        if (entry.deleted())
            continue;
        QString dog = RecordValues::text(entry, "reg").trimmed().toUpper();
        // Entries without a number are told apart by their record: each is a dog.
        if (dog.isEmpty())
            dog = u'#' + QString::number(recno);
        for (int trial = 1; trial <= trials; ++trial) {
            for (const ClassCodes::ClassCode& cls : ClassCodes::classesOf(section)) {
                if (!entry.logical(ClassCodes::entryFlagPosition(cls, trial)))
                    continue;
                dogsOfTrial.at(trial - 1).insert(dog);
                CountRow& row = regular.contains(cls.key.toString()) ? regularRow : otherRow;
                ++row.trials.at(trial - 1);
            }
        }
    }
    for (int trial = 1; trial <= trials; ++trial)
        dogs.trials.at(trial - 1) = int(dogsOfTrial.at(trial - 1).size());
    return {dogs, regularRow, otherRow};
}

void write(dbf::Table& table, const QList<CountRow>& rows)
{
    for (const CountRow& row : rows) {
        table.blankBuffer();
        table.setText("section", row.section.toStdString());
        table.setText("fee_type", row.name.toStdString());
        for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial)
            table.setNumber("t" + std::to_string(trial), row.trials.at(trial - 1));
        table.queueRecord();
    }
    table.appendQueued();
}

} // namespace

namespace FeeCounts
{

ShowCounts count(Tdmod& data)
{
    if (!data.showOpen())
        throw dbf::Error("Fee counts: no show is open");
    ShowCounts counts;
    counts.trials = ShowCounts::trialsOf(data);
    QList<CountRow> rows;
    const auto offered = [&](Section section) {
        return section == Section::Obedience ? data.ShowHasObedience() : data.ShowHasRally();
    };
    for (const Section section : {Section::Obedience, Section::Rally}) {
        if (!offered(section))
            continue;
        const auto regular = regularKeys(data, section);
        if (!regular) {
            data.messages().inform(QStringLiteral("Section NOT found"));
            continue;
        }
        rows << countSection(data, section, *regular, counts.trials);
    }

    const std::unique_ptr<dbf::Table> table =
        openEmptiedWorkTable(data.root(), TableSchemas::Fees());
    write(*table, rows);
    for (std::uint32_t recno : table->recordsInOrder()) {
        const dbf::RecordView row = table->record(recno);
        CountRow line{RecordValues::text(row, "section"), RecordValues::text(row, "fee_type"), {}};
        for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial)
            line.trials.at(trial - 1) = int(row.number("t" + std::to_string(trial)));
        counts.rows << line;
    }
    return counts;
}

} // namespace FeeCounts
