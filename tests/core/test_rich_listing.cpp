#include "print/RichListing.h"

#include "PdfText.h"
#include "TempDir.h"

#include <QTextDocument>

#include <gtest/gtest.h>

namespace
{

double points(double mm)
{
    return mm * 72 / 25.4;
}

class RichListingTest : public ::testing::Test
{
protected:
    PdfWords printed(const RichListing& listing)
    {
        const QString path = QString::fromStdString((dir / "listing.pdf").string());
        const Done saved = listing.write(PrintFormat::Pdf, path);
        EXPECT_TRUE(saved) << saved.message().toStdString();
        return pdfWords(path);
    }

    TempDir dir;
};

TEST_F(RichListingTest, DataGoesInAsPlainText)
{
    RichListing listing;
    const QString note = R"(Note {x} C:\dogs <b>bold?</b> &amp; {\rtf1})";
    listing.addLine("Heading");
    listing.add(note);
    listing.add(" and more");
    listing.addLine();
    listing.addLine("");
    EXPECT_EQ(listing.document().toPlainText(), "Heading\n" + note + " and more\n");
    EXPECT_EQ(listing.document().blockCount(), 3);

    const PdfWords pdf = printed(listing);
    for (const QString word : {"{x}", R"(C:\dogs)", "<b>bold?</b>", "&amp;", R"({\rtf1})"})
        EXPECT_NE(pdf.find(word, 1), nullptr) << word.toStdString();
}

TEST_F(RichListingTest, PagesKeepTheMarginsAndCarryARightAlignedFooter)
{
    RichListing listing;
    listing.setPointSize(8);
    listing.setTabStops({150});
    for (int i = 1; i <= 90; ++i)
        listing.addLine("Line" + QString::number(i) + "\tTabbed" + QString::number(i));
    const PdfWords pdf = printed(listing);
    ASSERT_EQ(pdf.pages, 2);
    EXPECT_NEAR(pdf.pageSize.width(), 612, 0.5);

    const PdfWord* first = pdf.find("Line1", 1);
    ASSERT_NE(first, nullptr);
    EXPECT_NEAR(first->xMin, points(25), 1.5);
    EXPECT_NEAR(first->yMin, points(30), 3);
    const PdfWord* tabbed = pdf.find("Tabbed1", 1);
    ASSERT_NE(tabbed, nullptr);
    EXPECT_NEAR(tabbed->xMin, points(25) + 150, 1.5);

    // The last line of page 1 ends above the bottom margin; the next starts page 2.
    double lowest = 0;
    for (const PdfWord& w : pdf.words)
        if (w.page == 1 && w.text.startsWith("Line"))
            lowest = std::max(lowest, w.yMax);
    EXPECT_LE(lowest, points(279.4 - 25));
    EXPECT_NE(pdf.find("Line90", 2), nullptr);

    for (int page = 1; page <= 2; ++page) {
        const PdfWord* word = pdf.find("Page", page);
        const PdfWord* number = pdf.find(QString::number(page), page);
        ASSERT_NE(word, nullptr) << page;
        ASSERT_NE(number, nullptr) << page;
        EXPECT_NEAR(number->xMax, points(215.9 - 15), 2) << page;
        EXPECT_GT(word->yMin, points(279.4 - 25)) << page;
        EXPECT_LT(word->yMax, points(279.4)) << page;
    }
}

TEST_F(RichListingTest, LandscapeTurnsThePage)
{
    RichListing listing({}, QPageLayout::Landscape);
    listing.addLine("Wide");
    const PdfWords pdf = printed(listing);
    EXPECT_NEAR(pdf.pageSize.width(), 792, 0.5);
    const PdfWord* footer = pdf.find("1", 1);
    ASSERT_NE(footer, nullptr);
    EXPECT_NEAR(footer->xMax, points(279.4 - 15), 2);
}

} // namespace
