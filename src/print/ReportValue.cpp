#include "print/ReportValue.h"

#include <QLocale>

ReportValue ReportValue::literal(const QString& text)
{
    ReportValue value;
    value.text_ = text;
    return value;
}

ReportValue ReportValue::field(const QString& name, Format format)
{
    ReportValue value;
    value.kind_ = Kind::Field;
    value.text_ = name;
    value.format_ = std::move(format);
    return value;
}

ReportValue ReportValue::variable(const QString& name, Format format)
{
    ReportValue value;
    value.kind_ = Kind::Variable;
    value.text_ = name;
    value.format_ = std::move(format);
    return value;
}

ReportValue ReportValue::computed(Compute compute)
{
    ReportValue value;
    value.kind_ = Kind::Computed;
    value.compute_ = std::move(compute);
    return value;
}

ReportValue ReportValue::printDate(const QString& pattern)
{
    ReportValue value;
    value.kind_ = Kind::PrintDate;
    value.text_ = pattern;
    return value;
}

ReportValue ReportValue::pageNumber(const QString& pattern)
{
    ReportValue value;
    value.kind_ = Kind::PageNumber;
    value.text_ = pattern;
    return value;
}

ReportValue ReportValue::pageOfPages(const QString& pattern)
{
    ReportValue value;
    value.kind_ = Kind::PageOfPages;
    value.text_ = pattern;
    return value;
}

QString ReportValue::resolve(const ReportContext& context) const
{
    switch (kind_) {
    case Kind::Literal:
        return text_;
    case Kind::Field:
        return format_ ? format_(context.row().value(text_)) : context.text(text_);
    case Kind::Variable: {
        const QVariant value = context.variable(text_);
        return format_ ? format_(value) : value.toString();
    }
    case Kind::Computed:
        return compute_(context);
    case Kind::PrintDate:
        return text_.arg(longDate(context.printDate()));
    case Kind::PageNumber:
    case Kind::PageOfPages:
        break;
    }
    return {};
}

QString ReportValue::resolvePage(int pageNumber, int pageCount) const
{
    if (kind_ == Kind::PageOfPages)
        return text_.arg(pageNumber).arg(pageCount);
    return text_.arg(pageNumber);
}

QString ReportValue::longDate(QDate date)
{
    // Fixed to English: the printed date must not follow the machine's language.
    return QLocale(QLocale::English, QLocale::UnitedStates)
        .toString(date, QStringLiteral("MMMM d, yyyy"));
}
