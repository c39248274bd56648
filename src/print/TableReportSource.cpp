#include "print/TableReportSource.h"

#include "dbf/Table.h"

#include <QDate>

TableReportSource::TableReportSource(dbf::Table& table, const std::string& order) : table_(table)
{
    table_.setOrder(order);
}

QStringList TableReportSource::fieldNames() const
{
    QStringList names;
    for (const dbf::FieldDef& field : table_.fields())
        names.append(QString::fromStdString(field.name));
    return names;
}

void TableReportSource::reset()
{
    started_ = false;
}

bool TableReportSource::next()
{
    if (!started_) {
        started_ = true;
        table_.first();
    } else {
        table_.next();
    }
    // Moving past the last row sets eof(); an empty table is at eof() at once.
    return !table_.eof();
}

QVariant TableReportSource::value(const QString& fieldName) const
{
    const std::string name = fieldName.toStdString();
    const int index = table_.fieldIndex(name);
    if (index < 0)
        return {};
    switch (table_.fields().at(index).type) {
    case dbf::FieldType::Character:
        return QString::fromStdString(table_.text(name));
    case dbf::FieldType::Numeric:
        return table_.number(name);
    case dbf::FieldType::Logical:
        return table_.logical(name);
    case dbf::FieldType::Date: {
        const auto date = table_.date(name);
        if (!date)
            return QDate();
        return QDate(static_cast<int>(date->year()), static_cast<unsigned>(date->month()),
                     static_cast<unsigned>(date->day()));
    }
    }
    return {};
}
