#include "print/LabelRun.h"

#include "print/LabelLayout.h"
#include "print/LabelRecordSource.h"
#include "print/PaperCanvas.h"

#include <QFile>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPdfWriter>

LabelRun::LabelRun(const LabelStock& stock, const LabelLayout& layout)
    : stock_(stock), layout_(layout)
{
}

void LabelRun::setBeforePrint(std::function<Decision(LabelRecordSource&)> decide)
{
    beforePrint_ = std::move(decide);
}

void LabelRun::setAfterPrint(std::function<void(LabelRecordSource&)> printed)
{
    afterPrint_ = std::move(printed);
}

void LabelRun::setAbortCheck(std::function<bool()> aborted)
{
    aborted_ = std::move(aborted);
}

LabelRun::Result LabelRun::print(LabelRecordSource& records, QPagedPaintDevice& device) const
{
    Result result;
    device.setPageSize(QPageSize(QPageSize::Letter));
    device.setPageOrientation(QPageLayout::Portrait);
    PaperCanvas canvas(device);
    if (!canvas.isActive()) {
        result.deviceFailed = true;
        return result;
    }

    LabelPosition next = stock_.clamped(start_);
    for (; !records.atEnd(); records.next()) {
        const Decision decision = beforePrint_ ? beforePrint_(records) : Decision::Print;
        if (decision == Decision::Stop)
            break;
        if (decision == Decision::Skip)
            continue;
        for (int copy = 0; copy < copies_; ++copy) {
            if (aborted_ && aborted_()) {
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
                next = {1, 1};
            }
            const QRectF mm = stock_.labelRect(next, placement_);
            const QRectF label(canvas.fromMillimetres(mm.left()), canvas.fromMillimetres(mm.top()),
                               canvas.fromMillimetres(mm.width()),
                               canvas.fromMillimetres(mm.height()));
            layout_.paint(canvas, label, records);
            ++result.printed;
            if (afterPrint_)
                afterPrint_(records);
            if (++next.column > stock_.across) {
                next.column = 1;
                ++next.row;
            }
        }
    }
    return result;
}

LabelRun::Result LabelRun::savePdf(LabelRecordSource& records, const QString& path,
                                   QString* error) const
{
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly)) {
        *error = "Cannot write " + path + ": " + file.errorString();
        return {0, false, true};
    }
    QPdfWriter writer(&file);
    writer.setTitle(jobTitle);
    // Labels are placed from the paper's edge: the whole sheet is the page.
    writer.setPageMargins(QMarginsF());
    const Result result = print(records, writer);
    if (result.deviceFailed)
        *error = "Cannot write " + path;
    return result;
}
