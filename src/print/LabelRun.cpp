#include "print/LabelRun.h"

#include "print/OutputFile.h"

#include "print/LabelLayout.h"
#include "print/LabelRecordSource.h"
#include "print/PaperCanvas.h"

#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>

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

LabelRun::Printed LabelRun::print(LabelRecordSource& records, QPagedPaintDevice& device) const
{
    Printed result;
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

::Result<LabelRun::Printed> LabelRun::savePdf(LabelRecordSource& records, const QString& path) const
{
    Printed printed;
    // Labels are placed from the paper's edge: the whole sheet is the page.
    const Done written =
        OutputFile::writePdf(path, {QString::fromLatin1(jobTitle)}, [&](QPagedPaintDevice& pdf) {
            printed = print(records, pdf);
            return printed.deviceFailed
                       ? Done::failure("Cannot write " + path + ": the PDF could not be started")
                       : Done::success();
        });
    if (!written)
        return ::Result<Printed>::failure(written.message());
    return printed;
}
