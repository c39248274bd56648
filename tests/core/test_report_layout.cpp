#include "dbf/Error.h"
#include "dbf/Table.h"
#include "print/RecordList.h"
#include "print/ReportLayout.h"
#include "print/TableRecords.h"

#include "TempDir.h"

#include <QLocale>

#include <gtest/gtest.h>

// A small page makes page breaks easy to count: 100 by 100 mm with 10 mm
// margins, a 10 mm page header and a 10 mm page footer leave 60 mm for the
// body, which holds six detail rows of 10 mm.
namespace
{

constexpr double rowHeight = 10;

ReportBand textBand(double height, ReportValue value)
{
    ReportBand band;
    band.height = height;
    band.elements.append(ReportElement::text(QRectF(0, 0, 40, height), std::move(value)));
    return band;
}

ReportValue prefixed(const QString& prefix, const QString& field)
{
    return ReportValue::computed(
        [prefix, field](const ReportContext& c) { return prefix + c.text(field); });
}

struct Fixture {
    std::shared_ptr<RecordList> rows =
        std::make_shared<RecordList>(QStringList{"trial", "class", "name", "score"});
    ReportDefinition definition;

    Fixture()
    {
        definition.title = QStringLiteral("Test report");
        definition.paperSize = QSizeF(100, 100);
        definition.margins = QMarginsF(10, 10, 10, 10);
        definition.pageHeader = textBand(10, ReportValue::literal(QStringLiteral("HEADER")));
        definition.pageFooter = textBand(10, ReportValue::pageOfPages());
        definition.detail = textBand(rowHeight, ReportValue::field(QStringLiteral("name")));
    }

    // Adds `count` rows to a class, named "<class><n>" from 1 up.
    void addRows(const QString& trial, const QString& className, int count, double score = 0)
    {
        for (int n = 1; n <= count; ++n)
            rows->append({trial, className, className + QString::number(n), score});
    }

    ReportGroup& addGroup(const QString& field, double headerHeight = 10)
    {
        ReportGroup group;
        group.name = field;
        group.keyField = field;
        group.header = textBand(headerHeight, prefixed(QStringLiteral("Group "), field));
        definition.groups.append(group);
        return definition.groups.last();
    }

    ReportPages layout() const { return ReportLayout::layout(Report{definition, rows}); }
};

// The 0-based page that holds a text, or -1.
int pageOf(const ReportPages& pages, const QString& text)
{
    for (int page = 0; page < pages.pages.size(); ++page) {
        if (pages.pages.at(page).texts().contains(text))
            return page;
    }
    return -1;
}

const ReportPageItem* findText(const ReportPages& pages, const QString& text)
{
    for (const ReportPage& page : pages.pages) {
        for (const ReportPageItem& item : page.items) {
            if (item.kind == ReportPageItem::Kind::Text && item.text == text)
                return &item;
        }
    }
    return nullptr;
}

QStringList footers(const ReportPages& pages)
{
    QStringList result;
    for (const ReportPage& page : pages.pages)
        result.append(page.texts().last());
    return result;
}

} // namespace

struct PaginationCase {
    int rows;
    int columns;
    int pages;
};

class ReportPagination : public testing::TestWithParam<PaginationCase>
{
};

TEST_P(ReportPagination, FillsPagesWithWholeRows)
{
    const PaginationCase& c = GetParam();
    Fixture report;
    report.addRows("1", "A", c.rows);
    report.definition.columns = c.columns;
    const ReportPages pages = report.layout();

    ASSERT_EQ(pages.pages.size(), c.pages);
    for (int page = 0; page < c.pages; ++page) {
        EXPECT_EQ(pages.pages.at(page).texts().first(), "HEADER");
        EXPECT_EQ(pages.pages.at(page).texts().last(),
                  QStringLiteral("Page %1 of %2").arg(page + 1).arg(c.pages));
    }
    if (c.rows > 0) {
        const ReportPageItem* last = findText(pages, QStringLiteral("A%1").arg(c.rows));
        ASSERT_NE(last, nullptr);
        EXPECT_LE(last->rect.bottom(), 80.0) << "a row runs into the page footer";
    }
}

INSTANTIATE_TEST_SUITE_P(RowsPerPage, ReportPagination,
                         testing::Values(PaginationCase{0, 1, 1}, PaginationCase{1, 1, 1},
                                         PaginationCase{6, 1, 1}, PaginationCase{7, 1, 2},
                                         PaginationCase{12, 1, 2}, PaginationCase{13, 1, 3},
                                         PaginationCase{12, 2, 1}, PaginationCase{13, 2, 2},
                                         PaginationCase{25, 2, 3}));

TEST(ReportLayout, TwoColumnsFillTheFirstColumnDownThenTheSecond)
{
    Fixture report;
    report.addRows("1", "A", 8);
    report.definition.columns = 2;
    report.definition.columnWidth = 40;
    const ReportPages pages = report.layout();

    const ReportPageItem* sixth = findText(pages, "A6");
    const ReportPageItem* seventh = findText(pages, "A7");
    ASSERT_TRUE(sixth && seventh);
    EXPECT_DOUBLE_EQ(sixth->rect.left(), 10);
    EXPECT_DOUBLE_EQ(sixth->rect.top(), 70);
    EXPECT_DOUBLE_EQ(seventh->rect.left(), 50);
    EXPECT_DOUBLE_EQ(seventh->rect.top(), 20);
}

TEST(ReportLayout, GroupOnNewPageStartsEachGroupOnItsOwnPageWithoutABlankFirstPage)
{
    Fixture report;
    report.definition.titleBand = textBand(10, ReportValue::literal("TITLE"));
    report.addRows("1", "A", 2);
    report.addRows("1", "B", 2);
    report.addRows("2", "A", 1);
    report.addGroup("trial").startNewPage = true;
    report.addGroup("class").startNewPage = true;
    const ReportPages pages = report.layout();

    // Trial 1 class A, trial 1 class B, trial 2 class A: one page each, and
    // a trial header shares its page with the first class header.
    ASSERT_EQ(pages.pages.size(), 3);
    EXPECT_EQ(pages.pages.at(0).texts(),
              QStringList({"TITLE", "HEADER", "Group 1", "Group A", "A1", "A2", "Page 1 of 3"}));
    EXPECT_EQ(pages.pages.at(1).texts(),
              QStringList({"HEADER", "Group B", "B1", "B2", "Page 2 of 3"}));
    EXPECT_EQ(pages.pages.at(2).texts(),
              QStringList({"HEADER", "Group 2", "Group A", "A1", "Page 3 of 3"}));
}

TEST(ReportLayout, PageNumbersRestartPerGroupAndCountThatGroupsPages)
{
    Fixture report;
    report.addRows("1", "A", 8); // header and 8 rows: two pages
    report.addRows("1", "B", 3);
    report.addRows("2", "C", 14); // three pages
    // The trial's own page break comes first; the class then makes that page
    // the first of its set.
    report.addGroup("trial", 0).startNewPage = true;
    report.addGroup("class").restartPageNumbers = true;
    const ReportPages pages = report.layout();

    EXPECT_EQ(footers(pages), QStringList({"Page 1 of 2", "Page 2 of 2", "Page 1 of 1",
                                           "Page 1 of 3", "Page 2 of 3", "Page 3 of 3"}));
    EXPECT_EQ(pageOf(pages, "Group B"), 2);
    EXPECT_EQ(pageOf(pages, "Group C"), 3);
    EXPECT_EQ(pages.pages.at(4).number, 2);
    EXPECT_EQ(pages.pages.at(4).count, 3);
}

TEST(ReportLayout, PageNumberAloneCountsWithinThePageSet)
{
    Fixture report;
    report.definition.pageFooter = textBand(10, ReportValue::pageNumber("Page %1"));
    report.addRows("1", "A", 7);
    report.addRows("1", "B", 1);
    report.addGroup("class").restartPageNumbers = true;
    EXPECT_EQ(footers(report.layout()), QStringList({"Page 1", "Page 2", "Page 1"}));
}

struct KeepTogetherCase {
    bool keepTogether;
    int rowsOfB;
    int pageOfB;
};

class ReportKeepTogether : public testing::TestWithParam<KeepTogetherCase>
{
};

TEST_P(ReportKeepTogether, MovesAGroupThatWouldSplitWhenItFitsOnAPage)
{
    const KeepTogetherCase& c = GetParam();
    Fixture report;
    report.addRows("1", "A", 3); // header and 3 rows leave 20 mm on page 1
    report.addRows("1", "B", c.rowsOfB);
    report.addGroup("class").keepTogether = c.keepTogether;
    const ReportPages pages = report.layout();

    EXPECT_EQ(pageOf(pages, "Group B"), c.pageOfB);
    EXPECT_EQ(pageOf(pages, "B1"), c.pageOfB) << "the header was parted from its first row";
}

INSTANTIATE_TEST_SUITE_P(
    Groups, ReportKeepTogether,
    testing::Values(KeepTogetherCase{false, 3, 0},  // header and first row fit: starts on page 1
                    KeepTogetherCase{true, 3, 1},   // the whole group moves
                    KeepTogetherCase{true, 1, 0},   // header and one row fit as they are
                    KeepTogetherCase{true, 8, 0})); // too big for any page: no blank page

TEST(ReportLayout, AGroupHeaderIsNotLeftAtTheFootOfAPageWithoutItsFirstRow)
{
    Fixture report;
    report.addRows("1", "A", 4); // header and 4 rows leave 10 mm: room for a header only
    report.addRows("1", "B", 2);
    report.addGroup("class");
    const ReportPages pages = report.layout();
    EXPECT_EQ(pageOf(pages, "Group B"), 1);
}

TEST(ReportLayout, ReprintedGroupHeaderOpensEachPageTheGroupRunsOnto)
{
    Fixture report;
    report.addRows("1", "A", 9);
    report.addGroup("class").reprintHeaderOnNewPage = true;
    const ReportPages pages = report.layout();
    ASSERT_EQ(pages.pages.size(), 2);
    EXPECT_EQ(pages.pages.at(1).texts().mid(0, 3), QStringList({"HEADER", "Group A", "A6"}));
}

TEST(ReportLayout, GroupHeaderSeesTheFirstRowAndFooterTheLastRowOfTheGroup)
{
    Fixture report;
    report.addRows("1", "A", 3);
    report.addRows("1", "B", 2);
    ReportGroup& group = report.addGroup("class");
    group.header = textBand(10, prefixed("first ", "name"));
    group.footer = textBand(10, prefixed("last ", "name"));
    const QStringList texts = report.layout().pages.at(0).texts();
    EXPECT_EQ(texts.mid(1, 5), QStringList({"first A1", "A1", "A2", "A3", "last A3"}));
}

TEST(ReportLayout, CountsAndSumsPerGroupPageAndReport)
{
    Fixture report;
    report.addRows("1", "A", 2, 10.5);
    report.addRows("1", "B", 8, 1);
    using Scope = ReportVariable::Scope;
    report.definition.variables = {ReportVariable::count("groupCount", Scope::Group, "class"),
                                   ReportVariable::sum("groupSum", "score", Scope::Group, "class"),
                                   ReportVariable::count("pageCount", Scope::Page),
                                   ReportVariable::sum("reportSum", "score", Scope::Report),
                                   ReportVariable::count("reportCount", Scope::Report)};
    report.definition.pageFooter = textBand(10, ReportValue::variable("pageCount"));
    ReportGroup& group = report.addGroup("class", 0);
    group.footer = textBand(10, ReportValue::computed([](const ReportContext& c) {
                                return QStringLiteral("%1 rows, %2 points")
                                    .arg(c.variable("groupCount").toInt())
                                    .arg(c.variable("groupSum").toDouble());
                            }));
    report.definition.summary = textBand(10, ReportValue::computed([](const ReportContext& c) {
                                             return QStringLiteral("total %1 rows, %2 points")
                                                 .arg(c.variable("reportCount").toInt())
                                                 .arg(c.variable("reportSum").toDouble());
                                         }));
    const ReportPages pages = report.layout();

    ASSERT_NE(pageOf(pages, "2 rows, 21 points"), -1);
    EXPECT_NE(pageOf(pages, "8 rows, 8 points"), -1);
    EXPECT_NE(pageOf(pages, "total 10 rows, 29 points"), -1);
    // Page 1: A1, A2, footer of A, B1 to B3; page 2: B4 to B8 and the footer
    // of B; page 3: the summary alone, with no rows of its own.
    EXPECT_EQ(footers(pages), QStringList({"5", "5", "0"}));
}

TEST(ReportLayout, BandThatGrowsPushesTheNextRowDown)
{
    Fixture report;
    report.rows = std::make_shared<RecordList>(QStringList{"name", "lines"});
    report.rows->append({"one", 1});
    report.rows->append({"three", 3});
    report.rows->append({"after", 0});
    report.definition.detail.height = 5;
    report.definition.detail.elements = {
        ReportElement::text(QRectF(0, 0, 40, 5), ReportValue::field("name"))};
    report.definition.detail.grow = [](const ReportContext& c) {
        QList<ReportElement> lines;
        for (int n = 0; n < c.number("lines"); ++n)
            lines.append(ReportElement::text(QRectF(10, 5 + 4 * n, 30, 4),
                                             ReportValue::literal(QString::number(n + 1))));
        return lines;
    };
    const ReportPages pages = report.layout();
    const ReportPageItem* after = findText(pages, "after");
    ASSERT_NE(after, nullptr);
    // "one" is 5 + 4 mm tall, "three" 5 + 12 mm, from the body top at 20 mm.
    EXPECT_DOUBLE_EQ(after->rect.top(), 20 + 9 + 17);
}

TEST(ReportLayout, PrintDateIsWrittenInEnglishWhateverTheLocale)
{
    const QLocale previous;
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    Fixture report;
    report.definition.printDate = QDate(2005, 3, 5);
    report.definition.pageFooter = textBand(10, ReportValue::printDate("Printed On: %1"));
    const QStringList texts = report.layout().pages.at(0).texts();
    QLocale::setDefault(previous);
    EXPECT_EQ(texts.last(), "Printed On: March 5, 2005");
}

TEST(ReportLayout, FramedCellIsRuledRoundItsText)
{
    Fixture report;
    report.addRows("1", "A", 1);
    report.definition.detail.elements = {
        ReportElement::cell(QRectF(5, 0, 30, 10), ReportValue::field("name"))};
    const ReportPage page = report.layout().pages.at(0);
    auto text = std::find_if(page.items.begin(), page.items.end(),
                             [](const ReportPageItem& i) { return i.text == "A1"; });
    ASSERT_NE(text, page.items.end());
    const ReportPageItem& frame = *(text - 1);
    EXPECT_EQ(frame.kind, ReportPageItem::Kind::Box);
    EXPECT_EQ(frame.rect, QRectF(15, 20, 30, 10));
}

TEST(ReportLayout, DeclarationFaultsAreReportedByName)
{
    Fixture report;
    report.addRows("1", "A", 1);
    report.definition.detail = textBand(10, ReportValue::field("breed"));
    try {
        report.layout();
        FAIL() << "an unknown field printed";
    } catch (const dbf::Error& error) {
        EXPECT_TRUE(QString(error.what()).contains("\"breed\"")) << error.what();
    }

    Fixture grouped;
    grouped.addRows("1", "A", 1);
    grouped.definition.variables = {
        ReportVariable::count("n", ReportVariable::Scope::Group, "judge")};
    EXPECT_THROW(grouped.layout(), dbf::Error);
}

TEST(TableRecords, FeedTheRowsOfATableInTheChosenOrder)
{
    TempDir dir;
    const auto path = dir / "entries.dbf";
    dbf::FieldList fields{{"armband", dbf::FieldType::Character, 5},
                          {"breed", dbf::FieldType::Character, 20},
                          {"score", dbf::FieldType::Numeric, 6, 1},
                          {"tdate", dbf::FieldType::Date, 8},
                          {"junior", dbf::FieldType::Logical, 1}};
    dbf::Table::create(path, fields);
    auto table = dbf::Table::open(path);
    const std::vector<std::pair<const char*, const char*>> entries{
        {"  102", "Poodle"}, {"  101", "Beagle"}, {"  103", "Vizsla"}};
    for (const auto& [armband, breed] : entries) {
        table->blankBuffer();
        table->setText("armband", armband);
        table->setText("breed", breed);
        table->setNumber("score", 195.5);
        table->setDate("tdate",
                       dbf::Date{std::chrono::year(2005), std::chrono::March, std::chrono::day(5)});
        table->appendRecord();
    }
    table->addTag({"ARMBAND", "armband"});
    table->go(2);
    table->edit();
    table->setText("breed", "Being typed");

    auto source = TableRecords::inOrder(*table, "ARMBAND");
    Fixture report;
    report.rows.reset();
    report.definition.detail =
        textBand(10, ReportValue::computed([](const ReportContext& c) {
                     return c.text("armband") + "|" + c.text("breed") + "|" +
                            QString::number(c.number("score")) + "|" +
                            c.row().value("tdate").toDate().toString(Qt::ISODate) + "|" +
                            (c.row().value("junior").toBool() ? "J" : "-");
                 }));
    const ReportPages pages = ReportLayout::layout(Report{report.definition, source});
    EXPECT_EQ(pages.pages.at(0).texts().mid(1, 3),
              QStringList({"  101|Beagle|195.5|2005-03-05|-", "  102|Poodle|195.5|2005-03-05|-",
                           "  103|Vizsla|195.5|2005-03-05|-"}));

    // Laid out twice, the same rows come again: the source is read, not used up.
    EXPECT_EQ(ReportLayout::layout(Report{report.definition, source}).pages.at(0).texts().size(),
              5);
    // The report read the stored records: the edit, the record and the order stay.
    EXPECT_EQ(table->state(), dbf::Table::State::Edit);
    EXPECT_EQ(table->recno(), 2u);
    EXPECT_EQ(table->order(), "");
    EXPECT_EQ(table->text("breed"), "Being typed");
}
