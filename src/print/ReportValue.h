#pragma once

#include "print/ReportContext.h"

#include <QString>
#include <QVariant>

#include <functional>

// What a text element prints: a fixed text, a field of the row, a calculated
// variable, a system variable, or a text worked out by a function of the
// context. Page numbers and page counts are filled in once the whole report is
// laid out, which is how "Page 2 of 5" knows the 5.
class ReportValue
{
public:
    enum class Kind { Literal, Field, Variable, Computed, PrintDate, PageNumber, PageOfPages };
    using Format = std::function<QString(const QVariant&)>;
    using Compute = std::function<QString(const ReportContext&)>;

    ReportValue() = default;
    static ReportValue literal(const QString& text);
    // The field's text with trailing blanks removed, or what `format` makes of
    // its value (two decimals, a blank for zero).
    static ReportValue field(const QString& name, Format format = {});
    static ReportValue variable(const QString& name, Format format = {});
    static ReportValue computed(Compute compute);
    // The print date as "%1" in `pattern`, written as a long date in English
    // ("March 5, 2005") whatever the machine's language.
    static ReportValue printDate(const QString& pattern = QStringLiteral("%1"));
    // "%1" is the page number within the page set, "%2" the page count of the set.
    static ReportValue pageNumber(const QString& pattern = QStringLiteral("%1"));
    static ReportValue pageOfPages(const QString& pattern = QStringLiteral("Page %1 of %2"));

    bool isPageVariable() const { return kind_ == Kind::PageNumber || kind_ == Kind::PageOfPages; }
    // The text for a band; for the page kinds, the text given the page numbers.
    QString resolve(const ReportContext& context) const;
    QString resolvePage(int pageNumber, int pageCount) const;

private:
    static QString longDate(QDate date);

    Kind kind_ = Kind::Literal;
    QString text_;
    Format format_;
    Compute compute_;
};
