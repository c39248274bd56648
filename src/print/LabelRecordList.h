#pragma once

#include "print/LabelRecordSource.h"

#include <QHash>
#include <QString>

#include <vector>

// Records held in memory, for runs whose labels are made up on the spot
// (return addresses) rather than read from a table.
class LabelRecordList : public LabelRecordSource
{
public:
    using Record = QHash<QString, QString>;

    explicit LabelRecordList(std::vector<Record> records = {});
    void append(Record record) { records_.push_back(std::move(record)); }

    bool atEnd() const override { return current_ >= records_.size(); }
    void next() override { ++current_; }
    QString value(const QString& field) const override;

private:
    std::vector<Record> records_;
    std::size_t current_ = 0;
};
