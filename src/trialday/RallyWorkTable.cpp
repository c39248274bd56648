#include "trialday/RallyWorkTable.h"

#include "storage/ClassCodes.h"
#include "storage/DataModule.h"
#include "storage/RecordValues.h"

#include <QFileInfo>

RallyWorkTable::RallyWorkTable(Tdmod& data) : data_(data)
{
    const TableSchema& schema = TableSchemas::VRallybk();
    const QString path = data.root().tableFile(schema);
    if (!QFileInfo::exists(path))
        dbf::Table::create(path.toStdString(), schema.fields);
    table_ = dbf::Table::open(path.toStdString());
    table_->setTags(schema.tags);
    table_->setOrder(schema.defaultTag.toStdString());
    empty();
}

RallyWorkTable::~RallyWorkTable() = default;

void RallyWorkTable::empty()
{
    if (table_->recordCount() > 0)
        table_->zap();
    table_->first();
    missingTold_ = false;
}

QString RallyWorkTable::duplicateMessage(const QString& armband, int trial)
{
    return QStringLiteral("Your database contains a Duplicate Armband # ") + armband +
           QStringLiteral("] for Trial # ") + QString::number(trial) +
           QStringLiteral("\r\n\r\nThere will be only one listing in this report");
}

void RallyWorkTable::appendRow(int trial, const QString& classKey, const QString& armband)
{
    table_->blankBuffer();
    table_->setText("trial", QString::number(trial).toStdString());
    table_->setText("db_key", classKey.toStdString());
    table_->setText("armband", armband.toStdString());
}

int RallyWorkTable::appendEntries(int trial, const QString& classKey, const RowExtra& extra)
{
    const ClassCodes::ClassCode* cls = ClassCodes::findClass(classKey);
    if (!cls || cls->section != ClassCodes::Section::Rally)
        return 0;
    const int flag = ClassCodes::entryFlagPosition(*cls, trial);
    const QString key = cls->key.toString();
    const std::string classPrefix =
        (QString::number(trial) + key.leftJustified(6, u' ')).toStdString();
    const dbf::Table& entries = *data_.TzDbf1();
    int added = 0;
    for (std::uint32_t recno = 1; recno <= entries.recordCount(); ++recno) {
        const dbf::RecordView entry = entries.record(recno);
        if (entry.deleted() || !entry.logical(flag))
            continue;
        const QString armband = RecordValues::raw(entry, "arm");
        if (armband.trimmed().isEmpty()) {
            // A blank is no number two dogs could share: each keeps its row.
            if (!missingTold_)
                data_.messages().inform(kMissingArmbandsMessage);
            missingTold_ = true;
        } else if (table_->findRecord("report", classPrefix + armband.toStdString())) {
            data_.messages().inform(duplicateMessage(armband.trimmed(), trial));
            continue;
        }
        appendRow(trial, key, armband);
        table_->setText("breed", entry.raw("breed"));
        table_->setText("reg", entry.raw("reg"));
        table_->setText("jmpht", entry.raw("rallyjmpht"));
        if (extra)
            extra(*table_, entry);
        table_->appendRecord();
        ++added;
    }
    return added;
}

void RallyWorkTable::appendFillers(int trial, const QString& classKey, int count)
{
    for (int i = 0; i < count; ++i) {
        appendRow(trial, classKey, kFillerArmband);
        table_->appendRecord();
    }
}

std::shared_ptr<const RecordList> RallyWorkTable::rows() const
{
    QStringList names;
    for (const dbf::FieldDef& field : table_->fields())
        names << QString::fromStdString(field.name);
    auto list = std::make_shared<RecordList>(names);
    for (std::uint32_t recno : table_->recordsInOrder("report")) {
        const dbf::RecordView record = table_->record(recno);
        QVariantList values;
        values.reserve(names.size());
        for (const dbf::FieldDef& field : table_->fields())
            values << RecordValues::value(*table_, record, field.name);
        list->append(values);
    }
    return list;
}
