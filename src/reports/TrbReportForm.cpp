#include "reports/TrbReportForm.h"

#include "print/ReportLayout.h"
#include "print/ReportPreviewWindow.h"

#include <QMessageBox>

TrbReportForm::TrbReportForm(std::unique_ptr<ReportBuilder> builder, QWidget* parent)
    : QWidget(parent), builder_(std::move(builder)), report_(builder_->build())
{
}

TrbReportForm::~TrbReportForm() = default;

void TrbReportForm::printToPreview()
{
    ReportPages pages;
    try {
        pages = ReportLayout::layout(report());
    } catch (const std::exception& error) {
        // A lookup inside a band (a table read) may fail as well as the layout.
        QMessageBox::critical(parentWidget(), report().definition.title,
                              QString::fromStdString(error.what()));
        return;
    }
    ReportPreviewWindow preview(std::move(pages), parentWidget());
    preview.exec();
}
