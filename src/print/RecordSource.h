#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>

// The records a report or a label run prints, taken before printing starts
// and read by their place in the run, so that nothing printed ever moves a
// table's cursor or sees a record that changes under it. Field names are
// matched without regard to case, as table fields are.
class RecordSource
{
public:
    virtual ~RecordSource() = default;

    virtual QStringList fieldNames() const = 0;
    virtual int rowCount() const = 0;
    // A value of a row: text less its trailing blanks, a number as double, a
    // date as QDate (invalid when blank), a logical as bool. Invalid for an
    // unknown field or row.
    virtual QVariant value(int row, const QString& field) const = 0;
    // The field as stored, trailing blanks included, so that a label's trim()
    // means what it says. Empty for an unknown field or row.
    virtual QString text(int row, const QString& field) const = 0;
    // The table's record number of a row; 0 for rows made up in memory.
    virtual std::uint32_t recno(int) const { return 0; }

protected:
    // The position of a field in a list of names; -1 when it is not there.
    static qsizetype fieldColumn(const QStringList& names, const QString& field);
};

// One row of a source, as a label item or a run's callback sees it.
class SourceRow
{
public:
    SourceRow(const RecordSource& source, int row) : source_(source), row_(row) {}

    int index() const { return row_; }
    QString text(const QString& field) const { return source_.text(row_, field); }
    QVariant value(const QString& field) const { return source_.value(row_, field); }
    std::uint32_t recno() const { return source_.recno(row_); }

private:
    const RecordSource& source_;
    int row_;
};
