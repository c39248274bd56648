#include "print/ReportContext.h"

#include "dbf/Error.h"

ReportContext::ReportContext(const ReportRow* row, std::span<const ReportRow> groupRows,
                             VariableLookup variables, QDate printDate, int pageNumber)
    : row_(row), groupRows_(groupRows), variables_(std::move(variables)), printDate_(printDate),
      pageNumber_(pageNumber)
{
}

const ReportRow& ReportContext::row() const
{
    if (!row_)
        throw dbf::Error(
            QStringLiteral("A report band without data asks for a field").toStdString());
    return *row_;
}
