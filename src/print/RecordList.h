#pragma once

#include "print/RecordSource.h"

#include <QList>

// Rows made up in memory, for runs whose figures are worked out before they
// print (counts, totals, return addresses) rather than read from a table.
// Each value reads back as it was put in.
class RecordList : public RecordSource
{
public:
    explicit RecordList(QStringList fieldNames);

    // Values in the order of the field names; missing ones read as empty.
    void append(const QVariantList& values);

    QStringList fieldNames() const override { return fieldNames_; }
    int rowCount() const override { return int(rows_.size()); }
    QVariant value(int row, const QString& field) const override;
    QString text(int row, const QString& field) const override;

private:
    QStringList fieldNames_;
    QList<QVariantList> rows_;
};
