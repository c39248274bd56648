#pragma once

#include "print/ReportBuilder.h"

#include <QWidget>

#include <memory>

// The base of the report windows: never shown itself, it builds its report
// when it is created, hands it out and shows it in the preview. The figures
// are worked out by the builder in the core, so a report window computes
// nothing.
class TrbReportForm : public QWidget
{
    Q_OBJECT
public:
    // Builds the report at once; what the builder throws reaches the caller.
    explicit TrbReportForm(std::unique_ptr<ReportBuilder> builder, QWidget* parent = nullptr);
    ~TrbReportForm() override;

    virtual const Report& report() const { return report_; }
    // Lays the report out and shows it in the preview window, modally. A
    // report that cannot be laid out is reported in an error box.
    void printToPreview();

private:
    std::unique_ptr<ReportBuilder> builder_;
    Report report_;
};
