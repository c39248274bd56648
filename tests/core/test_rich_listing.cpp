#include "print/RichListing.h"
#include "print/RichListingPrint.h"

#include "TempDir.h"

#include <QGuiApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace
{

void needGuiApplication()
{
    if (QCoreApplication::instance())
        return;
    static int argc = 1;
    static char name[] = "test_core";
    static char* argv[] = {name, nullptr};
    new QGuiApplication(argc, argv);
}

struct PdfWord {
    QString text;
    int page;
    double xMin;
    double yMin;
    double xMax;
    double yMax;
};

struct PdfText {
    QSizeF pageSize;
    int pages = 0;
    std::vector<PdfWord> words;

    const PdfWord* find(const QString& text, int page = 1) const
    {
        for (const PdfWord& w : words)
            if (w.text == text && w.page == page)
                return &w;
        return nullptr;
    }
};

PdfText pdfText(const QString& pdf)
{
    QProcess process;
    process.start("pdftotext", {"-bbox", pdf, "-"});
    EXPECT_TRUE(process.waitForFinished(30000));
    const QString html = QString::fromUtf8(process.readAllStandardOutput());
    PdfText result;
    static const QRegularExpression pattern(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    for (auto it = pattern.globalMatch(html); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            ++result.pages;
            result.pageSize = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
            continue;
        }
        // pdftotext writes the word's text with HTML entities.
        QString text = m.captured(7);
        text.replace("&lt;", "<")
            .replace("&gt;", ">")
            .replace("&quot;", "\"")
            .replace("&amp;", "&");
        result.words.push_back({text, result.pages, m.captured(3).toDouble(),
                                m.captured(4).toDouble(), m.captured(5).toDouble(),
                                m.captured(6).toDouble()});
    }
    return result;
}

double points(double mm)
{
    return mm * 72 / 25.4;
}

class RichListingTest : public ::testing::Test
{
protected:
    RichListingTest() { needGuiApplication(); }

    PdfText printed(const RichListing& listing)
    {
        const QString path = QString::fromStdString((dir / "listing.pdf").string());
        QString error;
        EXPECT_TRUE(saveRichListingPdf(listing.document(), listing.orientation(), path, &error))
            << error.toStdString();
        return pdfText(path);
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

    const PdfText pdf = printed(listing);
    for (const QString word : {"{x}", R"(C:\dogs)", "<b>bold?</b>", "&amp;", R"({\rtf1})"})
        EXPECT_NE(pdf.find(word), nullptr) << word.toStdString();
}

TEST_F(RichListingTest, PagesKeepTheMarginsAndCarryARightAlignedFooter)
{
    RichListing listing;
    listing.setPointSize(8);
    listing.setTabStops({150});
    for (int i = 1; i <= 90; ++i)
        listing.addLine("Line" + QString::number(i) + "\tTabbed" + QString::number(i));
    const PdfText pdf = printed(listing);
    ASSERT_EQ(pdf.pages, 2);
    EXPECT_NEAR(pdf.pageSize.width(), 612, 0.5);

    const PdfWord* first = pdf.find("Line1");
    ASSERT_NE(first, nullptr);
    EXPECT_NEAR(first->xMin, points(25), 1.5);
    EXPECT_NEAR(first->yMin, points(30), 3);
    const PdfWord* tabbed = pdf.find("Tabbed1");
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
    RichListing listing(QPageLayout::Landscape);
    listing.addLine("Wide");
    const PdfText pdf = printed(listing);
    EXPECT_NEAR(pdf.pageSize.width(), 792, 0.5);
    const PdfWord* footer = pdf.find("1");
    ASSERT_NE(footer, nullptr);
    EXPECT_NEAR(footer->xMax, points(279.4 - 15), 2);
}

} // namespace
