#include "setup/ClassReportForm.h"

#include "setup/ClassListingReport.h"

TClassReportForm::TClassReportForm(dbf::Table& classes, const QString& tag, Messages& messages,
                                   QWidget* parent)
    : TrbReportForm(std::make_unique<ClassListingReport>(classes, tag), messages, parent)
{
}
