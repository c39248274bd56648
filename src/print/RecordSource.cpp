#include "print/RecordSource.h"

qsizetype RecordSource::fieldColumn(const QStringList& names, const QString& field)
{
    for (qsizetype column = 0; column < names.size(); ++column) {
        if (names.at(column).compare(field, Qt::CaseInsensitive) == 0)
            return column;
    }
    return -1;
}
