#include "print/LabelRun.h"

#include "print/LabelLayout.h"
#include "print/PaperCanvas.h"

#include <QPageSize>
#include <QPagedPaintDevice>

LabelRun::LabelRun(const LabelStock& stock, const LabelLayout& layout,
                   std::shared_ptr<const RecordSource> records)
    : stock_(stock), layout_(layout), records_(std::move(records))
{
}

void LabelRun::setBeforePrint(std::function<Decision(const SourceRow&)> decide)
{
    beforePrint_ = std::move(decide);
}

void LabelRun::setAfterPrint(std::function<void(const SourceRow&)> printed)
{
    afterPrint_ = std::move(printed);
}

QPageLayout LabelRun::pageLayout() const
{
    // Labels are placed from the paper's edge: the whole sheet is the page.
    QPageLayout layout(QPageSize(QPageSize::Letter), QPageLayout::Portrait, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

PrintOutcome LabelRun::paint(QPagedPaintDevice& device, const std::function<bool()>& aborted) const
{
    const Printed printed = printLabels(device, aborted);
    return {printed.sheets, printed.aborted, printed.deviceFailed};
}

LabelRun::Printed LabelRun::printLabels(QPagedPaintDevice& device,
                                        const std::function<bool()>& aborted) const
{
    Printed result;
    PaperCanvas canvas(device);
    if (!canvas.isActive()) {
        result.deviceFailed = true;
        return result;
    }
    result.sheets = 1;

    LabelPosition next = stock_.clamped(start_);
    for (int row = 0; row < records_->rowCount(); ++row) {
        const SourceRow record(*records_, row);
        const Decision decision = beforePrint_ ? beforePrint_(record) : Decision::Print;
        if (decision == Decision::Stop)
            break;
        if (decision == Decision::Skip)
            continue;
        for (int copy = 0; copy < copies_; ++copy) {
            if (aborted && aborted()) {
                result.aborted = true;
                return result;
            }
            // A new sheet is started only when a label is there to go on it,
            // so a run that ends on a full sheet leaves no blank page behind.
            if (next.row > stock_.down) {
                if (!canvas.newPage()) {
                    result.deviceFailed = true;
                    return result;
                }
                ++result.sheets;
                next = {1, 1};
            }
            const QRectF mm = stock_.labelRect(next, placement_);
            const QRectF label(canvas.fromMillimetres(mm.left()), canvas.fromMillimetres(mm.top()),
                               canvas.fromMillimetres(mm.width()),
                               canvas.fromMillimetres(mm.height()));
            layout_.paint(canvas, label, record);
            ++result.labels;
            if (afterPrint_)
                afterPrint_(record);
            if (++next.column > stock_.across) {
                next.column = 1;
                ++next.row;
            }
        }
    }
    return result;
}
