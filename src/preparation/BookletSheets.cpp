#include "preparation/BookletSheets.h"

#include "print/PaperCanvas.h"
#include "storage/TextRules.h"

#include <QFontMetricsF>
#include <QPageSize>
#include <QPagedPaintDevice>

#include <algorithm>
#include <cmath>

QSizeF BookletSheets::sheetSize(Format format, double dpiX, double dpiY)
{
    return format == Format::Booklet ? QSizeF(11 * dpiX, 8.5 * dpiY)
                                     : QSizeF(8.5 * dpiX, 11 * dpiY);
}

QPageLayout BookletSheets::pageLayout(Format format)
{
    QPageLayout layout(QPageSize(QPageSize::Letter),
                       format == Format::Booklet ? QPageLayout::Landscape : QPageLayout::Portrait,
                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

QFont BookletSheets::arial(double points, bool bold)
{
    QFont font(QStringLiteral("Arial"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}

BookletSheets::BookletSheets(const Geometry& geometry, const QPaintDevice& metrics,
                             int firstPageNumber, bool startOnRight, bool pageNumbers)
    : geometry_(geometry), metrics_(metrics), page_(firstPageNumber),
      startOnRight_(startOnRight && geometry.format == Format::Booklet), pageNumbers_(pageNumbers)
{
}

void BookletSheets::nextPage()
{
    if (!started_) {
        started_ = true;
        right_ = startOnRight_;
        sheets_.emplace_back();
    } else {
        pageNumber();
        ++page_;
        if (geometry_.format == Format::Booklet && !right_) {
            right_ = true;
        } else {
            right_ = false;
            sheets_.emplace_back();
        }
    }
    line = 1;
}

void BookletSheets::finish()
{
    if (started_)
        pageNumber();
}

void BookletSheets::pageNumber()
{
    if (!pageNumbers_)
        return;
    const QFont font = arial(7);
    const QString text = QStringLiteral("Page ") + QString::number(page_);
    const double x = (left() + rightLimit() - width(font, text)) / 2;
    sheets_.back().push_back(
        {QPointF(x, geometry_.sheet.height() - 1.5 * geometry_.lineHeight), font, text});
}

double BookletSheets::width(const QFont& font, const QString& text) const
{
    return QFontMetricsF(font, &metrics_).horizontalAdvance(text);
}

int BookletSheets::linesFor(const QFont& font) const
{
    const double height = QFontMetricsF(font, &metrics_).height();
    return std::max(1, int(std::ceil(height / geometry_.lineHeight)));
}

double BookletSheets::xWidth() const
{
    return width(arial(8), QStringLiteral("x"));
}

std::pair<QString, QString> BookletSheets::split(const QString& text, int count, const QFont& font,
                                                 double room) const
{
    if (count < 1)
        return {QString(), text};
    // A blank a piece ends with takes no room on paper.
    const auto printed = [](QString piece) {
        while (piece.endsWith(u' '))
            piece.chop(1);
        return piece;
    };
    auto pieces = TextRules::SplitAtBreak(text, count);
    while (pieces.first.size() > 1 && width(font, printed(pieces.first)) > room)
        pieces = TextRules::SplitAtBreak(text, int(pieces.first.size()) - 1);
    return pieces;
}

QStringList BookletSheets::fitted(const QString& text, const QFont& font, double room) const
{
    QStringList lines;
    QString rest = text;
    do {
        auto [piece, after] = split(rest, int(rest.size()) + 1, font, room);
        lines << piece;
        rest = after;
    } while (!rest.isEmpty());
    return lines;
}

int BookletSheets::count(double x, double less) const
{
    return int(std::lround((rightLimit() - x - less) / xWidth()));
}

void BookletSheets::draw(double x, int onLine, const QFont& font, const QString& text)
{
    if (text.trimmed().isEmpty())
        return;
    sheets_.back().push_back(
        {QPointF(x, onLine * geometry_.lineHeight + geometry_.topOffset), font, text});
}

void BookletSheets::centre(int onLine, const QFont& font, const QString& text)
{
    draw((left() + rightLimit() - width(font, text)) / 2, onLine, font, text);
}

PrintOutcome BookletSheets::paint(const std::vector<Sheet>& sheets, QPagedPaintDevice& device,
                                  const std::function<bool()>& aborted)
{
    PrintOutcome outcome;
    PaperCanvas canvas(device);
    if (!canvas.isActive()) {
        outcome.deviceFailed = true;
        return outcome;
    }
    QPainter& painter = canvas.painter();
    painter.setPen(Qt::black);
    for (std::size_t s = 0; s < sheets.size(); ++s) {
        if (aborted && aborted()) {
            outcome.aborted = true;
            return outcome;
        }
        if (s > 0 && !canvas.newPage()) {
            outcome.deviceFailed = true;
            return outcome;
        }
        for (const Text& text : sheets[s]) {
            painter.setFont(text.font);
            // Placed by the top of the text, as on a printer's canvas.
            const double ascent = QFontMetricsF(text.font, &device).ascent();
            painter.drawText(text.topLeft + QPointF(0, ascent), text.text);
        }
        ++outcome.pages;
    }
    return outcome;
}
