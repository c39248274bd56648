#pragma once

#include "print/Printable.h"

#include <QFont>
#include <QPointF>
#include <QSizeF>
#include <QString>
#include <QStringList>

#include <functional>
#include <utility>
#include <vector>

class QPaintDevice;
class QPagedPaintDevice;

// The sheets of a printout drawn line by line at computed positions straight
// on the printer's canvas, as the catalog and the exhibitor index print: a
// booklet of two half-letter pages side by side on each landscape sheet
// (after a left page the right page of the same sheet, after a right page a
// new sheet), or one portrait page a sheet. Everything is measured in the
// device's pixels from the paper's top-left corner.
class BookletSheets
{
public:
    enum class Format { Booklet, FullPage };

    // The left and right limits of the text of a page.
    struct Limits {
        double left = 0;
        double right = 0;
    };
    struct Geometry {
        Format format = Format::Booklet;
        double dpiX = 0;
        double dpiY = 0;
        QSizeF sheet;
        double lineHeight = 0;
        // Line n of a page has its top at n * lineHeight + topOffset.
        double topOffset = 0;
        int linesPerPage = 0;
        Limits leftPage;  // the only page of a full-page sheet
        Limits rightPage; // a booklet's
    };
    struct Text {
        QPointF topLeft;
        QFont font;
        QString text;
    };
    using Sheet = std::vector<Text>;

    // The paper of each format at the printout resolution.
    static QSizeF sheetSize(Format format, double dpiX, double dpiY);
    // Lines 1.5 times as tall as an 8-point font.
    static double lineHeightAt(double dpiY) { return 1.5 * 8.0 / 72.0 * dpiY; }
    // Letter, landscape for the booklet, without margins: positions are the
    // paper's own.
    static QPageLayout pageLayout(Format format);

    // `metrics` is the device the sheets will be painted on, whose fonts
    // measure the texts.
    BookletSheets(const Geometry& geometry, const QPaintDevice& metrics, int firstPageNumber,
                  bool startOnRight, bool pageNumbers);

    const Geometry& geometry() const { return geometry_; }
    bool started() const { return started_; }
    // Begins the first page, or ends the current one (with its page number)
    // and begins the next. The page starts on line 1.
    void nextPage();
    // Ends the last page with its page number, when anything was printed.
    void finish();

    // The current line of the page.
    int line = 1;
    int linesLeft() const { return geometry_.linesPerPage - line + 1; }
    bool onRightPage() const { return right_; }
    const Limits& limits() const { return right_ ? geometry_.rightPage : geometry_.leftPage; }
    double left() const { return limits().left; }
    double rightLimit() const { return limits().right; }

    double width(const QFont& font, const QString& text) const;
    // The lines a text of that font takes: two for the 12- and 14-point
    // headings, which are taller than a line, so the next line stays clear.
    int linesFor(const QFont& font) const;
    // The width of the letter "x" in Arial 8 regular, the unit the character
    // counts of wrapped texts are measured in.
    double xWidth() const;

    // The text cut where `SplitAtBreak` cuts it at `count` characters, and
    // cut shorter, at an earlier break, while the piece is wider than `room`
    // (a line of capitals is wider than its count of x's). A count below 1
    // leaves nothing for this line.
    std::pair<QString, QString> split(const QString& text, int count, const QFont& font,
                                      double room) const;
    // The text in lines no wider than `room`, each cut as split() cuts.
    QStringList fitted(const QString& text, const QFont& font, double room) const;
    // The characters of a piece that goes from x to the page's right limit,
    // less `less`, by the width of the letter "x": rounded.
    int count(double x, double less = 0) const;

    void draw(double x, int onLine, const QFont& font, const QString& text);
    // Centred between the page's limits.
    void centre(int onLine, const QFont& font, const QString& text);

    std::vector<Sheet> takeSheets() { return std::move(sheets_); }

    // Paints sheets laid out for the device on it.
    static PrintOutcome paint(const std::vector<Sheet>& sheets, QPagedPaintDevice& device,
                              const std::function<bool()>& aborted);

    // Arial of that size, bold or not.
    static QFont arial(double points, bool bold = false);

private:
    void pageNumber();

    Geometry geometry_;
    const QPaintDevice& metrics_;
    int page_;
    bool startOnRight_;
    bool pageNumbers_;
    bool started_ = false;
    bool right_ = false;
    std::vector<Sheet> sheets_;
};
