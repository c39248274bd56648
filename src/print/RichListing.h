#pragma once

#include <QList>
#include <QPageLayout>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>

#include <memory>

class QTextDocument;

// A listing of rich-text lines, built the way the listings are described:
// choose a font, a size, bold and tab stops, then add lines. Text goes in as
// plain text, never as markup, so "{", "\" and "<" in the data stay as typed.
class RichListing
{
public:
    explicit RichListing(QPageLayout::Orientation orientation = QPageLayout::Portrait);
    ~RichListing();
    RichListing(RichListing&&) noexcept;
    RichListing& operator=(RichListing&&) noexcept;

    // Take effect for the text added after them.
    void setFont(const QString& family, double points);
    void setPointSize(double points);
    void setBold(bool bold);
    // Tab stops in points from the left margin, for the lines started after.
    void setTabStops(const QList<double>& points);

    // Appends text to the current line with the current font.
    void add(const QString& text);
    // Appends text and ends the line.
    void addLine(const QString& text = {});

    QTextDocument& document() { return *document_; }
    const QTextDocument& document() const { return *document_; }
    QPageLayout::Orientation orientation() const { return orientation_; }

    // A text document measures tab stops in pixels of a 96-dpi screen.
    static double pointsToDocumentUnits(double points) { return points * 96.0 / 72.0; }

private:
    std::unique_ptr<QTextDocument> document_;
    QTextCursor cursor_;
    QTextCharFormat charFormat_;
    QTextBlockFormat blockFormat_;
    QPageLayout::Orientation orientation_;
    bool lineOpen_ = false;
    bool firstLine_ = true;
};
