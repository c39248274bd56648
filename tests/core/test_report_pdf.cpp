#include "dbf/Error.h"
#include "print/RecordList.h"
#include "print/ReportLayout.h"
#include "print/ReportPrintout.h"

#include "PdfText.h"
#include "TempDir.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace
{

// A class listing of two pages: a title, ruled column heads, one ruled row
// per class and "Page x of y" at the foot.
Report classListing(int classes)
{
    auto rows = std::make_shared<RecordList>(QStringList{"classname", "srtkey"});
    for (int n = 1; n <= classes; ++n)
        rows->append({QStringLiteral("Class number %1").arg(n),
                      QStringLiteral("%1").arg(n * 10, 3, 10, QLatin1Char('0'))});

    ReportDefinition definition;
    definition.title = QStringLiteral("NUR CLASSES DATABASE");
    definition.titleBand.height = 12;
    definition.titleBand.elements = {
        ReportElement::text(QRectF(0, 0, 203, 10), ReportValue::literal(definition.title),
                            ReportFont::arial(16, true), Qt::AlignHCenter | Qt::AlignVCenter)};
    definition.pageHeader.height = 7;
    definition.pageHeader.elements = {
        ReportElement::cell(QRectF(0, 0, 80, 7), ReportValue::literal("CLASS NAME"),
                            ReportFont::arial(10, true)),
        ReportElement::cell(QRectF(80, 0, 30, 7), ReportValue::literal("SORT KEY"),
                            ReportFont::arial(10, true))};
    definition.detail.height = 6.35;
    definition.detail.elements = {
        ReportElement::cell(QRectF(0, 0, 80, 6.35), ReportValue::field("classname")),
        ReportElement::cell(QRectF(80, 0, 30, 6.35), ReportValue::field("srtkey"))};
    definition.pageFooter.height = 8;
    definition.pageFooter.elements = {
        ReportElement::text(QRectF(0, 0, 100, 8), ReportValue::printDate("Printed On: %1")),
        ReportElement::text(QRectF(100, 0, 103, 8), ReportValue::pageOfPages(),
                            ReportFont::arial(10), Qt::AlignRight | Qt::AlignVCenter)};
    definition.printDate = QDate(2006, 10, 14);
    return Report{definition, rows};
}

} // namespace

TEST(ReportPdf, WritesEveryPageWithItsTexts)
{
    const ReportPages pages = ReportLayout::layout(classListing(50));
    ASSERT_EQ(pages.pages.size(), 2);
    TempDir dir;
    const QString fileName = QString::fromStdString((dir / "classes.pdf").string());
    ASSERT_TRUE(ReportPrintout(pages).write(PrintFormat::Pdf, fileName));

    const QString text = pdfText(fileName);
    ASSERT_FALSE(text.isEmpty()) << "pdftotext could not read the file";
    const QStringList pageTexts = text.split(QLatin1Char('\f'), Qt::SkipEmptyParts);
    ASSERT_GE(pageTexts.size(), 2);
    EXPECT_TRUE(pageTexts.at(0).contains("NUR CLASSES DATABASE"));
    EXPECT_TRUE(pageTexts.at(0).contains(QRegularExpression("CLASS NAME\\s+SORT KEY")));
    EXPECT_TRUE(pageTexts.at(0).contains(QRegularExpression("Class number 1\\s+010")));
    EXPECT_TRUE(pageTexts.at(0).contains("Printed On: October 14, 2006"));
    EXPECT_TRUE(pageTexts.at(0).contains("Page 1 of 2"));
    EXPECT_FALSE(pageTexts.at(1).contains("NUR CLASSES DATABASE")) << "the title printed twice";
    EXPECT_TRUE(pageTexts.at(1).contains(QRegularExpression("Class number 50\\s+500")));
    EXPECT_TRUE(pageTexts.at(1).contains("Page 2 of 2"));
}

TEST(ReportPdf, AFileThatCannotBeWrittenIsReportedByName)
{
    TempDir dir;
    const QString fileName = QString::fromStdString((dir / "missing" / "classes.pdf").string());
    const Done written =
        ReportPrintout(ReportLayout::layout(classListing(1))).write(PrintFormat::Pdf, fileName);
    ASSERT_FALSE(written) << "writing into a missing folder succeeded";
    EXPECT_TRUE(written.message().contains(fileName)) << written.message().toStdString();
}
