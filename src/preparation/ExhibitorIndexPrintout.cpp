#include "preparation/ExhibitorIndexPrintout.h"

#include "storage/TextRules.h"

#include <QPagedPaintDevice>

using Format = BookletSheets::Format;
using namespace ExhibitorIndex;

namespace
{

BookletSheets::Geometry geometryFor(Format format, const QPaintDevice& device)
{
    BookletSheets::Geometry g;
    g.format = format;
    g.dpiX = device.logicalDpiX();
    g.dpiY = device.logicalDpiY();
    g.sheet = BookletSheets::sheetSize(format, g.dpiX, g.dpiY);
    g.lineHeight = BookletSheets::lineHeightAt(g.dpiY);
    g.linesPerPage = int(g.sheet.height() / g.lineHeight) - 4;
    if (format == Format::Booklet) {
        const double margin = 3.0 / 8 * g.dpiX;
        const double half = g.sheet.width() / 2;
        g.topOffset = g.dpiY / 4;
        g.leftPage = {margin, half - margin};
        g.rightPage = {half + g.dpiX / 2, g.sheet.width() - margin};
    } else {
        // Room on the left for binding.
        g.topOffset = g.dpiY / 2;
        g.leftPage = {1.25 * g.dpiX, g.sheet.width() - g.dpiX / 4};
        g.rightPage = g.leftPage;
    }
    return g;
}

class IndexPages
{
public:
    IndexPages(Format format, const Index& index, const Options& options,
               const QPaintDevice& device)
        : format_(format), index_(index), options_(options),
          pages_(geometryFor(format, device), device, TextRules::TextToInt(options.startPage),
                 options.startOnRight, true)
    {
    }

    std::vector<BookletSheets::Sheet> layOut()
    {
        pageBreak();
        QChar previous = u' ';
        for (const Exhibitor& exhibitor : index_.exhibitors) {
            if (pages_.linesLeft() < 3)
                pageBreak();
            const QChar letter =
                exhibitor.key.isEmpty() ? QChar(u' ') : exhibitor.key.at(0).toUpper();
            if (letter != previous) {
                if (options_.separation == Separation::Letters) {
                    pages_.centre(pages_.line, BookletSheets::arial(9, true),
                                  QStringLiteral("-- ") + letter + QStringLiteral(" --"));
                    pages_.line += 1;
                } else if (options_.separation == Separation::BlankLine) {
                    pages_.line += 1;
                }
            }
            previous = letter;
            within();
            line(exhibitor);
        }
        pages_.finish();
        return pages_.takeSheets();
    }

private:
    void pageBreak()
    {
        const bool first = !pages_.started();
        pages_.nextPage();
        if (first || options_.eachPage) {
            const QFont club = BookletSheets::arial(10, true);
            if (options_.clubName)
                centred(club, index_.clubName);
            if (options_.showDate)
                centred(club, index_.dateText);
        }
        if (first) {
            pages_.line += 1;
            centred(BookletSheets::arial(14, true), QStringLiteral("Exhibitors Index"));
        }
    }

    void centred(const QFont& font, const QString& text)
    {
        for (const QString& piece :
             pages_.fitted(text, font, pages_.rightLimit() - pages_.left())) {
            pages_.centre(pages_.line, font, piece);
            pages_.line += pages_.linesFor(font);
        }
    }

    // A line that would pass the foot of the page goes to the next.
    void within()
    {
        if (pages_.line > pages_.geometry().linesPerPage)
            pageBreak();
    }

    void nextLine()
    {
        pages_.line += 1;
        within();
    }

    // The key at the left limit, the details from 1/8 inch after it and on
    // the next lines from 1/2 inch in.
    void line(const Exhibitor& exhibitor)
    {
        const double dpiX = pages_.geometry().dpiX;
        QFont nameFont = BookletSheets::arial(8, options_.boldNames);
        const QFont plain = BookletSheets::arial(8);
        const double nextX = pages_.left() + dpiX / 2;
        const int nextCount = pages_.count(nextX);

        QString rest = name(exhibitor, options_);
        double at = pages_.left();
        double end = at;
        while (true) {
            auto [piece, after] =
                pages_.split(rest, int(rest.size()) + 1, nameFont, pages_.rightLimit() - at);
            pages_.draw(at, pages_.line, nameFont, piece);
            end = at + pages_.width(nameFont, piece);
            if (after.isEmpty())
                break;
            rest = after;
            nextLine();
            at = nextX;
        }

        // The first piece's count leaves out the left limit's width, except
        // on a booklet's right page.
        const double less = format_ == Format::FullPage ? 1.25 * dpiX
                            : pages_.onRightPage()      ? 0
                                                        : 3.0 / 8 * dpiX;
        at = end + dpiX / 8;
        int count = pages_.count(at, less);
        rest = details(exhibitor, options_);
        while (!rest.isEmpty()) {
            auto [piece, after] = pages_.split(rest, count, plain, pages_.rightLimit() - at);
            pages_.draw(at, pages_.line, plain, piece);
            rest = after;
            if (rest.isEmpty())
                break;
            nextLine();
            at = nextX;
            count = nextCount;
        }
        pages_.line += 1;
    }

    Format format_;
    const Index& index_;
    const Options& options_;
    BookletSheets pages_;
};

} // namespace

ExhibitorIndexPrintout::ExhibitorIndexPrintout(Format format, Index index, Options options)
    : format_(format), index_(std::move(index)), options_(std::move(options))
{
}

PrintOutcome ExhibitorIndexPrintout::paint(QPagedPaintDevice& device,
                                           const std::function<bool()>& aborted) const
{
    const auto sheets = IndexPages(format_, index_, options_, device).layOut();
    return BookletSheets::paint(sheets, device, aborted);
}

namespace ExhibitorIndexPreview
{

RichListing listing(const Index& index, const Options& options)
{
    RichListing listing(QStringLiteral("Exhibitors Index"));
    listing.setTabStops({50, 200});
    listing.setPageHeader(index.clubName);
    const auto line = [&](double points, bool bold, const QString& text) {
        listing.setFont(QStringLiteral("Arial"), points);
        listing.setBold(bold);
        listing.addLine(text);
    };
    if (options.clubName) {
        line(10, true, u'\t' + index.clubName);
        line(10, true, QString());
    }
    if (options.showDate) {
        line(10, true, u'\t' + index.dateText);
        line(10, true, QString());
    }
    line(14, true, QStringLiteral("\tExhibitors Index"));
    line(14, true, QString());
    QChar previous = u' ';
    for (const Exhibitor& exhibitor : index.exhibitors) {
        const QChar letter = exhibitor.key.isEmpty() ? QChar(u' ') : exhibitor.key.at(0).toUpper();
        if (letter != previous) {
            if (options.separation == Separation::Letters) {
                line(8, false, QStringLiteral(" "));
                line(9, true, QStringLiteral("\t\t-- ") + letter + QStringLiteral(" --"));
                line(8, false, QStringLiteral(" "));
            } else if (options.separation == Separation::BlankLine) {
                line(8, false, QStringLiteral(" "));
            }
        }
        previous = letter;
        line(8, false,
             name(exhibitor, options) + QStringLiteral("   ") + details(exhibitor, options));
    }
    return listing;
}

} // namespace ExhibitorIndexPreview
