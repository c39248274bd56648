#include "preparation/CatalogPrintout.h"

#include "preparation/BookletSheets.h"
#include "storage/Preferences.h"

#include <QPagedPaintDevice>

#include <algorithm>

using Kind = CatalogPart::Kind;
using Format = BookletSheets::Format;

CatalogPrintSettings restoredCatalogSettings()
{
    CatalogPrintSettings settings;
    settings.footerLines = 0;
    settings.placeLines = 0;
    settings.entryLines = 0;
    return settings;
}

CatalogPrintSettings storedCatalogSettings(const Preferences& preferences, CatalogLayout layout)
{
    CatalogPrintSettings s = preferences.catalogPrintSettings(layout);
    for (int* choice : {&s.clubName, &s.showDate, &s.eachPage})
        *choice = std::clamp(*choice, 0, 1);
    for (int* lines : {&s.classLines, &s.catLines, &s.footerLines, &s.placeLines, &s.entryLines})
        *lines = std::clamp(*lines, 0, 10);
    return s;
}

namespace
{

Format formatOf(CatalogLayout layout)
{
    return layout == CatalogLayout::Booklet ? Format::Booklet : Format::FullPage;
}

BookletSheets::Geometry geometryFor(const CatalogPageOptions& options, const QPaintDevice& device)
{
    BookletSheets::Geometry g;
    g.format = formatOf(options.layout);
    g.dpiX = device.logicalDpiX();
    g.dpiY = device.logicalDpiY();
    g.sheet = BookletSheets::sheetSize(g.format, g.dpiX, g.dpiY);
    g.lineHeight = BookletSheets::lineHeightAt(g.dpiY);
    g.topOffset = g.dpiY / 4;
    g.linesPerPage = int(g.sheet.height() / g.lineHeight) - 5 + (options.pageNumbers ? 0 : 3);
    const double margin = 3.0 / 8 * g.dpiX;
    if (g.format == Format::Booklet) {
        const double half = g.sheet.width() / 2;
        g.leftPage = {margin, half - margin};
        g.rightPage = {half + g.dpiX / 2, g.sheet.width() - margin};
    } else {
        g.leftPage = {margin, g.sheet.width() - margin};
        g.rightPage = g.leftPage;
    }
    return g;
}

// Lays the parts of a catalog out on its sheets, part by part, as a printed
// catalog places them: a heading or class title that would stand at the foot
// of a page goes to the next, and a class that runs onto another page starts
// it with its title and "  (Cont.)".
class CatalogPages
{
public:
    CatalogPages(const CatalogContent& content, const CatalogPageOptions& options,
                 const QPaintDevice& device)
        : content_(content), options_(options), s_(options.settings),
          pages_(geometryFor(options, device), device, options.startPage, options.startOnRight,
                 options.pageNumbers)
    {
    }

    std::vector<BookletSheets::Sheet> layOut()
    {
        const auto& parts = content_.parts;
        for (std::size_t i = 0; i < parts.size(); ++i) {
            const CatalogPart& part = parts[i];
            switch (part.kind) {
            case Kind::GroupHeading:
                groupHeading(part.text);
                break;
            case Kind::GroupBreak:
                if (s_.catBreak || s_.classBreaks)
                    pageBreak();
                else
                    pages_.line += s_.catLines;
                break;
            case Kind::ClassTitle:
                classTitle(part.text, i > 0 && parts[i - 1].kind == Kind::GroupHeading);
                break;
            case Kind::JudgeLine:
                centred(bold(10), part.text);
                if (i + 1 == parts.size() || parts[i + 1].kind != Kind::JudgeLine)
                    pages_.line += 1;
                break;
            case Kind::LinkHeading:
                // A group's heading goes to the next page with its first
                // member rather than stand alone at the foot of this one.
                if (pages_.line + 2 * s_.entryLines + 1 + 1 + 3 >= pages_.geometry().linesPerPage)
                    continued();
                else
                    pages_.line += s_.entryLines;
                pages_.draw(pages_.left(), pages_.line, bold(9), part.text);
                pages_.line += 1;
                break;
            case Kind::Entry:
                entry(part, content_.entryOf(i));
                break;
            case Kind::Placements:
                placements(part);
                break;
            case Kind::Footer:
                footer(part.lines);
                break;
            }
        }
        pages_.finish();
        return pages_.takeSheets();
    }

private:
    static QFont bold(double points) { return BookletSheets::arial(points, true); }
    static QFont plain(double points) { return BookletSheets::arial(points); }
    int trials() const { return content_.show.trials; }
    double dpiX() const { return pages_.geometry().dpiX; }

    // A new page, with the club's lines at its top where they are asked for.
    void pageBreak()
    {
        const bool first = !pages_.started();
        pages_.nextPage();
        if (first || s_.eachPage == 1)
            clubLines();
    }

    void clubLines()
    {
        if (s_.clubName == 1)
            centred(bold(10), content_.show.clubName);
        if (s_.showDate == 1)
            centred(bold(10), content_.show.dateText);
    }

    // A page break inside a class: the new page begins with its title.
    void continued()
    {
        pageBreak();
        // Kept clear of the club's lines when they head the page.
        if (pages_.line != 1)
            pages_.line += 1;
        pages_.draw(pages_.left(), pages_.line, bold(9), classTitle_ + QStringLiteral("  (Cont.)"));
        pages_.line += 1 + s_.classLines;
    }

    // The next `lines` lines must be on the page.
    void within(int lines)
    {
        if (pages_.line + lines - 1 > pages_.geometry().linesPerPage)
            continued();
    }

    void nextLine()
    {
        pages_.line += 1;
        within(1);
    }

    // Centred text, over as many lines as it needs, then the next line.
    void centred(const QFont& font, const QString& text)
    {
        for (const QString& piece :
             pages_.fitted(text, font, pages_.rightLimit() - pages_.left())) {
            pages_.centre(pages_.line, font, piece);
            pages_.line += pages_.linesFor(font);
        }
    }

    void groupHeading(const QString& text)
    {
        if (!pages_.started() || pages_.linesLeft() < 10)
            pageBreak();
        if (pages_.line != 1)
            pages_.line += 1;
        centred(bold(14), text);
    }

    void classTitle(const QString& text, bool followsHeading)
    {
        classTitle_ = text;
        // A class right under its group's heading is on the page the group
        // began, whether each class begins a page or not.
        if (s_.classBreaks && !followsHeading)
            pageBreak();
        else if (pages_.linesLeft() < 8)
            pageBreak();
        if (pages_.line != 1)
            pages_.line += s_.classLines;
        centred(bold(12), text);
        pages_.line += s_.classLines;
    }

    // Draws `text` from x on the current line, `count` characters at most;
    // the rest goes on over the next lines from `nextX`, `nextCount` each.
    // Gives where the text ends on its last line.
    double flow(const QString& text, const QFont& font, double x, int count, double nextX,
                int nextCount)
    {
        QString rest = text;
        double at = x;
        while (true) {
            auto [piece, after] = pages_.split(rest, count, font, pages_.rightLimit() - at);
            pages_.draw(at, pages_.line, font, piece);
            if (after.isEmpty())
                return at + pages_.width(font, piece);
            rest = after;
            nextLine();
            at = nextX;
            count = nextCount;
        }
    }

    void entry(const CatalogPart& part, const CatalogContent::Entry& e)
    {
        if (!part.firstOfLinkGroup)
            pages_.line += s_.entryLines;
        if (pages_.line + s_.entryLines + 1 + 3 >= pages_.geometry().linesPerPage)
            continued();
        pages_.line += s_.entryLines;
        within(1);

        const double x0 = pages_.left();
        double nameStart = x0;
        if (trials() == 1 && !content_.results) {
            pages_.draw(x0, pages_.line, bold(8), QStringLiteral("______  ") + e.armband);
            nameStart = x0 + pages_.width(bold(8), QStringLiteral("______  xxxxxx"));
        } else if (trials() == 1) {
            QFont underlined = plain(8);
            underlined.setUnderline(true);
            const QString none = options_.layout == CatalogLayout::Booklet
                                     ? QStringLiteral("_________")
                                     : QStringLiteral("________");
            const QString score = part.scores[0].isEmpty() ? none : u' ' + part.scores[0];
            pages_.draw(x0, pages_.line, underlined, score);
            const double armbandX = x0 + pages_.width(underlined, score);
            const QString armband = QStringLiteral("  ") + e.armband;
            pages_.draw(armbandX, pages_.line, bold(8), armband);
            nameStart = armbandX + pages_.width(bold(8), armband);
        } else {
            pages_.draw(x0, pages_.line, bold(8), e.armband);
            if (part.firstOfLinkGroup)
                scoreColumns(part, e);
            nextLine();
            nameStart = x0 + pages_.width(bold(8), QStringLiteral(" xxxxxx"));
        }

        const double nameX = nameStart + dpiX() / 16;
        const QString name = s_.caps ? e.dogName.toUpper() : e.dogName;
        const QFont nameFont = s_.bold ? bold(8) : plain(8);
        const int nextCount = pages_.count(nameX);
        const double nameEnd = flow(name, nameFont, nameX, int(name.size()) + 1, nameX, nextCount);
        // The first piece's count leaves out the left margin's width, except
        // on a booklet's right page.
        const double less = pages_.geometry().format == Format::Booklet && pages_.onRightPage()
                                ? 0
                                : 3.0 / 8 * dpiX();
        flow(e.details, plain(8), nameEnd, pages_.count(nameEnd, less), nameX, nextCount);
        pages_.line += 1;
    }

    // The per-trial score columns of a show with several trials.
    void scoreColumns(const CatalogPart& part, const CatalogContent::Entry& e)
    {
        for (int trial = 1; trial <= trials(); ++trial) {
            const QString& day = content_.show.weekdays[trial - 1];
            QString text;
            if (!e.runs[trial - 1])
                continue;
            if (!content_.results)
                text = day.left(3) + QStringLiteral(":  _______ ");
            else if (!part.scores[trial - 1].isEmpty())
                text = day + QStringLiteral(": ") + part.scores[trial - 1];
            else
                text = day + QStringLiteral(" :  _______ ");
            pages_.draw(scoreColumn(trial), pages_.line, plain(8), text);
        }
    }

    double scoreColumn(int trial) const
    {
        const auto& g = pages_.geometry();
        if (g.format == Format::Booklet && pages_.onRightPage())
            return g.sheet.width() / 2 + trial * g.dpiX;
        return (7.0 / 8 + (trial - 1)) * g.dpiX;
    }

    void placements(const CatalogPart& part)
    {
        const int pl = s_.placeLines;
        pages_.line += 1;
        for (const CatalogPart::Block& block : part.blocks) {
            if (pages_.line + 2 * (pl + 1) + 3 >= pages_.geometry().linesPerPage)
                continued();
            else
                pages_.line += pl;
            if (!block.weekdayLine.isEmpty()) {
                pages_.draw(pages_.left(), pages_.line, plain(8), block.weekdayLine);
                nextLine();
            }
            flow(block.placeLine, plain(8), pages_.left(), int(block.placeLine.size()) + 1,
                 pages_.left(), int(block.placeLine.size()) + 1);
            pages_.line += 1 + pl;
            if (!block.scoreLine.isEmpty()) {
                flow(block.scoreLine, plain(8), pages_.left(), int(block.scoreLine.size()) + 1,
                     pages_.left(), int(block.scoreLine.size()) + 1);
                pages_.line += 1 + pl;
            }
        }
    }

    void footer(const QStringList& lines)
    {
        if (lines.isEmpty())
            return;
        const double room = pages_.rightLimit() - pages_.left();
        std::vector<QStringList> pieces;
        int needed = 0;
        for (const QString& line : lines) {
            pieces.push_back(pages_.fitted(line, bold(9), room));
            needed += s_.footerLines + int(pieces.back().size());
        }
        // A group's footer is kept on one page, and needs no class title there.
        if (pages_.line + needed - 1 > pages_.geometry().linesPerPage)
            pageBreak();
        for (const QStringList& line : pieces) {
            pages_.line += s_.footerLines;
            for (const QString& piece : line) {
                pages_.draw(pages_.left(), pages_.line, bold(9), piece);
                pages_.line += 1;
            }
        }
    }

    const CatalogContent& content_;
    const CatalogPageOptions& options_;
    const CatalogPrintSettings& s_;
    BookletSheets pages_;
    QString classTitle_;
};

} // namespace

CatalogPrintout::CatalogPrintout(CatalogContent content, CatalogPageOptions options)
    : content_(std::move(content)), options_(options)
{
}

QString CatalogPrintout::title() const
{
    return ClassCodes::sectionName(content_.section) + QStringLiteral(" Catalog");
}

QPageLayout CatalogPrintout::pageLayout() const
{
    return BookletSheets::pageLayout(formatOf(options_.layout));
}

PrintOutcome CatalogPrintout::paint(QPagedPaintDevice& device,
                                    const std::function<bool()>& aborted) const
{
    const std::vector<BookletSheets::Sheet> sheets =
        CatalogPages(content_, options_, device).layOut();
    return BookletSheets::paint(sheets, device, aborted);
}
