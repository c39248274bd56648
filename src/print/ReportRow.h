#pragma once

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <memory>

// One row of a report's data, taken whole from its data source so that a group
// footer still sees the last row of its group after the source has moved on.
// Field names are matched without regard to case, as table fields are.
class ReportRow
{
public:
    using FieldIndex = QHash<QString, int>;

    ReportRow(std::shared_ptr<const FieldIndex> fields, QVariantList values);

    static std::shared_ptr<const FieldIndex> indexFields(const QStringList& names);

    // An unknown field is a fault in the report's declaration: it throws
    // dbf::Error naming the field rather than printing an empty cell.
    QVariant value(const QString& field) const;
    // Text with trailing blanks removed, as the table engine hands it out.
    QString text(const QString& field) const;
    double number(const QString& field) const;

private:
    std::shared_ptr<const FieldIndex> fields_;
    QVariantList values_;
};
