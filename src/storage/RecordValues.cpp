#include "RecordValues.h"

namespace RecordValues
{

QDate toQDate(const std::optional<dbf::Date>& date)
{
    if (!date || !date->ok())
        return {};
    return QDate(int(date->year()), unsigned(date->month()), unsigned(date->day()));
}

std::optional<dbf::Date> toDate(const QDate& date)
{
    if (!date.isValid())
        return std::nullopt;
    return dbf::Date{std::chrono::year(date.year()), std::chrono::month(unsigned(date.month())),
                     std::chrono::day(unsigned(date.day()))};
}

std::optional<QDate> toOptionalQDate(const std::optional<dbf::Date>& date)
{
    const QDate d = toQDate(date);
    return d.isValid() ? std::optional<QDate>(d) : std::nullopt;
}

std::optional<dbf::Date> toOptionalDate(const std::optional<QDate>& date)
{
    return date ? toDate(*date) : std::nullopt;
}

namespace
{

const QString kDateTextFormat = QStringLiteral("MM/dd/yyyy");

} // namespace

QString dateText(const std::optional<dbf::Date>& date)
{
    const QDate d = toQDate(date);
    return d.isValid() ? d.toString(kDateTextFormat) : QString();
}

QDate fromDateText(const QString& text)
{
    return QDate::fromString(text.trimmed(), kDateTextFormat);
}

QString text(const dbf::RecordView& record, std::string_view field)
{
    return QString::fromStdString(record.text(field));
}

QString raw(const dbf::RecordView& record, std::string_view field)
{
    return QString::fromStdString(record.raw(field));
}

QDate date(const dbf::RecordView& record, std::string_view field)
{
    return toQDate(record.date(field));
}

QVariant value(const dbf::Table& table, const dbf::RecordView& record, std::string_view field)
{
    const int index = table.fieldIndex(field);
    if (index < 0)
        return {};
    switch (table.fields().at(index).type) {
    case dbf::FieldType::Character:
        return text(record, field);
    case dbf::FieldType::Numeric:
        return record.number(field);
    case dbf::FieldType::Logical:
        return record.logical(field);
    case dbf::FieldType::Date:
        return date(record, field);
    }
    return {};
}

QString text(const dbf::Table& buffer, std::string_view field)
{
    return QString::fromStdString(buffer.text(field));
}

QString raw(const dbf::Table& buffer, std::string_view field)
{
    return QString::fromStdString(buffer.raw(field));
}

QDate date(const dbf::Table& buffer, std::string_view field)
{
    return toQDate(buffer.date(field));
}

} // namespace RecordValues
