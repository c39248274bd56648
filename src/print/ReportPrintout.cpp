#include "print/ReportPrintout.h"

#include "print/ReportPainter.h"

#include <QPageSize>

QPageLayout ReportPrintout::pageLayout() const
{
    QPageLayout layout(QPageSize(pages_.paperSize, QPageSize::Millimeter), QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

PrintOutcome ReportPrintout::paint(QPagedPaintDevice& device,
                                   const std::function<bool()>& aborted) const
{
    return ReportPainter::print(pages_, device, aborted);
}
