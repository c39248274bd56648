#include "dbf/Error.h"
#include "print/LabelExpression.h"
#include "print/LabelLayout.h"
#include "print/LabelRun.h"
#include "print/LabelSheetTexts.h"
#include "print/LabelStock.h"
#include "print/RecordList.h"

#include "PdfText.h"
#include "TempDir.h"

#include <QPdfWriter>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <tuple>

namespace
{

struct Corner {
    double left;
    double top;
};

struct GeometryCase {
    const LabelStock& stock;
    LabelPosition position;
    LabelPlacement placement;
    Corner expected; // millimetres from the paper's top-left corner
};

TEST(LabelGeometry, LabelCornersOnEveryStock)
{
    const LabelStock& s5160 = LabelStock::avery5160();
    const LabelStock& s5267 = LabelStock::avery5267();
    const LabelStock& s5163 = LabelStock::avery5163();
    const LabelStock& slip = LabelStock::confirmationSlip();
    const auto centred = LabelPlacement::Centred;
    const auto margin = LabelPlacement::LeftMargin;
    const GeometryCase cases[] = {
        {s5160, {1, 1}, margin, {4.8, 12.7}},
        {s5160, {10, 3}, margin, {4.8 + 2 * 69.8, 12.7 + 9 * 25.4}},
        {s5160, {2, 2}, margin, {74.6, 38.1}},
        {s5160, {1, 1}, centred, {4.8, 12.7}},
        {s5267, {1, 1}, margin, {7.1, 12.7}},
        {s5267, {20, 4}, margin, {7.1 + 3 * 52.4, 12.7 + 19 * 12.7}},
        {s5267, {11, 3}, margin, {7.1 + 2 * 52.4, 12.7 + 10 * 12.7}},
        // The grid is 201.6 mm wide; centring it leaves 7.15 mm either side.
        {s5267, {1, 1}, centred, {7.15, 12.7}},
        {s5267, {20, 4}, centred, {7.15 + 3 * 52.4, 254.0}},
        {s5163, {1, 1}, margin, {4.0, 12.7}},
        {s5163, {5, 2}, margin, {110.3, 12.7 + 4 * 50.8}},
        {s5163, {3, 2}, centred, {110.3, 114.3}},
        {slip, {1, 1}, margin, {10.2, 7.6}},
        {slip, {3, 1}, margin, {10.2, 7.6 + 2 * 88.9}},
        {slip, {2, 1}, centred, {11.75, 96.5}},
    };
    for (const GeometryCase& c : cases) {
        SCOPED_TRACE(c.stock.caption.toStdString() + " row " + std::to_string(c.position.row) +
                     " column " + std::to_string(c.position.column));
        const QRectF rect = c.stock.labelRect(c.position, c.placement);
        EXPECT_NEAR(rect.left(), c.expected.left, 1e-9);
        EXPECT_NEAR(rect.top(), c.expected.top, 1e-9);
        EXPECT_DOUBLE_EQ(rect.width(), c.stock.labelWidth);
        EXPECT_DOUBLE_EQ(rect.height(), c.stock.labelHeight);
    }
}

TEST(LabelGeometry, EveryStockFillsTheLetterSheetExactly)
{
    for (const LabelStock& stock : LabelStock::all()) {
        SCOPED_TRACE(stock.caption.toStdString());
        const QRectF last = stock.labelRect({stock.down, stock.across}, LabelPlacement::LeftMargin);
        EXPECT_NEAR(last.right() + stock.rightMargin, LabelStock::paperWidth, 1e-9);
        EXPECT_NEAR(last.bottom() + stock.bottomMargin, LabelStock::paperHeight, 1e-9);
    }
    EXPECT_EQ(LabelStock::avery5160().labelsPerSheet(), 30);
    EXPECT_EQ(LabelStock::avery5267().labelsPerSheet(), 80);
    EXPECT_EQ(LabelStock::avery5163().labelsPerSheet(), 10);
    EXPECT_EQ(LabelStock::confirmationSlip().labelsPerSheet(), 3);
    EXPECT_EQ(LabelStock::avery5160().layoutText(), "3 - Across -- 30 labels per page");
    EXPECT_EQ(LabelStock::avery5163().layoutText(), "2 - Across -- 10 labels per page");
}

TEST(LabelGeometry, StartOutsideTheSheetCountsAsOne)
{
    const LabelStock& stock = LabelStock::avery5160();
    const struct {
        LabelPosition given;
        LabelPosition expected;
    } cases[] = {
        {{2, 2}, {2, 2}}, {{10, 3}, {10, 3}}, {{0, 2}, {1, 2}},  {{11, 2}, {1, 2}},
        {{4, 0}, {4, 1}}, {{4, 4}, {4, 1}},   {{-3, 9}, {1, 1}}, {{21, 4}, {1, 1}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(stock.clamped(c.given), c.expected)
            << "row " << c.given.row << " column " << c.given.column;
    EXPECT_EQ(LabelStock::avery5267().clamped({20, 4}), (LabelPosition{20, 4}));
    EXPECT_EQ(LabelStock::avery5267().clamped({21, 5}), (LabelPosition{1, 1}));
}

TEST(LabelSheetTexts, CountSheetsAndLastSheetLines)
{
    const struct {
        int labels;
        const char* count;
        const char* sheets;
        const char* lastSheet;
    } cases[] = {
        {0, "You have  0  records to print", "You will need  0 sheet of labels", ""},
        {1, "You have  1  records to print", "You will need  1 sheet of labels",
         "The last sheet will use 1 label"},
        {30, "You have  30  records to print", "You will need  1 sheet of labels", ""},
        {31, "You have  31  records to print", "You will need  2 sheets of labels",
         "The last sheet will use 1 label"},
        {35, "You have  35  records to print", "You will need  2 sheets of labels",
         "The last sheet will use 5 labels"},
        {60, "You have  60  records to print", "You will need  2 sheets of labels", ""},
    };
    for (const auto& c : cases) {
        const LabelSheetTexts texts = LabelSheetTexts::forLabels(c.labels, 30);
        EXPECT_EQ(texts.count, c.count);
        EXPECT_EQ(texts.sheets, c.sheets);
        EXPECT_EQ(texts.lastSheet, c.lastSheet);
    }
    EXPECT_EQ(LabelSheets::sheetsNeeded(61, 30), 3);
    EXPECT_EQ(LabelSheets::labelsOnLastSheet(61, 30), 1);
}

TEST(LabelSheetTexts, StartButtonsCountRowByRow)
{
    const struct {
        int button;
        int across;
        LabelPosition expected;
    } cases[] = {
        {1, 3, {1, 1}},   {3, 3, {1, 3}}, {4, 3, {2, 1}},  {5, 3, {2, 2}},
        {30, 3, {10, 3}}, {5, 2, {3, 1}}, {10, 2, {5, 2}}, {80, 4, {20, 4}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LabelSheets::positionOfButton(c.button, c.across), c.expected)
            << "button " << c.button;
}

TEST(LabelExpression, EvaluatesTheLayoutsExpressions)
{
    RecordList records({"first", "LAST", "city", "state"});
    records.append({"Mary      ", "O'Neil   ", "  Troy  ", "ny"});
    const SourceRow record(records, 0);
    const struct {
        const char* expression;
        const char* expected;
    } cases[] = {
        {"trim(first)+' '+trim(last)", "Mary O'Neil"},
        {"TRIM(First) + \" \" + Trim( last )", "Mary O'Neil"},
        {"rtrim(city)+','", "  Troy,"},
        {"ltrim(city)+','", "Troy  ,"},
        {"alltrim(city)+','", "Troy,"},
        {"upper(state)+lower('AB')", "NYab"},
        {"upper(trim(first)+'-x')", "MARY-X"},
        {"'a + b'", "a + b"},
        {"nosuchfield+'!'", "!"},
        {"first", "Mary      "},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LabelExpression(c.expression).evaluate(record), c.expected) << c.expression;
}

TEST(LabelExpression, RefusesWhatItCannotRead)
{
    for (const char* bad :
         {"", "trim(first", "'open", "first +", "soundex(last)", "first last", "first - last"})
        EXPECT_THROW(LabelExpression{bad}, dbf::Error) << bad;
}

double points(double mm)
{
    return mm * 72 / 25.4;
}

class LabelRunTest : public ::testing::Test
{
protected:
    LabelRunTest()
    {
        layout.add(LabelItem::expressionItem(15, 16, "trim(first)+' '+trim(last)", labelFont(9)));
        layout.add(LabelItem::field(15, 33, "address", labelFont(9)));
        layout.add(LabelItem::field(15, 50, "secret", labelFont(9))).hidden = true;
    }

    std::shared_ptr<RecordList> owners(int count)
    {
        auto list = std::make_shared<RecordList>(QStringList{"first", "last", "address", "secret"});
        for (int i = 1; i <= count; ++i)
            list->append({"Ann" + QString::number(i) + "   ", "Lee   ", QString::number(i) + "Elm",
                          "Hidden"});
        return list;
    }

    // The run on a PDF file, taken as a printer takes it.
    static LabelRun::Printed printed(const LabelRun& run, const QString& path,
                                     const std::function<bool()>& aborted = {})
    {
        QPdfWriter pdf(path);
        pdf.setResolution(Printable::resolution);
        pdf.setPageLayout(run.pageLayout());
        return run.printLabels(pdf, aborted);
    }

    TempDir dir;
    LabelLayout layout;
};

TEST_F(LabelRunTest, TextLandsInsideTheLabelFromTheStartPosition)
{
    LabelRun run(LabelStock::avery5160(), layout, owners(3));
    run.setStart(LabelSheets::positionOfButton(5, 3));
    run.setPlacement(LabelPlacement::LeftMargin);
    run.setBeforePrint([](const SourceRow& r) {
        return r.text("first").startsWith("Ann2") ? LabelRun::Decision::Skip
                                                  : LabelRun::Decision::Print;
    });
    int afterCalls = 0;
    run.setAfterPrint([&](const SourceRow&) { ++afterCalls; });
    const QString pdf = QString::fromStdString((dir / "labels.pdf").string());
    const LabelRun::Printed result = printed(run, pdf);
    EXPECT_EQ(result.labels, 2);
    EXPECT_EQ(afterCalls, 2);

    // Ann1 goes to button 5 (row 2, column 2), Ann2 is skipped, Ann3 takes
    // the next label along the row.
    const std::vector<PdfWord> words = pdfWords(pdf).words;
    const struct {
        const char* word;
        LabelPosition label;
        double left;
        double top; // 1/96 inch inside the label
    } expected[] = {
        {"Ann1", {2, 2}, 15, 16},
        {"1Elm", {2, 2}, 15, 33},
        {"Ann3", {2, 3}, 15, 16},
        {"3Elm", {2, 3}, 15, 33},
    };
    for (const auto& e : expected) {
        auto found = std::find_if(words.begin(), words.end(),
                                  [&](const PdfWord& w) { return w.text == e.word; });
        ASSERT_NE(found, words.end()) << e.word;
        const QRectF label = LabelStock::avery5160().labelRect(e.label, LabelPlacement::LeftMargin);
        EXPECT_NEAR(found->xMin, points(label.left()) + e.left * 0.75, 1.5) << e.word;
        // The word's box begins at the top of the text line, a little below
        // the item's top because of the font's internal leading.
        EXPECT_GE(found->yMin, points(label.top()) + e.top * 0.75 - 0.5) << e.word;
        EXPECT_LE(found->yMin, points(label.top()) + e.top * 0.75 + 4) << e.word;
        EXPECT_LE(found->xMax, points(label.right())) << e.word;
        EXPECT_LE(found->yMax, points(label.bottom())) << e.word;
    }
    for (const PdfWord& w : words) {
        EXPECT_NE(w.text, "Ann2");
        EXPECT_NE(w.text, "Hidden");
    }
}

TEST_F(LabelRunTest, CopiesFillRowsThenNewSheetsUntilStop)
{
    LabelRun run(LabelStock::avery5160(), layout, owners(5));
    run.setStart({10, 2});
    run.setCopies(2);
    int lastAsked = -1;
    run.setBeforePrint([&](const SourceRow& r) {
        lastAsked = r.index();
        return r.text("address") == "4Elm" ? LabelRun::Decision::Stop : LabelRun::Decision::Print;
    });
    const QString pdf = QString::fromStdString((dir / "copies.pdf").string());
    const LabelRun::Printed result = printed(run, pdf);
    EXPECT_EQ(result.labels, 6);
    EXPECT_EQ(result.sheets, 2);
    EXPECT_FALSE(result.aborted);

    // Row 10 takes the two copies of Ann1; Ann2 and Ann3 go on sheet 2.
    std::vector<PdfWord> names;
    for (const PdfWord& w : pdfWords(pdf).words)
        if (w.text.startsWith("Ann"))
            names.push_back(w);
    std::sort(names.begin(), names.end(), [](const PdfWord& a, const PdfWord& b) {
        return std::tuple(a.page, a.yMin, a.xMin) < std::tuple(b.page, b.yMin, b.xMin);
    });
    const struct {
        const char* name;
        int page;
        LabelPosition label;
    } expected[] = {{"Ann1", 1, {10, 2}}, {"Ann1", 1, {10, 3}}, {"Ann2", 2, {1, 1}},
                    {"Ann2", 2, {1, 2}},  {"Ann3", 2, {1, 3}},  {"Ann3", 2, {2, 1}}};
    ASSERT_EQ(names.size(), std::size(expected));
    const LabelStock& stock = LabelStock::avery5160();
    for (std::size_t i = 0; i < names.size(); ++i) {
        const QRectF label = stock.labelRect(expected[i].label, LabelPlacement::Centred);
        EXPECT_EQ(names[i].text, expected[i].name) << i;
        EXPECT_EQ(names[i].page, expected[i].page) << i;
        EXPECT_NEAR(names[i].xMin, points(label.left()) + 15 * 0.75, 1.5) << i;
        EXPECT_NEAR(names[i].yMin, points(label.top()) + 16 * 0.75, 4) << i;
    }
    EXPECT_EQ(lastAsked, 3) << "the run stopped on the record that said so";
}

TEST_F(LabelRunTest, AbortEndsTheRunAfterTheLabelInProgress)
{
    LabelRun run(LabelStock::avery5267(), layout, owners(10));
    int labels = 0;
    run.setAfterPrint([&](const SourceRow&) { ++labels; });
    const LabelRun::Printed result = printed(
        run, QString::fromStdString((dir / "abort.pdf").string()), [&] { return labels == 3; });
    EXPECT_TRUE(result.aborted);
    EXPECT_EQ(result.labels, 3);
}

TEST_F(LabelRunTest, UnwritableFileIsReportedByName)
{
    const LabelRun run(LabelStock::avery5160(), layout, owners(1));
    const QString path = QString::fromStdString((dir / "missing" / "labels.pdf").string());
    const Done result = run.write(PrintFormat::Pdf, path);
    ASSERT_FALSE(result);
    EXPECT_TRUE(result.message().contains(path)) << result.message().toStdString();
}

} // namespace
