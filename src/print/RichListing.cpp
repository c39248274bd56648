#include "print/RichListing.h"

#include "print/ColumnWidths.h"
#include "print/RtfWriter.h"

#include <QDir>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPageSize>
#include <QTextDocument>
#include <QTextOption>
#include <QTextTable>

RichListing::RichListing(QString title, QPageLayout::Orientation orientation)
    : title_(std::move(title)), document_(std::make_unique<QTextDocument>()),
      cursor_(document_.get()), orientation_(orientation)
{
    QFont font("Arial");
    font.setPointSizeF(10);
    document_->setDefaultFont(font);
    setFont("Arial", 10);
}

RichListing::RichListing(QString title, const QTextDocument& text,
                         QPageLayout::Orientation orientation)
    : title_(std::move(title)), document_(text.clone()), cursor_(document_.get()),
      orientation_(orientation), endUnused_(false)
{
    cursor_.movePosition(QTextCursor::End);
}

RichListing::~RichListing() = default;
RichListing::RichListing(RichListing&&) noexcept = default;
RichListing& RichListing::operator=(RichListing&&) noexcept = default;

void RichListing::setFont(const QString& family, double points)
{
    charFormat_.setFontFamilies({family});
    charFormat_.setFontPointSize(points);
}

void RichListing::setPointSize(double points)
{
    charFormat_.setFontPointSize(points);
}

void RichListing::setBold(bool bold)
{
    charFormat_.setFontWeight(bold ? QFont::Bold : QFont::Normal);
}

void RichListing::setTabStops(const QList<double>& points)
{
    QList<QTextOption::Tab> tabs;
    for (double point : points)
        tabs.append(QTextOption::Tab(pointsToDocumentUnits(point), QTextOption::LeftTab));
    blockFormat_.setTabPositions(tabs);
}

void RichListing::setHangingIndent(double points)
{
    blockFormat_.setLeftMargin(pointsToDocumentUnits(points));
    blockFormat_.setTextIndent(-pointsToDocumentUnits(points));
}

void RichListing::startLine()
{
    if (lineOpen_)
        return;
    if (endUnused_)
        cursor_.setBlockFormat(blockFormat_);
    else
        cursor_.insertBlock(blockFormat_, charFormat_);
    endUnused_ = false;
    lineOpen_ = true;
}

void RichListing::add(const QString& text)
{
    startLine();
    cursor_.insertText(text, charFormat_);
}

void RichListing::addLine(const QString& text)
{
    add(text);
    lineOpen_ = false;
}

void RichListing::addTable(const QStringList& headings, const QList<QStringList>& rows)
{
    QTextCharFormat bold = charFormat_;
    bold.setFontWeight(QFont::Bold);
    // Widths measured in tenths of a point, whatever the screen.
    const auto metricsOf = [](const QTextCharFormat& format) {
        QFont font = format.font();
        font.setPixelSize(qRound(format.fontPointSize() * 10));
        return QFontMetricsF(font);
    };
    const QFontMetricsF plain = metricsOf(charFormat_);
    const QFontMetricsF heavy = metricsOf(bold);
    const double gap = 2 * plain.averageCharWidth();
    std::vector<ColumnNeed> needs(std::size_t(headings.size()));
    const auto need = [&](ColumnNeed& column, const QString& text, const QFontMetricsF& metrics) {
        column.widest = std::max(column.widest, metrics.horizontalAdvance(text) + gap);
        for (const QString& word : text.split(u' ', Qt::SkipEmptyParts))
            column.narrowest = std::max(column.narrowest, metrics.horizontalAdvance(word) + gap);
    };
    for (qsizetype k = 0; k < headings.size(); ++k) {
        need(needs[k], headings[k], heavy);
        for (const QStringList& row : rows)
            need(needs[k], row.value(k), plain);
    }
    const double room = textWidthPoints(orientation_) * 10;
    // The last column takes whatever room is left, up to the right margin.
    const std::vector<double> widths = sharedColumnWidths(needs, room);
    QList<QTextLength> columns;
    double used = 0;
    for (std::size_t k = 0; k < widths.size(); ++k) {
        const double percent = k + 1 == widths.size() ? 100 - used : 100 * widths[k] / room;
        columns << QTextLength(QTextLength::PercentageLength, percent);
        used += percent;
    }

    QTextTableFormat format;
    format.setBorder(0);
    format.setBorderStyle(QTextFrameFormat::BorderStyle_None);
    format.setCellSpacing(0);
    format.setCellPadding(2);
    format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
    format.setColumnWidthConstraints(columns);
    format.setHeaderRowCount(1);
    format.setAlignment(Qt::AlignLeft);

    lineOpen_ = false;
    QTextTable* table = cursor_.insertTable(int(rows.size()) + 1, int(headings.size()), format);
    const auto fill = [&](int row, const QStringList& cells, const QTextCharFormat& chars) {
        for (int column = 0; column < headings.size(); ++column) {
            QTextCursor cell = table->cellAt(row, column).firstCursorPosition();
            cell.setBlockFormat(QTextBlockFormat());
            // An empty cell is as tall as a full one of its row.
            cell.setBlockCharFormat(chars);
            cell.insertText(cells.value(column), chars);
        }
    };
    fill(0, headings, bold);
    for (int row = 0; row < rows.size(); ++row)
        fill(row + 1, rows[row], charFormat_);
    // What follows goes in the paragraph after the table.
    cursor_.movePosition(QTextCursor::End);
    endUnused_ = true;
}

double RichListing::textWidthPoints(QPageLayout::Orientation orientation)
{
    const double paperWidth = orientation == QPageLayout::Landscape ? 279.4 : 215.9;
    return (paperWidth - 25 - 15) * 72 / 25.4;
}

QPageLayout RichListing::pageLayout() const
{
    // The listing keeps its own margins, measured from the paper's edge.
    QPageLayout layout(QPageSize(QPageSize::Letter), orientation_, QMarginsF(0, 0, 0, 0),
                       QPageLayout::Millimeter);
    layout.setMode(QPageLayout::FullPageMode);
    return layout;
}

Done RichListing::writeFile(PrintFormat, QIODevice& file, const QString& path) const
{
    if (file.write(RtfWriter::toRtf(*document_, orientation_)) < 0)
        return Done::failure(QStringLiteral("Cannot write %1: %2")
                                 .arg(QDir::toNativeSeparators(path), file.errorString()));
    return Done::success();
}
