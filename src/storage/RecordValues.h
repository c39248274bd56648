#pragma once

#include "dbf/RecordView.h"
#include "dbf/Table.h"

#include <QDate>
#include <QString>
#include <QVariant>

// The one adapter between the engine's values and Qt's: field texts as
// QString, dates as QDate, and a field as the QVariant of its type. Works on a
// stored record (a RecordView) and on a table's record buffer alike.
namespace RecordValues
{

QDate toQDate(const std::optional<dbf::Date>& date); // invalid for a blank date
std::optional<dbf::Date> toDate(const QDate& date);  // nothing for an invalid date
// The same for editors that keep "no date" as an empty optional.
std::optional<QDate> toOptionalQDate(const std::optional<dbf::Date>& date);
std::optional<dbf::Date> toOptionalDate(const std::optional<QDate>& date);
// MM/DD/YYYY, as every date box and listing shows a date; empty for none.
QString dateText(const std::optional<dbf::Date>& date);
// A date so shown read back; invalid for a blank text or one that is no date.
QDate fromDateText(const QString& text);

// Text with trailing blanks removed, and as stored (blank padded).
QString text(const dbf::RecordView& record, std::string_view field);
QString raw(const dbf::RecordView& record, std::string_view field);
QDate date(const dbf::RecordView& record, std::string_view field);
// Character fields as text less trailing blanks, numbers as double, dates as
// QDate (invalid when blank), logicals as bool; invalid for an unknown field.
QVariant value(const dbf::Table& table, const dbf::RecordView& record, std::string_view field);

// The same, from the record buffer (an edit in progress included).
QString text(const dbf::Table& buffer, std::string_view field);
QString raw(const dbf::Table& buffer, std::string_view field);
QDate date(const dbf::Table& buffer, std::string_view field);

} // namespace RecordValues
