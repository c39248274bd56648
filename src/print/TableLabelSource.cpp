#include "print/TableLabelSource.h"

#include "dbf/Table.h"

bool TableLabelSource::atEnd() const
{
    return table_.eof() || table_.isEmpty();
}

void TableLabelSource::next()
{
    table_.next();
}

QString TableLabelSource::value(const QString& field) const
{
    const std::string name = field.toStdString();
    if (table_.fieldIndex(name) < 0)
        return {};
    return QString::fromStdString(table_.raw(name));
}
