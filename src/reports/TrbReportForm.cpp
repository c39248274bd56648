#include "reports/TrbReportForm.h"

#include "print/ReportLayout.h"
#include "storage/CommandGuard.h"
#include "ui/ReportPreviewWindow.h"

TrbReportForm::TrbReportForm(std::unique_ptr<ReportBuilder> builder, Messages& messages,
                             QWidget* parent)
    : QWidget(parent), builder_(std::move(builder)), messages_(messages), report_(builder_->build())
{
}

TrbReportForm::~TrbReportForm() = default;

void TrbReportForm::printToPreview()
{
    ReportPages pages;
    // A lookup inside a band (a table read) may fail as well as the layout.
    if (!runGuarded(messages_, [&] { pages = ReportLayout::layout(report()); }))
        return;
    ReportPreviewWindow preview(messages_, std::move(pages), parentWidget());
    preview.exec();
}
