#include "print/RichListing.h"

#include "print/PaperCanvas.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPagedPaintDevice>
#include <QTextDocument>
#include <QTextOption>

#include <memory>

// The pages of a rich listing: the text between the listing margins, the page
// number in the bottom margin.

namespace
{

constexpr double topMargin = 30;
constexpr double bottomMargin = 25;
constexpr double leftMargin = 25;
constexpr double rightMargin = 15;
// The footer sits in the bottom margin, this far below the text, and the
// header in the top margin as far above it.
constexpr double footerGap = 8;

} // namespace

PrintOutcome RichListing::paint(QPagedPaintDevice& device,
                                const std::function<bool()>& aborted) const
{
    PrintOutcome outcome;
    PaperCanvas canvas(device);
    if (!canvas.isActive()) {
        outcome.deviceFailed = true;
        return outcome;
    }
    const QRectF paper = canvas.paperRect();
    const QRectF body(paper.left() + canvas.fromMillimetres(leftMargin),
                      paper.top() + canvas.fromMillimetres(topMargin),
                      paper.width() - canvas.fromMillimetres(leftMargin + rightMargin),
                      paper.height() - canvas.fromMillimetres(topMargin + bottomMargin));

    // Laid out again on a copy at the device's resolution, so the window's
    // own layout for the screen stays as it is.
    std::unique_ptr<QTextDocument> pages(document_->clone());
    pages->documentLayout()->setPaintDevice(&device);
    pages->setDocumentMargin(0);
    // Nothing may run past the right margin: a word too long for its line or
    // its column (an e-mail address) is broken where the line is full.
    QTextOption wrapping = pages->defaultTextOption();
    wrapping.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    pages->setDefaultTextOption(wrapping);
    pages->setPageSize(body.size());

    QFont footerFont("Courier New");
    footerFont.setPointSizeF(10);
    const QFontMetricsF footerMetrics(footerFont, &device);
    QPainter& painter = canvas.painter();
    const int pageCount = pages->pageCount();
    for (int page = 0; page < pageCount; ++page) {
        if (aborted && aborted()) {
            outcome.aborted = true;
            return outcome;
        }
        if (page > 0 && !canvas.newPage()) {
            outcome.deviceFailed = true;
            return outcome;
        }
        const QRectF view(0, page * body.height(), body.width(), body.height());
        painter.save();
        painter.translate(body.left(), body.top() - view.top());
        painter.setClipRect(view);
        QAbstractTextDocumentLayout::PaintContext context;
        // The layout also draws a line that only touches the clip's lower edge;
        // invisible, but it would put that line's text in the PDF twice.
        context.clip = view.adjusted(0, 0, 0, -1);
        context.palette.setColor(QPalette::Text, Qt::black);
        pages->documentLayout()->draw(&painter, context);
        painter.restore();

        painter.setFont(footerFont);
        painter.setPen(Qt::black);
        const QRectF footer(body.left(), body.bottom() + canvas.fromMillimetres(footerGap),
                            body.width(), footerMetrics.height());
        painter.drawText(footer, Qt::AlignRight | Qt::AlignTop,
                         "Page " + QString::number(page + 1));
        if (!pageHeader_.isEmpty()) {
            const QRectF header(body.left(),
                                body.top() - canvas.fromMillimetres(footerGap) -
                                    footerMetrics.height(),
                                body.width(), footerMetrics.height());
            painter.drawText(header, Qt::AlignRight | Qt::AlignBottom, pageHeader_);
        }
        ++outcome.pages;
    }
    return outcome;
}
