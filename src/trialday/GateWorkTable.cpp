#include "trialday/GateWorkTable.h"

#include "storage/DataModule.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

#include <algorithm>

namespace GateWorkTable
{

namespace
{

using RecordValues::text;

// The trials a show holds; a flag of a trial beyond them cannot be ticked on
// the desk and names no date.
int trialsOfShow(Tdmod& data)
{
    const auto record = data.showDatesRecord();
    return record ? std::clamp(int(record->number("num_trials")), 1, ClassCodes::maxTrials) : 1;
}

} // namespace

QString handlerText(const dbf::RecordView& entry)
{
    const QString handler = text(entry, "handler").trimmed();
    if (!handler.isEmpty())
        return handler;
    return text(entry, "last").trimmed() + QStringLiteral(", ") + text(entry, "first").trimmed();
}

void AppendGateRow(Tdmod& data, const GateRow& row)
{
    dbf::Table& gate = *data.TzVDbf1();
    const QString flag = ClassCodes::entryFlagName(row.classKey, row.trial);
    const QString sortKey = data.SortKeyForField(flag);
    const auto dates = data.showDatesRecord();
    gate.blankBuffer();
    gate.setText("trial", QString::number(row.trial).toStdString());
    if (dates)
        gate.setDate("tdate", dates->date("t" + std::to_string(row.trial) + "_date"));
    gate.setText("srtkey", sortKey.toStdString());
    gate.setText("db_key", row.classKey.toStdString());
    gate.setText("section", ClassCodes::sectionName(row.section).toStdString());
    gate.setText("armband", row.armband.toStdString());
    gate.setText("breed", row.breed.toStdString());
    gate.setText("jmpht", row.jumpHeight.toStdString());
    gate.setText("handler", row.handler.toStdString());
    gate.appendRecord();
}

int FillGateWorkTable(Tdmod& data, ClassCodes::Section section)
{
    data.OpenGateWorkTable();
    const dbf::Table& entries = *data.TzDbf1();
    const int trials = trialsOfShow(data);
    const char* heightField = section == ClassCodes::Section::Obedience ? "ob_jmpht" : "rallyjmpht";
    bool missingTold = false;
    int rows = 0;
    for (std::uint32_t recno = 1; recno <= entries.recordCount(); ++recno) {
        const dbf::RecordView entry = entries.record(recno);
        if (entry.deleted())
            continue;
        const QString handler = handlerText(entry);
        for (int trial = 1; trial <= trials; ++trial) {
            for (const ClassCodes::ClassCode& cls : ClassCodes::classesOf(section)) {
                if (!entry.logical(ClassCodes::entryFlagPosition(cls, trial)))
                    continue;
                QString armband = RecordValues::raw(entry, "arm");
                if (armband.trimmed().isEmpty()) {
                    armband = kMissingArmband;
                    if (!missingTold)
                        data.messages().inform(kMissingArmbandsMessage);
                    missingTold = true;
                }
                AppendGateRow(data,
                              {trial, cls.key.toString(), section, armband, text(entry, "breed"),
                               RecordValues::raw(entry, heightField), handler});
                ++rows;
            }
        }
    }
    data.TzVDbf1()->flush();
    return rows;
}

} // namespace GateWorkTable
