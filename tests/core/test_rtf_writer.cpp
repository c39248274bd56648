#include "print/RichListing.h"
#include "print/RtfWriter.h"

#include "TempDir.h"

#include <QProcess>
#include <QRegularExpression>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace
{

// What Debian's unrtf, a reader that shares nothing with ours, makes of a file.
QString unrtf(const QString& format, const QString& path)
{
    QProcess process;
    process.start("unrtf", {"--nopict", format, path});
    EXPECT_TRUE(process.waitForFinished(30000));
    EXPECT_EQ(process.exitCode(), 0) << process.readAllStandardError().toStdString();
    // Its text output is in the file's own code page, Windows-1252; Latin-1 reads
    // the letters used here the same way.
    return QString::fromLatin1(process.readAllStandardOutput());
}

class RtfWriterTest : public ::testing::Test
{
protected:
    RtfWriterTest()
    {
        listing.setFont("Arial", 10);
        listing.setBold(true);
        listing.addLine("Address Info for Individuals in Database");
        listing.setBold(false);
        listing.addLine(" ");
        listing.setPointSize(8);
        listing.setTabStops({150, 200, 250});
        listing.add("Ann Lee\t12 Elm\t");
        listing.setBold(true);
        listing.add("BoldRun");
        listing.setBold(false);
        listing.addLine(" after");
        listing.setFont("Courier New", 9);
        listing.addLine(R"(Note {braces} back\slash <b>not</b> Müller € )");
    }

    QString save()
    {
        const QString path = QString::fromStdString((dir / "listing.rtf").string());
        const Done saved = listing.write(PrintFormat::Rtf, path);
        EXPECT_TRUE(saved) << saved.message().toStdString();
        return path;
    }

    TempDir dir;
    RichListing listing;
};

TEST_F(RtfWriterTest, AnotherReaderGetsTheTextTabsAndSpecialCharacters)
{
    const QString text = unrtf("--text", save());
    EXPECT_TRUE(text.contains("Address Info for Individuals in Database")) << text.toStdString();
    // unrtf renders a tab as blanks to its next 8-column stop and a line break.
    EXPECT_TRUE(text.contains(QRegularExpression("Ann Lee {1,8}\n12 Elm {1,8}\nBoldRun after")))
        << text.toStdString();
    EXPECT_TRUE(text.contains(QString::fromUtf8(R"(Note {braces} back\slash <b>not</b> Müller)")))
        << text.toStdString();
    // Unicode beyond Windows-1252 reaches a reader that knows it.
    EXPECT_TRUE(unrtf("--html", save()).contains("M&uuml;ller &euro;"));
}

TEST_F(RtfWriterTest, AnotherReaderSeesBoldRunsOnlyWhereTheyAre)
{
    const QString html = unrtf("--html", save());
    EXPECT_TRUE(html.contains(QRegularExpression("<b>\\s*Address Info for Individuals")))
        << html.toStdString();
    EXPECT_TRUE(html.contains(QRegularExpression("<b>\\s*BoldRun\\s*</b>"))) << html.toStdString();
    EXPECT_FALSE(html.contains(QRegularExpression("<b>[^<]*Ann Lee"))) << html.toStdString();
}

TEST_F(RtfWriterTest, WritesFontsSizesTabStopsEscapesAndPage)
{
    const QByteArray rtf = RtfWriter::toRtf(listing.document(), QPageLayout::Portrait);
    EXPECT_TRUE(rtf.startsWith("{\\rtf1\\ansi\\ansicpg1252"));
    EXPECT_TRUE(rtf.contains("\\f0\\fnil\\fcharset0 Arial;")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\fcharset0 Courier New;"));
    // 150, 200 and 250 points in twips.
    EXPECT_TRUE(rtf.contains("\\pard\\tx3000\\tx4000\\tx5000 "));
    EXPECT_TRUE(rtf.contains("\\fs20\\b Address Info"));
    EXPECT_TRUE(rtf.contains("\\fs16 Ann Lee\\tab 12 Elm\\tab }"));
    EXPECT_TRUE(rtf.contains(R"(Note \{braces\} back\\slash <b>not</b> M\'fcller \u8364? )"));
    EXPECT_TRUE(rtf.contains("\\paperw12240\\paperh15840"));
    EXPECT_FALSE(rtf.contains("\\landscape"));
    EXPECT_EQ(rtf.count("\\par\n"), 3);

    const QByteArray wide = RtfWriter::toRtf(listing.document(), QPageLayout::Landscape);
    EXPECT_TRUE(wide.contains("\\landscape\\paperw15840\\paperh12240"));
}

TEST_F(RtfWriterTest, UnwritableFileIsReportedByName)
{
    const QString path = QString::fromStdString((dir / "missing" / "x.rtf").string());
    const Done saved = listing.write(PrintFormat::Rtf, path);
    EXPECT_FALSE(saved);
    EXPECT_TRUE(saved.message().contains(path)) << saved.message().toStdString();
}

// A table is written as rows of cells at the widths the listing gave its
// columns, the heading row marked to repeat on every page.
TEST_F(RtfWriterTest, TablesKeepTheirRowsCellsAndColumnWidths)
{
    RichListing table;
    table.addLine("Before");
    table.setPointSize(8);
    table.addTable({"Name", "Phone"}, {{"Ann Lee", ""}, {"Cy Brown", "555-0101"}});
    table.addLine("After");
    const QByteArray rtf = RtfWriter::toRtf(table.document(), QPageLayout::Portrait);
    EXPECT_EQ(rtf.count("\\trowd"), 3) << rtf.toStdString();
    EXPECT_EQ(rtf.count("\\trhdr"), 1);
    EXPECT_EQ(rtf.count("\\row\n"), 3);
    EXPECT_EQ(rtf.count("\\cell\n"), 6);
    // The last column ends at the right margin: 175.9 mm between the margins.
    EXPECT_TRUE(rtf.contains("\\cellx9972\n")) << rtf.toStdString();
    EXPECT_TRUE(rtf.contains("\\pard\\intbl {\\f0\\fs16 } \\cell") ||
                rtf.contains("\\pard\\intbl {\\f0\\fs16 }\\cell"))
        << "an empty cell keeps its size" << rtf.toStdString();

    const QString path = QString::fromStdString((dir / "table.rtf").string());
    ASSERT_TRUE(table.write(PrintFormat::Rtf, path));
    const QString text = unrtf("--text", path);
    EXPECT_TRUE(
        text.contains(QRegularExpression("Before\\s+Name\\s+Phone\\s+Ann Lee\\s+Cy Brown\\s+"
                                         "555-0101\\s+After")))
        << text.toStdString();
}

} // namespace
