#include "print/ReportRow.h"

#include "dbf/Error.h"

ReportRow::ReportRow(std::shared_ptr<const FieldIndex> fields, QVariantList values)
    : fields_(std::move(fields)), values_(std::move(values))
{
}

std::shared_ptr<const ReportRow::FieldIndex> ReportRow::indexFields(const QStringList& names)
{
    auto index = std::make_shared<FieldIndex>();
    for (int i = 0; i < names.size(); ++i)
        index->insert(names.at(i).toLower(), i);
    return index;
}

QVariant ReportRow::value(const QString& field) const
{
    const auto found = fields_->constFind(field.toLower());
    if (found == fields_->constEnd())
        throw dbf::Error(QStringLiteral("The report asks for the field \"%1\", which its data "
                                        "does not have")
                             .arg(field)
                             .toStdString());
    return values_.value(found.value());
}

QString ReportRow::text(const QString& field) const
{
    QString result = value(field).toString();
    qsizetype end = result.size();
    while (end > 0 && result.at(end - 1) == QLatin1Char(' '))
        --end;
    result.truncate(end);
    return result;
}

double ReportRow::number(const QString& field) const
{
    return value(field).toDouble();
}
