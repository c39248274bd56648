#include "print/CanvasListing.h"

#include "print/ColumnWidths.h"
#include "print/PaperCanvas.h"

#include <QDir>
#include <QFontMetricsF>
#include <QIODevice>
#include <QPageSize>

#include <algorithm>
#include <vector>

namespace
{

QString withoutTrailingBlanks(QString text)
{
    qsizetype end = text.size();
    while (end > 0 && text.at(end - 1) == u' ')
        --end;
    text.truncate(end);
    return text;
}

QString blanksForTabs(const QString& line, int every)
{
    QString out;
    for (const QChar c : line) {
        if (c == u'\t')
            out += QString(every - out.size() % every, u' ');
        else
            out += c;
    }
    return out;
}

// Breaks text into lines no wider than `first` (the first line) and `later`
// (the others), at a blank where one fits; a word wider than the line is
// broken after a character that reads as a break (an e-mail's "@" or ".")
// where it can be, else where the line is full.
QStringList wrapped(QString rest, const QFontMetricsF& metrics, double first, double later)
{
    const auto width = [&](const QString& text) { return metrics.horizontalAdvance(text); };
    QStringList lines;
    rest = withoutTrailingBlanks(rest);
    double room = first;
    while (width(rest) > room) {
        qsizetype cut = rest.size() - 1;
        while (cut > 0 && !(rest.at(cut) == u' ' && width(rest.left(cut)) <= room))
            --cut;
        if (cut > 0 && !withoutTrailingBlanks(rest.left(cut)).trimmed().isEmpty()) {
            lines << withoutTrailingBlanks(rest.left(cut));
            rest = rest.mid(cut + 1);
            while (rest.startsWith(u' '))
                rest.remove(0, 1);
        } else {
            qsizetype fits = 1;
            while (fits < rest.size() && width(rest.left(fits + 1)) <= room)
                ++fits;
            for (qsizetype i = fits - 1; i >= fits / 2 && i > 0; --i) {
                if (QStringLiteral("@.-_/").contains(rest.at(i))) {
                    fits = i + 1;
                    break;
                }
            }
            lines << rest.left(fits);
            rest = rest.mid(fits);
        }
        room = later;
    }
    lines << rest;
    return lines;
}

// A piece of text placed on one printed line, `x` from the body's left.
struct Piece {
    double x;
    QString text;
};
using PrintedLine = std::vector<Piece>;
// The printed lines one line of the listing takes.
using Row = std::vector<PrintedLine>;

// What each column's fields want: the lines are split at their tabs, a line
// without one left out, as it has the whole width to itself.
std::vector<ColumnNeed> columnNeeds(const QStringList& lines, const QFontMetricsF& metrics)
{
    const double gap = 2 * metrics.averageCharWidth();
    const auto width = [&](const QString& text) { return metrics.horizontalAdvance(text); };
    std::vector<ColumnNeed> needs;
    for (const QString& line : lines) {
        const QStringList parts = line.split(u'\t');
        if (parts.size() < 2)
            continue;
        needs.resize(std::max<std::size_t>(needs.size(), parts.size()));
        for (qsizetype k = 0; k < parts.size(); ++k) {
            ColumnNeed& need = needs[k];
            need.widest = std::max(need.widest, width(withoutTrailingBlanks(parts[k])) + gap);
            for (const QString& word : parts[k].split(u' ', Qt::SkipEmptyParts))
                need.narrowest = std::max(need.narrowest, width(word) + gap);
        }
    }
    return needs;
}

std::vector<Row> columnRows(const QStringList& lines, const QFontMetricsF& metrics, double room)
{
    const double gap = 2 * metrics.averageCharWidth();
    std::vector<QStringList> fields;
    for (const QString& line : lines)
        fields.push_back(line.split(u'\t'));
    const std::vector<ColumnNeed> needs = columnNeeds(lines, metrics);
    const std::vector<double> widths = sharedColumnWidths(needs, room);
    std::vector<double> starts(widths.size(), 0);
    for (std::size_t k = 1; k < widths.size(); ++k)
        starts[k] = starts[k - 1] + widths[k - 1];

    std::vector<Row> rows;
    for (const QStringList& parts : fields) {
        std::vector<QStringList> cells;
        for (qsizetype k = 0; k < parts.size(); ++k) {
            const double start = parts.size() < 2 ? 0 : starts[k];
            // The last field of a line may go on to the margin.
            const double width = k + 1 == parts.size() ? room - start : widths[k] - gap;
            cells.push_back(wrapped(parts[k], metrics, width, width));
        }
        std::size_t height = 0;
        for (const QStringList& cell : cells)
            height = std::max<std::size_t>(height, cell.size());
        Row row(height);
        for (std::size_t k = 0; k < cells.size(); ++k)
            for (qsizetype j = 0; j < cells[k].size(); ++j)
                if (!cells[k][j].isEmpty())
                    row[j].push_back({parts.size() < 2 ? 0 : starts[k], cells[k][j]});
        rows.push_back(std::move(row));
    }
    return rows;
}

// A line that goes on over the next lines continues under the start of its
// own text (a footer set in by two tabs stays set in), or one tab in when it
// starts at the margin.
std::vector<Row> blankRows(const QStringList& lines, const QFontMetricsF& metrics, double room,
                           int every)
{
    std::vector<Row> rows;
    for (const QString& line : lines) {
        const QString text = blanksForTabs(line, every);
        qsizetype setIn = 0;
        while (setIn < text.size() && text.at(setIn) == u' ')
            ++setIn;
        const QString indent(setIn > 0 && setIn < text.size() ? setIn : every, u' ');
        const QStringList parts =
            wrapped(text, metrics, room, room - metrics.horizontalAdvance(indent));
        Row row;
        for (qsizetype j = 0; j < parts.size(); ++j)
            row.push_back({{0, j == 0 ? parts[j] : indent + parts[j]}});
        rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace

QList<double> CanvasListing::columnStarts(const QStringList& lines, const QFontMetricsF& metrics)
{
    QList<double> starts;
    double x = 0;
    for (const ColumnNeed& need : columnNeeds(lines, metrics)) {
        x += need.widest;
        starts << x;
    }
    if (!starts.isEmpty())
        starts.removeLast();
    return starts;
}

CanvasListingLayout CanvasListingLayout::plainListing(const QString& heading, const QFont& font,
                                                      Tabs tabs)
{
    CanvasListingLayout layout;
    layout.font = font;
    layout.lineSpacing = 1.4;
    layout.heading = heading;
    layout.headingLeft = 250;
    layout.headingLine = 3;
    layout.bodyLeft = 150;
    layout.firstBodyLine = 5;
    layout.laterFirstBodyLine = 4;
    layout.linesReserved = 4;
    layout.tabs = tabs;
    return layout;
}

CanvasListing::CanvasListing(QString title, CanvasListingLayout layout, QStringList lines)
    : title_(std::move(title)), layout_(std::move(layout)), lines_(std::move(lines))
{
}

QPageLayout CanvasListing::pageLayout() const
{
    return QPageLayout(QPageSize(QPageSize::Letter), QPageLayout::Portrait,
                       QMarginsF(6.35, 6.35, 6.35, 6.35), QPageLayout::Millimeter);
}

PrintOutcome CanvasListing::paint(QPagedPaintDevice& device,
                                  const std::function<bool()>& aborted) const
{
    PrintOutcome outcome;
    PaperCanvas canvas(device);
    if (!canvas.isActive()) {
        outcome.deviceFailed = true;
        return outcome;
    }
    QPainter& painter = canvas.painter();
    painter.setFont(layout_.font);
    painter.setPen(Qt::black);
    const QFontMetricsF metrics(layout_.font, &device);
    const double lineHeight = metrics.height() * layout_.lineSpacing;
    const QRectF printable = canvas.printableRect();
    const int linesOnPage = int(printable.height() / lineHeight);
    const int bodyLinesPerPage = std::max(1, linesOnPage - layout_.linesReserved);
    const double headingX =
        printable.left() + canvas.fromUnits(layout_.headingLeft, printerPixelsPerInch);
    const double bodyX =
        printable.left() + canvas.fromUnits(layout_.bodyLeft, printerPixelsPerInch);
    const double room = printable.right() - bodyX;
    const std::vector<Row> rows = layout_.tabs == CanvasListingLayout::Tabs::Columns
                                      ? columnRows(lines_, metrics, room)
                                      : blankRows(lines_, metrics, room, layout_.blankTabWidth);
    // Text is placed by the top of its line, as on a printer's canvas.
    auto drawAt = [&](double x, int line, const QString& text) {
        const double top = printable.top() + (line - 1) * lineHeight;
        painter.drawText(QPointF(x, top + metrics.ascent()), text);
    };

    std::size_t next = 0;     // the row
    std::size_t nextLine = 0; // its printed line, when it went on over a page
    do {
        if (aborted && aborted()) {
            outcome.aborted = true;
            return outcome;
        }
        if (outcome.pages > 0 && !canvas.newPage()) {
            outcome.deviceFailed = true;
            return outcome;
        }
        ++outcome.pages;
        if (!layout_.heading.isEmpty())
            drawAt(headingX, layout_.headingLine, layout_.heading);
        const int firstLine =
            outcome.pages == 1 ? layout_.firstBodyLine : layout_.laterFirstBodyLine;
        int used = 0;
        while (next < rows.size() && used < bodyLinesPerPage) {
            const Row& row = rows[next];
            // A line that breaks goes to the next page whole when it would
            // fit there, rather than part here and part there.
            const int height = int(row.size() - nextLine);
            if (used > 0 && used + height > bodyLinesPerPage && height <= bodyLinesPerPage)
                break;
            for (; nextLine < row.size() && used < bodyLinesPerPage; ++nextLine, ++used)
                for (const Piece& piece : row[nextLine])
                    drawAt(bodyX + piece.x, firstLine + used, piece.text);
            if (nextLine == row.size()) {
                ++next;
                nextLine = 0;
            }
        }
    } while (next < rows.size());
    return outcome;
}

Done CanvasListing::writeFile(PrintFormat, QIODevice& file, const QString& path) const
{
    for (const QString& line : lines_) {
        if (file.write((line + u'\n').toUtf8()) < 0)
            return Done::failure(QStringLiteral("Cannot write %1: %2")
                                     .arg(QDir::toNativeSeparators(path), file.errorString()));
    }
    return Done::success();
}
