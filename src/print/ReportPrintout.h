#pragma once

#include "print/Printable.h"
#include "print/ReportPage.h"

// A laid-out report as a printout: PDF only, on the report's own paper with
// nothing of the printer's margins, since the bands are placed from the
// paper's edge.
class ReportPrintout : public Printable
{
public:
    explicit ReportPrintout(ReportPages pages) : pages_(std::move(pages)) {}

    const ReportPages& pages() const { return pages_; }

    QString title() const override { return pages_.title; }
    QPageLayout pageLayout() const override;

protected:
    PrintOutcome paint(QPagedPaintDevice& device,
                       const std::function<bool()>& aborted) const override;

private:
    ReportPages pages_;
};
