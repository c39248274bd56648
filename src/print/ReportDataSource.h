#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

// The rows a report prints, one at a time in the order they are to print.
// A table in one of its orders, a list built in memory or a callback can feed
// a report; the layout only walks the rows from the first to the last.
class ReportDataSource
{
public:
    virtual ~ReportDataSource() = default;

    virtual QStringList fieldNames() const = 0;
    // Goes back to before the first row.
    virtual void reset() = 0;
    // Moves to the next row; false when there is none.
    virtual bool next() = 0;
    // A value of the current row: text, number, date or logical.
    virtual QVariant value(const QString& fieldName) const = 0;

protected:
    // The position of a field in a list of names, matched without regard to
    // case as table fields are; -1 when it is not there.
    static qsizetype fieldColumn(const QStringList& names, const QString& fieldName)
    {
        for (qsizetype column = 0; column < names.size(); ++column) {
            if (names.at(column).compare(fieldName, Qt::CaseInsensitive) == 0)
                return column;
        }
        return -1;
    }
};
