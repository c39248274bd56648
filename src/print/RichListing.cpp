#include "print/RichListing.h"

#include <QTextDocument>
#include <QTextOption>

RichListing::RichListing(QPageLayout::Orientation orientation)
    : document_(std::make_unique<QTextDocument>()), cursor_(document_.get()),
      orientation_(orientation)
{
    QFont font("Arial");
    font.setPointSizeF(10);
    document_->setDefaultFont(font);
    setFont("Arial", 10);
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

void RichListing::add(const QString& text)
{
    if (!lineOpen_) {
        // A new document already holds one empty paragraph: the first line goes there.
        if (firstLine_)
            cursor_.setBlockFormat(blockFormat_);
        else
            cursor_.insertBlock(blockFormat_, charFormat_);
        firstLine_ = false;
        lineOpen_ = true;
    }
    cursor_.insertText(text, charFormat_);
}

void RichListing::addLine(const QString& text)
{
    add(text);
    lineOpen_ = false;
}
