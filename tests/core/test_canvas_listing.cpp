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
