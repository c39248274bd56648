#pragma once

#include "print/ReportBuilder.h"

#include <QWidget>

#include <memory>

class Messages;

// The base of the report windows: never shown itself, it builds its report
// when it is created, hands it out and shows it in the preview. The figures
// are worked out by the builder in the core, so a report window computes
// nothing.
class TrbReportForm : public QWidget
{
    Q_OBJECT
public:
    // Builds the report at once; what the builder throws reaches the caller.
    TrbReportForm(std::unique_ptr<ReportBuilder> builder, Messages& messages,
                  QWidget* parent = nullptr);
    ~TrbReportForm() override;

    virtual const Report& report() const { return report_; }
    // Lays the report out and shows it in the preview window, modally. A
    // report that cannot be laid out is told through the messages.
    void printToPreview();

private:
    std::unique_ptr<ReportBuilder> builder_;
    Messages& messages_;
    Report report_;
};
