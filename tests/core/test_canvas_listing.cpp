#include "print/CanvasListing.h"

#include "PdfText.h"
#include "TempDir.h"

#include <gtest/gtest.h>

// A canvas listing prints every word of a line too long for the page: the
// line goes on over the next lines, inside the paper.
TEST(CanvasListing, ALineWiderThanThePageGoesOnOverTheNextLines)
{
    TempDir dir;
    const QString pdf = QString::fromStdString((dir / "listing.pdf").string());
    QStringList words;
    for (int i = 1; i <= 40; ++i)
        words << QStringLiteral("word%1").arg(i);
    const CanvasListing listing(
        QStringLiteral("Listing"),
        CanvasListingLayout::plainListing(QStringLiteral("Heading"),
                                          QFont(QStringLiteral("Courier New"), 12)),
        {words.join(u' '), QStringLiteral("short")});
    const Done saved = listing.write(PrintFormat::Pdf, pdf);
    ASSERT_TRUE(saved) << saved.message().toStdString();

    const PdfWords printed = pdfWords(pdf);
    double lowest = 0;
    for (const QString& word : words) {
        const PdfWord* found = printed.find(word, 1);
        ASSERT_NE(found, nullptr) << word.toStdString() << " was cut off";
        EXPECT_LE(found->xMax, printed.pageSize.width()) << word.toStdString();
        lowest = std::max(lowest, found->yMin);
    }
    const PdfWord* last = printed.find(QStringLiteral("short"), 1);
    ASSERT_NE(last, nullptr);
    EXPECT_GT(last->yMin, lowest) << "the next line comes after all of the long one";
}

// With tabs set out as blanks, a line set in by tabs goes on over the next
// line set in as far, so a long footer of a grouping stays under its start.
TEST(CanvasListing, ALongLineSetInByTabsGoesOnSetInAsFar)
{
    TempDir dir;
    const QString pdf = QString::fromStdString((dir / "listing.pdf").string());
    QStringList words;
    for (int i = 1; i <= 20; ++i)
        words << QStringLiteral("footer%1").arg(i);
    const CanvasListing listing(
        QStringLiteral("Codes"),
        CanvasListingLayout::plainListing(QStringLiteral("Codes"),
                                          QFont(QStringLiteral("Courier New"), 12),
                                          CanvasListingLayout::Tabs::Blanks),
        {QStringLiteral("NOV\tObedience\tNOVICE"), "\t\t" + words.join(u' ')});
    ASSERT_TRUE(listing.write(PrintFormat::Pdf, pdf));

    const PdfWords printed = pdfWords(pdf);
    const PdfWord* first = printed.find(QStringLiteral("footer1"));
    const PdfWord* last = printed.find(QStringLiteral("footer20"));
    const PdfWord* code = printed.find(QStringLiteral("NOV"));
    ASSERT_TRUE(first && last && code);
    EXPECT_GT(last->yMin, first->yMin) << "the footer went on over the next line";
    EXPECT_NEAR(first->xMin - code->xMin, 16 * 12 * 0.6, 0.5) << "two tabs are sixteen columns";
    double leftmost = first->xMin;
    for (const PdfWord& word : printed.words)
        if (word.text.startsWith(QStringLiteral("footer")))
            leftmost = std::min(leftmost, word.xMin);
    EXPECT_NEAR(leftmost, first->xMin, 0.5) << "every line of the footer starts under its start";
}
