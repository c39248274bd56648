#include "print/LabelRecordList.h"

LabelRecordList::LabelRecordList(std::vector<Record> records) : records_(std::move(records)) {}

QString LabelRecordList::value(const QString& field) const
{
    if (atEnd())
        return {};
    // Field names are matched as dBASE matches them, without regard to case.
    const Record& record = records_[current_];
    for (auto it = record.begin(); it != record.end(); ++it)
        if (it.key().compare(field, Qt::CaseInsensitive) == 0)
            return it.value();
    return {};
}
