#pragma once

#include "print/Printable.h"

#include <QList>
#include <QPageLayout>
#include <QStringList>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <memory>

class QTextDocument;

// A listing of rich-text lines, built the way the listings are described:
// choose a font, a size, bold and tab stops, then add lines. Text goes in as
// plain text, never as markup, so "{", "\" and "<" in the data stay as typed.
// As a printout it is a PDF or a rich-text (RTF) file, on Letter paper with
// the listing margins (top 30, bottom 25, left 25, right 15 mm) and "Page " +
// number at the right of each page's foot in Courier New.
class RichListing : public Printable
{
public:
    explicit RichListing(QString title = {},
                         QPageLayout::Orientation orientation = QPageLayout::Portrait);
    // A listing of that text as it stands (a window's, edits included).
    RichListing(QString title, const QTextDocument& text, QPageLayout::Orientation orientation);
    ~RichListing() override;
    RichListing(RichListing&&) noexcept;
    RichListing& operator=(RichListing&&) noexcept;

    // Take effect for the text added after them.
    void setFont(const QString& family, double points);
    void setPointSize(double points);
    void setBold(bool bold);
    // Tab stops in points from the left margin, for the lines started after.
    void setTabStops(const QList<double>& points);
    // The lines after the first of each paragraph started after this begin
    // that far in, in points; the first line begins at the margin.
    void setHangingIndent(double points);
    // A text at the right of each printed page's head, in Courier New as the
    // page number; none when empty.
    void setPageHeader(const QString& text) { pageHeader_ = text; }
    const QString& pageHeader() const { return pageHeader_; }

    // Appends text to the current line with the current font.
    void add(const QString& text);
    // Appends text and ends the line.
    void addLine(const QString& text = {});
    // Appends a table in the current font: the headings in bold on a row
    // that is repeated at the top of every page the table runs onto, then
    // one row per entry of `rows`. The columns share the page's width by
    // what their texts need; a text too wide for its column goes on over
    // further lines inside it, so a field never moves under another heading.
    void addTable(const QStringList& headings, const QList<QStringList>& rows);

    QTextDocument& document() { return *document_; }
    const QTextDocument& document() const { return *document_; }
    QPageLayout::Orientation orientation() const { return orientation_; }

    QString title() const override { return title_; }
    static QList<PrintFormat> offered() { return {PrintFormat::Pdf, PrintFormat::Rtf}; }
    QList<PrintFormat> formats() const override { return offered(); }
    QPageLayout pageLayout() const override;

    // A text document measures tab stops in pixels of a 96-dpi screen.
    static double pointsToDocumentUnits(double points) { return points * 96.0 / 72.0; }
    // The width between the listing margins, in points.
    static double textWidthPoints(QPageLayout::Orientation orientation);

protected:
    PrintOutcome paint(QPagedPaintDevice& device,
                       const std::function<bool()>& aborted) const override;
    Done writeFile(PrintFormat format, QIODevice& file, const QString& path) const override;

private:
    void startLine();

    QString title_;
    QString pageHeader_;
    std::unique_ptr<QTextDocument> document_;
    QTextCursor cursor_;
    QTextCharFormat charFormat_;
    QTextBlockFormat blockFormat_;
    QPageLayout::Orientation orientation_;
    bool lineOpen_ = false;
    // The paragraph at the end holds nothing yet: a new document's first,
    // or the one a table leaves after it. The next line goes there.
    bool endUnused_ = true;
};
