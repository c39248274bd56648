#include "print/RichListingPrint.h"

#include "print/OutputFile.h"

#include "print/PaperCanvas.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QPageSize>
#include <QTextDocument>

#include <memory>

namespace
{

constexpr double topMargin = 30;
constexpr double bottomMargin = 25;
constexpr double leftMargin = 25;
constexpr double rightMargin = 15;
// The footer sits in the bottom margin, this far below the text.
constexpr double footerGap = 8;

} // namespace

int printRichListing(const QTextDocument& text, QPageLayout::Orientation orientation,
                     QPagedPaintDevice& device)
{
    device.setPageOrientation(orientation);
    PaperCanvas canvas(device);
    if (!canvas.isActive())
        return 0;
    const QRectF paper = canvas.paperRect();
    const QRectF body(paper.left() + canvas.fromMillimetres(leftMargin),
                      paper.top() + canvas.fromMillimetres(topMargin),
                      paper.width() - canvas.fromMillimetres(leftMargin + rightMargin),
                      paper.height() - canvas.fromMillimetres(topMargin + bottomMargin));

    // Laid out again on a copy at the device's resolution, so the window's
    // own layout for the screen stays as it is.
    std::unique_ptr<QTextDocument> pages(text.clone());
    pages->documentLayout()->setPaintDevice(&device);
    pages->setDocumentMargin(0);
    pages->setPageSize(body.size());

    QFont footerFont("Courier New");
    footerFont.setPointSizeF(10);
    const QFontMetricsF footerMetrics(footerFont, &device);
    QPainter& painter = canvas.painter();
    const int pageCount = pages->pageCount();
    for (int page = 0; page < pageCount; ++page) {
        if (page > 0 && !canvas.newPage())
            return page;
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
    }
    return pageCount;
}

Done saveRichListingPdf(const QTextDocument& text, QPageLayout::Orientation orientation,
                        const QString& path)
{
    return OutputFile::writePdf(path, {}, [&](QPagedPaintDevice& pdf) {
        return printRichListing(text, orientation, pdf) == 0
                   ? Done::failure("Cannot write " + path + ": the PDF could not be started")
                   : Done::success();
    });
}
