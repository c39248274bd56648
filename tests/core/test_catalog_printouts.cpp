#include "CatalogShow.h"
#include "CliRun.h"
#include "DataRootFixture.h"
#include "PdfText.h"

#include "preparation/BreedsEntered.h"
#include "preparation/CatalogBuild.h"
#include "preparation/CatalogPreviewPrintout.h"
#include "preparation/CatalogPrintout.h"
#include "preparation/ExhibitorIndexPrintout.h"

#include "dbf/Table.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

#include <map>

// The catalog, the exhibitor index and the breeds listing as they come out
// on paper and in their files, read back by pdftotext and unrtf.

namespace
{

using ClassCodes::Section;

// Text limits of the pages in points: the booklet's halves and the full page.
struct Limits {
    double left;
    double right;
};
constexpr Limits kLeftHalf{27, 369};
constexpr Limits kRightHalf{432, 765};
constexpr Limits kFullPage{27, 585};
// pdftotext's boxes are a little wider than the glyphs.
constexpr double kSlack = 1.5;

std::string s(const QString& text)
{
    return text.toStdString();
}

// The page numbers printed on each sheet, left half first, by where "Page"
// stands.
std::vector<std::vector<int>> pageNumbers(const PdfWords& words)
{
    std::vector<std::vector<int>> sheets(std::size_t(words.pages));
    std::vector<std::map<double, int>> byX(std::size_t(words.pages));
    for (std::size_t i = 0; i + 1 < words.words.size(); ++i) {
        const PdfWord& word = words.words[i];
        if (word.text == u"Page")
            byX[std::size_t(word.page - 1)][word.xMin] = words.words[i + 1].text.toInt();
    }
    for (std::size_t sheet = 0; sheet < byX.size(); ++sheet)
        for (const auto& [x, number] : byX[sheet])
            sheets[sheet].push_back(number);
    return sheets;
}

void expectWithin(const PdfWords& words, bool booklet)
{
    for (const PdfWord& word : words.words) {
        const Limits limits = !booklet ? kFullPage : word.xMin < 792 / 2 ? kLeftHalf : kRightHalf;
        EXPECT_GE(word.xMin, limits.left - kSlack) << s(word.text) << " on sheet " << word.page;
        EXPECT_LE(word.xMax, limits.right + kSlack) << s(word.text) << " on sheet " << word.page;
    }
}

class CatalogPrintoutTest : public ::testing::Test
{
protected:
    Tdmod& data() { return fixture.data(); }

    QString path(const std::string& name) const
    {
        return QString::fromStdString((fixture.dir / name).string());
    }

    CatalogContent content(Section section, bool results = false)
    {
        BuildCatalogTable(data());
        CatalogRun run;
        run.section = section;
        run.classes = catalogClasses(data(), section);
        run.results = results;
        return CatalogContent::read(data(), run);
    }

    PdfWords pages(const CatalogContent& content, const CatalogPageOptions& options,
                   const std::string& name)
    {
        const QString pdf = path(name);
        EXPECT_TRUE(CatalogPrintout(content, options).write(PrintFormat::Pdf, pdf));
        return pdfWords(pdf);
    }

    DataRootFixture fixture;
};

TEST_F(CatalogPrintoutTest, BookletPagesGoLeftThenRightWithinTheirLimits)
{
    makeCatalogShow(data(), 80);
    const CatalogContent obedience = content(Section::Obedience);
    CatalogPageOptions options;
    const PdfWords words = pages(obedience, options, "booklet.pdf");
    ASSERT_GT(words.pages, 2);
    EXPECT_EQ(words.pageSize, QSizeF(792, 612)) << "landscape Letter";

    // Page 1 on the left, 2 on the right of the first sheet, and so on.
    const auto numbers = pageNumbers(words);
    int expected = 1;
    for (std::size_t sheet = 0; sheet < numbers.size(); ++sheet) {
        const std::vector<int> pair = sheet + 1 < numbers.size() || numbers[sheet].size() == 2
                                          ? std::vector<int>{expected, expected + 1}
                                          : std::vector<int>{expected};
        EXPECT_EQ(numbers[sheet], pair) << "sheet " << sheet + 1;
        expected += 2;
    }
    expectWithin(words, true);

    // A class that runs onto a page begins it with its title and "(Cont.)",
    // at the page's left limit, above everything else of the page.
    int continued = 0;
    for (std::size_t i = 1; i < words.words.size(); ++i) {
        const PdfWord& word = words.words[i];
        if (word.text != u"(Cont.)")
            continue;
        ++continued;
        const Limits half = word.xMin < 396 ? kLeftHalf : kRightHalf;
        double top = 1e9;
        double titleLeft = 1e9;
        for (const PdfWord& other : words.words) {
            if (other.page != word.page || (other.xMin < 396) != (word.xMin < 396))
                continue;
            top = std::min(top, other.yMin);
            if (std::abs(other.yMin - word.yMin) < 1)
                titleLeft = std::min(titleLeft, other.xMin);
        }
        EXPECT_NEAR(word.yMin, top, 1) << "sheet " << word.page;
        EXPECT_NEAR(titleLeft, half.left, kSlack) << "sheet " << word.page;
    }
    EXPECT_GT(continued, 0);
    // The classes' heading and judges are there: the first page begins with
    // the first group.
    EXPECT_TRUE(words.find("NOVICE", 1));
    EXPECT_TRUE(words.find("Whitcombe", 1));
}

TEST_F(CatalogPrintoutTest, ABookletStartingOnTheRightLeavesTheFirstLeftPageEmpty)
{
    makeCatalogShow(data(), 30);
    CatalogPageOptions options;
    options.startOnRight = true;
    options.startPage = 5;
    const PdfWords words = pages(content(Section::Rally), options, "right.pdf");
    ASSERT_GE(words.pages, 2);
    for (const PdfWord& word : words.words) {
        if (word.page == 1)
            EXPECT_GE(word.xMin, kRightHalf.left - kSlack) << s(word.text);
    }
    const auto numbers = pageNumbers(words);
    EXPECT_EQ(numbers.at(0), std::vector<int>{5});
    EXPECT_EQ(numbers.at(1).front(), 6) << "the next page is the left half of a new sheet";
}

TEST_F(CatalogPrintoutTest, TheFullPageKeepsItsLimitsAndDropsPageNumbersWhenAsked)
{
    makeCatalogShow(data(), 80);
    const CatalogContent rally = content(Section::Rally);
    CatalogPageOptions options;
    options.layout = CatalogLayout::FullPage;
    options.settings.clubName = 1;
    options.settings.eachPage = 1;
    const PdfWords numbered = pages(rally, options, "full.pdf");
    EXPECT_EQ(numbered.pageSize, QSizeF(612, 792)) << "portrait Letter";
    ASSERT_GT(numbered.pages, 1);
    expectWithin(numbered, false);
    const auto numbers = pageNumbers(numbered);
    for (int sheet = 0; sheet < numbered.pages; ++sheet) {
        EXPECT_EQ(numbers[std::size_t(sheet)], std::vector<int>{sheet + 1});
        EXPECT_TRUE(numbered.find("Riverbend", sheet + 1)) << "the club on each page";
    }

    options.pageNumbers = false;
    const PdfWords plain = pages(rally, options, "plain.pdf");
    EXPECT_FALSE(plain.find("Page"));
    EXPECT_LE(plain.pages, numbered.pages) << "three more lines on each page";
}

// A one-trial show: the blank score line before each armband, and in results
// mode the entry's score and the placed dogs in place of the blank lines.
TEST_F(CatalogPrintoutTest, AOneTrialShowPrintsScoresInResultsMode)
{
    fixture.addShowDates(1, QDate(2027, 4, 10), 1);
    dbf::Table& dates = *data().ShowDates();
    dates.edit();
    dates.setLogical("t1or", true);
    dates.post();
    data().CreateShowEntryTable(1, "04/10/2027");
    dbf::Table& entries = *data().TzDbf1();
    data().OpenResults(1);
    dbf::Table& results = *data().Results();
    for (const auto& [reg, arm, score, place] :
         {std::tuple{"DN1", "101", "190.5", "2"}, std::tuple{"DN2", "102", "195", "1"}}) {
        entries.append();
        entries.setText("reg", reg);
        entries.setText("arm", arm);
        entries.setText("dog", std::string("Dog ") + reg);
        entries.setLogical("t1orna", true);
        entries.post();
        results.append();
        results.setText("trial", "1");
        results.setText("db_key", "ORNA");
        results.setText("reg", reg);
        results.setText("armband", arm);
        results.setText("score", score);
        results.setText("place", place);
        results.post();
    }

    ASSERT_TRUE(CatalogPrintout(content(Section::Obedience), {})
                    .write(PrintFormat::Pdf, path("blank.pdf")));
    const QString plain = pdfText(path("blank.pdf"));
    EXPECT_TRUE(plain.contains(QRegularExpression("______ +101 +Dog DN1\\.")));
    EXPECT_TRUE(plain.contains(QRegularExpression("First _+ +Second _+"))) << s(plain);

    ASSERT_TRUE(CatalogPrintout(content(Section::Obedience, true), {})
                    .write(PrintFormat::Pdf, path("results.pdf")));
    const QString scored = pdfText(path("results.pdf"));
    EXPECT_TRUE(scored.contains(QRegularExpression("190\\.5 +101 +Dog DN1\\."))) << s(scored);
    EXPECT_TRUE(scored.contains(QRegularExpression("First: 102 +Second: 101"))) << s(scored);
    EXPECT_TRUE(scored.contains(QRegularExpression("Score: 195 +Score: 190\\.5"))) << s(scored);
}

// The preview as an RTF file that another reader takes: its paragraphs in
// catalog order, its tab stops and its hanging indent.
TEST_F(CatalogPrintoutTest, ThePreviewFileReadsBackInCatalogOrder)
{
    makeCatalogShow(data(), 30);
    CatalogPreviewOptions options;
    options.clubName = true;
    const RichListing preview =
        CatalogPreviewPrintout::listing(content(Section::Obedience), options);
    const QString rtf = path(s(CatalogPreviewPrintout::fileName(Section::Obedience)));
    EXPECT_TRUE(rtf.endsWith("/Obedience.rtf"));
    ASSERT_TRUE(preview.write(PrintFormat::Rtf, rtf));

    QFile file(rtf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray raw = file.readAll();
    EXPECT_TRUE(raw.contains("\\li600\\fi-600\\tx600\\tx3000\\tx5000\\tx7000"));

    const CliRun text = runProgram("unrtf", {"--text", rtf});
    ASSERT_EQ(text.exitCode, 0) << s(text.err);
    // unrtf sets a tab out as blanks and a line break; read as words only.
    QStringList read;
    for (const QString& line : text.out.split(u'\n')) {
        if (!line.startsWith("###"))
            read << line;
    }
    const QString words = read.join(u' ').simplified();
    EXPECT_TRUE(words.startsWith("----------------- Riverbend Dog Training Club NOVICE CLASSES "
                                 "Novice A Saturday's Judge: Ann Whitcombe Sunday's Judge: Victor "
                                 "Halloran "))
        << s(words.left(300));
    // An entry of a two-trial show: the armband with a column for each
    // trial it runs, then its text; after the class, a block per trial.
    EXPECT_TRUE(words.contains(QRegularExpression(
        "Halloran \\d+ Saturday: _______( Sunday: _______)? \\. [^.]+\\. DN\\d+\\. ")))
        << s(words.left(400));
    EXPECT_TRUE(words.contains("Saturday: First ________ Second ________"));
    EXPECT_TRUE(words.contains("Sunday: First ________"));
}

TEST(CatalogSettings, RestoreDefaultsAndStoredValuesOutOfRange)
{
    const CatalogPrintSettings restored = restoredCatalogSettings();
    EXPECT_EQ(restored.classLines, 1);
    EXPECT_EQ(restored.catLines, 2);
    EXPECT_TRUE(restored.catBreak);
    EXPECT_EQ(restored.footerLines + restored.placeLines + restored.entryLines, 0);
    EXPECT_TRUE(restored.bold && restored.save && !restored.caps && !restored.classBreaks);

    DataRootFixture fixture;
    Preferences& preferences = fixture.data().preferences();
    ASSERT_TRUE(preferences.writeMany({{"FullPageSettings", "ClubName", "7"},
                                       {"FullPageSettings", "EntryLines", "40"},
                                       {"FullPageSettings", "CatLines", "-3"}}));
    const CatalogPrintSettings stored = storedCatalogSettings(preferences, CatalogLayout::FullPage);
    EXPECT_EQ(stored.clubName, 1);
    EXPECT_EQ(stored.entryLines, 10);
    EXPECT_EQ(stored.catLines, 0);
    EXPECT_EQ(storedCatalogSettings(preferences, CatalogLayout::Booklet), CatalogPrintSettings{})
        << "the booklet's own section";
}

class ExhibitorIndexTest : public ::testing::Test
{
protected:
    ExhibitorIndexTest()
    {
        fixture.addShowDates(1, QDate(2027, 4, 10), 1);
        dbf::Table& dates = *data().ShowDates();
        dates.edit();
        dates.setLogical("t1or", true);
        dates.setLogical("t1rr", true);
        dates.post();
        data().CreateShowEntryTable(1, "04/10/2027");
        data().OpenOwners();
        data().OpenDogs();
        data().OpenBreeds();
        add(*data().Owners(), {{"owner_id", "00001"},
                               {"first", "Mary"},
                               {"last", "Smith"},
                               {"address", "12 Elm St"},
                               {"city", "Springfield"},
                               {"state", "IL"},
                               {"zip", "62701"},
                               {"phone", "555-123-4567"}});
        add(*data().Dogs(), {{"reg", "DN2"}, {"owner2", "Bob Jones"}});
        add(*data().Breeds(), {{"breed_name", "Poodle (Toy)"}, {"short_name", "Toy Poodle"}});
        // Mary Smith's dogs in name order: DN1 alone, DN2 with a co-owner,
        // DN3 alone again; Al Adams is not in the owners table.
        entry("DN1", "101", "Smith", "Mary", "00001", "Poodle (Toy)", "t1orna");
        entry("DN2", "102", "Smith", "Mary", "00001", "Beagle", "t1orna");
        entry("DN3", "103", "Smith", "Mary", "00001", "Poodle (Miniature)", "t1rrna");
        entry("DN4", "104", "Adams", "Al", "00009", "Poodle", "t1orna");
        entry("DN5", "105", "Baker", "Bo", "00009", "Akita", "t1orna");
        data().TzDbf1()->setDeleted(true);
    }
    Tdmod& data() { return fixture.data(); }

    static void add(dbf::Table& table, const std::map<std::string, std::string>& fields)
    {
        table.append();
        for (const auto& [field, value] : fields)
            table.setText(field, value);
        table.post();
    }
    void entry(const char* reg, const char* arm, const char* last, const char* first,
               const char* owner, const char* breed, const char* flag)
    {
        dbf::Table& entries = *data().TzDbf1();
        add(entries, {{"reg", reg},
                      {"arm", arm},
                      {"last", last},
                      {"first", first},
                      {"owner_id", owner},
                      {"breed", breed}});
        entries.edit();
        entries.setLogical(flag, true);
        entries.post();
    }

    DataRootFixture fixture;
};

TEST_F(ExhibitorIndexTest, OneOwnerAndCoOwnerIsOneExhibitorWithAllTheirEntries)
{
    ExhibitorIndex::Options options;
    options.phones = true;
    options.shortNames = true;
    const auto index = ExhibitorIndex::read(data(), options);
    ASSERT_TRUE(index) << s(index.message());
    QStringList lines;
    for (const ExhibitorIndex::Exhibitor& exhibitor : index->exhibitors)
        lines << ExhibitorIndex::name(exhibitor, options) + " | " +
                     ExhibitorIndex::details(exhibitor, options);
    EXPECT_EQ(lines, QStringList({
                         "Adams, Al |    Entries:  104",
                         "Smith, Mary | 12 Elm St   Springfield, IL  62701  555-123-4567  "
                         "[Toy Poodle]   Entries:  101, 103",
                         "Smith, Mary, Bob Jones | 12 Elm St   Springfield, IL  62701  "
                         "555-123-4567  [Beagle]   Entries:  102",
                     }));

    options.sections = ExhibitorIndex::Sections::RallyOnly;
    const auto rally = ExhibitorIndex::read(data(), options);
    ASSERT_TRUE(rally);
    ASSERT_EQ(rally->exhibitors.size(), 1u);
    EXPECT_EQ(rally->exhibitors[0].entries, "Entries:  103");
}

TEST_F(ExhibitorIndexTest, ASectionTheShowDoesNotOfferIsRefused)
{
    dbf::Table& dates = *data().ShowDates();
    dates.edit();
    dates.setLogical("t1or", false);
    dates.post();
    ExhibitorIndex::Options options;
    options.sections = ExhibitorIndex::Sections::ObedienceOnly;
    const auto refused = ExhibitorIndex::read(data(), options);
    ASSERT_FALSE(refused);
    EXPECT_EQ(refused.message(), "There are NO Obedience Classes in this Show!;;Try again.");
}

TEST_F(ExhibitorIndexTest, ThePrintedIndexHasItsHeadingOnceAndStaysWithinItsLimits)
{
    ExhibitorIndex::Options options;
    options.capitals = true;
    // Enough exhibitors for more than a sheet.
    for (int n = 0; n < 160; ++n)
        entry("X", "2", qPrintable(QStringLiteral("Zed%1").arg(n, 3, 10, QChar(u'0'))),
              "Long Firstname", "00001", "Nova Scotia Duck Tolling Retriever", "t1orna");
    for (const auto format : {BookletSheets::Format::Booklet, BookletSheets::Format::FullPage}) {
        const bool booklet = format == BookletSheets::Format::Booklet;
        const QString pdf =
            QString::fromStdString((fixture.dir / (booklet ? "b.pdf" : "f.pdf")).string());
        ASSERT_TRUE(ExhibitorIndexPrintout(format, *ExhibitorIndex::read(data(), options), options)
                        .write(PrintFormat::Pdf, pdf));
        const PdfWords words = pdfWords(pdf);
        ASSERT_GT(words.pages, 1);
        int headings = 0;
        for (const PdfWord& word : words.words) {
            headings += word.text == u"Exhibitors";
            const Limits limits = !booklet              ? Limits{90, 594}
                                  : word.xMin < 792 / 2 ? kLeftHalf
                                                        : kRightHalf;
            EXPECT_GE(word.xMin, limits.left - kSlack) << s(word.text);
            EXPECT_LE(word.xMax, limits.right + kSlack) << s(word.text);
        }
        EXPECT_EQ(headings, 1);
        EXPECT_TRUE(words.find("SMITH,", 0));
        EXPECT_TRUE(words.find("--", 0)) << "the letters' separation";
        EXPECT_EQ(pageNumbers(words).at(0).front(), 1);
    }
}

TEST(BreedsEnteredListing, VarietiesCountWithTheirBreedAndDeletedEntriesApart)
{
    DataRootFixture fixture;
    fixture.addShowDates(1, QDate(2027, 4, 10), 1);
    fixture.data().CreateShowEntryTable(1, "04/10/2027");
    dbf::Table& entries = *fixture.data().TzDbf1();
    for (const char* breed : {"Poodle (Toy)", "Akita", "Poodle (Miniature)", "Poodle", "Akita"}) {
        entries.append();
        entries.setText("breed", breed);
        entries.post();
    }
    entries.setDeleted(true);
    EXPECT_EQ(
        BreedsEntered::lines(entries),
        QStringList({"Breed                         \tNumber of Entries",
                     "Akita                         \t  1", "Poodle                        \t  3",
                     " ", "Total Entries =   4", " ", "with   1 deleted entries"}));
}

} // namespace
