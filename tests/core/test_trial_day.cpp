#include "CliRun.h"
#include "DataRootFixture.h"
#include "PdfText.h"

#include "preparation/JudgeAssignments.h"
#include "storage/RecordValues.h"
#include "trialday/ArmbandRanges.h"
#include "trialday/GateLists.h"
#include "trialday/GateWorkTable.h"
#include "trialday/JudgesBook.h"
#include "trialday/RallyClassChoice.h"
#include "trialday/RallyWorkTable.h"
#include "trialday/ScheduleLists.h"
#include "trialday/ScoreBoxSheets.h"

#include "dbf/Error.h"
#include "dbf/Table.h"

#include <QFileInfo>
#include <QRegularExpression>
#include <QTextCursor>
#include <QTextDocument>

#include <gtest/gtest.h>

// The show-day paperwork: the gate steward lists, the judging schedule's
// armband lists, the rally score-box sheets and the rally judge's book.

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

// A two-trial show (Saturday and Sunday) with regular obedience, Veterans
// and regular rally, and a judge for each class of trial 1.
class TrialDayTest : public ::testing::Test
{
protected:
    TrialDayTest()
    {
        fixture.addShowDates(1, QDate(2027, 4, 10), 2);
        dbf::Table& dates = *data().ShowDates();
        dates.edit();
        for (const char* flag : {"t1or", "t2or", "t1ovt", "t1rr", "t2rr"})
            dates.setLogical(flag, true);
        dates.setText("t1_r_evnum", "2027R01");
        dates.post();
        data().CreateShowEntryTable(1, "04/10/2027");
        data().OpenJudges();
        for (const auto& [number, first, last] : {std::tuple{"00001", "Ann", "Lee"},
                                                  {"00002", "Cy", "Brown"},
                                                  {"00003", "Dee", "Moss"}}) {
            dbf::Table& judges = *data().Judges();
            judges.append();
            judges.setText("judgenum", number);
            judges.setText("first", first);
            judges.setText("last", last);
            judges.post();
        }
        JudgeAssignments judges(data());
        judges.setClasses(1, "00001", {"ORNA", "OROB", "ONVT"});
        judges.setClasses(1, "00002", {"RRNA", "RREA"});
        judges.setClasses(1, "00003", {"RRAA"});
        judges.setClasses(2, "00001", {"ORNA"});
        judges.setClasses(2, "00002", {"RRNA"});
        fixture.messages.texts.clear();
    }
    Tdmod& data() { return fixture.data(); }
    dbf::Table& entries() { return *data().TzDbf1(); }

    // An entry: armband, breed, flags and fields by name; owner Mary Smith.
    void add(const QString& arm, const char* breed, const QStringList& flags,
             const QList<std::pair<const char*, QString>>& fields = {})
    {
        entries().append();
        entries().setText("reg", ("DN" + QString::number(++dogs_)).toStdString());
        entries().setText("arm", arm.toStdString());
        entries().setText("breed", breed);
        entries().setText("first", "Mary");
        entries().setText("last", "Smith");
        for (const QString& flag : flags)
            entries().setLogical(flag.toStdString(), true);
        for (const auto& [field, value] : fields)
            entries().setText(field, value.toStdString());
        entries().post();
    }
    // `count` dogs in one rally class of trial 1, armbands from `first`.
    void addDogs(int count, int first, const QString& flag)
    {
        for (int n = 0; n < count; ++n)
            add(QString::number(first + n), "Beagle", {flag});
    }

    static QStringList lines(const RichListing& listing)
    {
        return listing.document().toPlainText().split(u'\n');
    }

    // The ruled rows of a page whose first cell starts at `left` and is
    // `width` wide, the column head included.
    static int rowsAt(const ReportPage& page, double left, double width)
    {
        int rows = 0;
        for (const ReportPageItem& item : page.items) {
            if (item.kind == ReportPageItem::Kind::Box && qAbs(item.rect.left() - left) < 0.01 &&
                qAbs(item.rect.width() - width) < 0.01 && qAbs(item.rect.height() - 6.35) < 0.01) {
                EXPECT_LE(item.rect.bottom(), 279.4 - 6.35 + 0.01) << "inside the margin";
                ++rows;
            }
        }
        return rows;
    }

    QString workTablePath() { return data().root().tableFile(TableSchemas::VRallybk()); }

    DataRootFixture fixture;
    int dogs_ = 0;
};

TEST_F(TrialDayTest, TheGateListsFollowTheirLayoutLineByLine)
{
    add("103", "Beagle", {"t1orna", "t2orna", "t1rrna"}, {{"ob_jmpht", "16"}});
    add("101", "Border Collie", {"t1orna", "t1orob"}, {{"ob_jmpht", "20"}, {"handler", "Jo King"}});
    add("102", "Poodles (Toy)", {"t1orob", "t1onvt"});
    add("104", "Beagle", {"t1orna"});
    entries().setDeleted(true);

    GateLists::Options options;
    options.jumpHeights = options.handlers = true;
    const RichListing listing = GateLists::build(data(), ClassCodes::Section::Obedience, options);
    const QString gap = "  ";
    const QStringList header{gap, " ", " "};
    EXPECT_EQ(
        lines(listing),
        QStringList({gap, "Trial # 1   Saturday, April 10th, 2027", "Judge: Ann Lee", "Novice A",
                     " ", "101\t\tBorder Collie\tJo King", "103\t\tBeagle\tSmith, Mary"}) +
            header +
            QStringList({"Trial # 1   Saturday, April 10th, 2027", "Judge: Ann Lee", "Open B", " ",
                         "101\t [20\"]\tBorder Collie\tJo King",
                         "102\t [  \"]\tPoodles (Toy)\tSmith, Mary"}) +
            header +
            QStringList({"Trial # 1   Saturday, April 10th, 2027", "Judge: Ann Lee", "Veterans",
                         " ", "102\t\tPoodles (Toy)\tSmith, Mary"}) +
            header +
            QStringList({"Trial # 2   Sunday, April 11th, 2027", "Judge: Ann Lee", "Novice A", " ",
                         "103\t\tBeagle\tSmith, Mary"}));
    EXPECT_EQ(fixture.messages.texts, QStringList());
    EXPECT_EQ(listing.title(), "Obedience Gate Steward Lists");
    EXPECT_EQ(listing.pageHeader(), listing.title());
    QTextCursor first(const_cast<QTextDocument*>(&listing.document()));
    first.movePosition(QTextCursor::NextCharacter);
    EXPECT_EQ(first.charFormat().fontPointSize(), 14);
    EXPECT_EQ(first.charFormat().fontWeight(), QFont::Bold);
    // The title heads each printed page at the right, in the top margin.
    const QString pdf = QString::fromStdString((fixture.dir / "gate.pdf").string());
    ASSERT_TRUE(listing.write(PrintFormat::Pdf, pdf));
    const PdfWords words = pdfWords(pdf);
    const PdfWord* head = words.find("Lists", 1);
    ASSERT_TRUE(head);
    EXPECT_LT(head->yMax, 30 / 25.4 * 72);
    EXPECT_GT(head->xMin, words.pageSize.width() / 2);

    // The defaults of the window, with short breed names and no trial number.
    GateLists::Options plain;
    plain.trialInTitle = false;
    plain.shortBreeds = true;
    const QStringList rally = lines(GateLists::build(data(), ClassCodes::Section::Rally, plain));
    EXPECT_EQ(rally, QStringList({gap, "Saturday, April 10th, 2027", "Judge: Cy Brown",
                                  "Rally Novice A", " ", "103\tBeagle"}));
    const QStringList shortNames =
        lines(GateLists::build(data(), ClassCodes::Section::Obedience, plain));
    EXPECT_TRUE(shortNames.contains("101\tBorder Col")) << s(shortNames.join('|'));
    EXPECT_TRUE(shortNames.contains("102\tToy Poodle")) << s(shortNames.join('|'));
}

TEST(GateLists, ClassesTakeJumpHeightsByTheirNames)
{
    const struct {
        const char* name;
        bool jumps;
    } cases[] = {{"Novice A", false},
                 {"Rally Novice B", false},
                 {"pre-novice", false},
                 {"Graduate Novice", true},
                 {"Wild Card Novice", false},
                 {"Open B", true},
                 {"Utility A", true},
                 {"Rally Advanced A", true},
                 {"Veterans", false},
                 {"Brace", false},
                 {"Team", false},
                 {"Rally T Challenge Team", false},
                 {"Advanced Teamwork", false},
                 {"International", true}};
    for (const auto& c : cases)
        EXPECT_EQ(GateLists::takesJumpHeights(c.name), c.jumps) << c.name;
    EXPECT_EQ(GateLists::jumpHeightCell("16", true), " [16\"]");
    EXPECT_EQ(GateLists::jumpHeightCell(" 8", true), " [ 8\"]");
    EXPECT_EQ(GateLists::jumpHeightCell("  ", true), " [  \"]");
    EXPECT_EQ(GateLists::jumpHeightCell("16", false), "");
}

TEST_F(TrialDayTest, EntriesWithoutArmbandsAreListedAs999AndToldOnce)
{
    add("", "Beagle", {"t1orna"});
    add("", "Boxer", {"t1orna", "t1orob"});
    add("101", "Akita", {"t1orna"});
    EXPECT_EQ(GateWorkTable::FillGateWorkTable(data(), ClassCodes::Section::Obedience), 4);
    EXPECT_EQ(fixture.messages.texts, QStringList{GateWorkTable::kMissingArmbandsMessage});
    const dbf::Table& gate = *data().TzVDbf1();
    QStringList armbands;
    for (std::uint32_t recno : gate.recordsInOrder("TrialKEY"))
        armbands << RecordValues::text(gate.record(recno), "armband");
    EXPECT_EQ(armbands, QStringList({"101", "999", "999", "999"}));
    EXPECT_EQ(RecordValues::text(gate.record(1), "srtkey"), "010");
    EXPECT_EQ(RecordValues::date(gate.record(1), "tdate"), QDate(2027, 4, 10));
}

TEST(ArmbandRanges, RunsOfNumbersBecomeRanges)
{
    const struct {
        QStringList armbands;
        const char* list;
    } cases[] = {
        {{"101", "102", "103", "105", "107", "108"}, "101-103, 105, 107-108"},
        {{"101"}, "101"},
        {{"101", "102"}, "101-102"},
        {{"  99", " 100", " 101"}, "99-101"},
        {{"101", "103", "105"}, "101, 103, 105"},
        {{"999", "999"}, "999, 999"},
        // Not a whole number: on its own, and no range runs through it.
        {{"101", "102", "102A", "103"}, "101-102, 102A, 103"},
        {{"8 01", "8 02", "9"}, "8 01, 8 02, 9"},
        {{"A1", "101", "102"}, "A1, 101-102"},
    };
    for (const auto& c : cases) {
        ArmbandRanges ranges;
        for (const QString& armband : c.armbands)
            ranges.add(armband);
        EXPECT_EQ(s(ranges.text()), c.list) << s(c.armbands.join(','));
        EXPECT_EQ(ranges.count(), c.armbands.size());
    }
    ArmbandRanges one;
    one.add("101");
    EXPECT_EQ(one.numbersLine(), "Nos. 101");
    EXPECT_EQ(one.countText(), "1 Entries");
}

TEST_F(TrialDayTest, TheScheduleListsGiveEachClassItsCountAndRanges)
{
    for (const char* arm : {"105", "101", "108", "102", "107", "103"})
        add(arm, "Beagle", {"t1rrna"});
    for (const char* arm : {"103", "102A", "101", "102"})
        add(arm, "Beagle", {"t1rrea"});
    const QStringList listed =
        lines(ScheduleLists::build(data(), ClassCodes::Section::Rally, true));
    EXPECT_EQ(listed,
              QStringList({"  ", "Trial # 1   Saturday, April 10th, 2027", "Judge: Cy Brown",
                           QString("Rally Novice A").leftJustified(30) + "\t6 Entries", " ",
                           "Nos. 101-103, 105, 107-108", "  ", " ", " ",
                           "Trial # 1   Saturday, April 10th, 2027", "Judge: Cy Brown",
                           QString("Rally Excellent A").leftJustified(30) + "\t4 Entries", " ",
                           "Nos. 101-102, 102A, 103"}));
    EXPECT_EQ(ScheduleLists::title(ClassCodes::Section::Rally), "Rally Judging Schedule Info");
}

TEST(RallyWorkTable, FillerRowsPadEachClass)
{
    const struct {
        int dogs, scoreBox, judgesBook;
    } cases[] = {{0, 35, 29}, {9, 26, 20},  {10, 25, 19}, {27, 8, 2}, {28, 7, 35}, {30, 5, 33},
                 {33, 2, 30}, {34, 35, 29}, {40, 29, 23}, {61, 8, 2}, {62, 7, 35}, {68, 35, 29}};
    for (const auto& c : cases) {
        EXPECT_EQ(RallyWorkTable::scoreBoxFillers(c.dogs), c.scoreBox) << c.dogs;
        EXPECT_EQ(RallyWorkTable::judgesBookFillers(c.dogs), c.judgesBook) << c.dogs;
    }
}

TEST_F(TrialDayTest, TheScoreBoxSheetsTellOfDuplicatesAndKeepDogsWithoutArmbands)
{
    add("101", "Beagle", {"t1rrna"});
    add("101", "Boxer", {"t1rrna"});
    add("", "Akita", {"t1rrna"});
    add("", "Pug", {"t1rrna"});
    const Result<ReportPages> pages = ScoreBoxSheets::print(data(), {1, {"RRNA"}, true});
    ASSERT_TRUE(pages) << s(pages.message());
    EXPECT_EQ(fixture.messages.texts,
              QStringList({"Your database contains a Duplicate Armband # 101] for Trial # 1\r\n\r\n"
                           "There will be only one listing in this report",
                           RallyWorkTable::kMissingArmbandsMessage}));
    const QStringList texts = pages->pages.at(0).texts();
    EXPECT_EQ(texts.count("Beagle"), 1);
    EXPECT_EQ(texts.count("Boxer"), 0) << "the second 101 is left off";
    EXPECT_EQ(texts.count("Akita") + texts.count("Pug"), 2) << "both dogs without a number";

    // The work table was let go of, and holds the class with its fillers.
    auto work = dbf::Table::open(workTablePath().toStdString());
    EXPECT_EQ(work->recordCount(), 35u);
}

TEST_F(TrialDayTest, TheScoreBoxSheetsRuleAColumnPerThirtyFiveRows)
{
    addDogs(34, 101, "t1rrna");
    addDogs(1, 201, "t1rrea");
    const Result<ReportPages> pages = ScoreBoxSheets::print(data(), {1, {"RRNA", "RREA"}, true});
    ASSERT_TRUE(pages) << s(pages.message());
    ASSERT_EQ(pages->pages.size(), 2);
    // In class-key order: Excellent before Novice.
    const ReportPage& excellent = pages->pages.at(0);
    const ReportPage& novice = pages->pages.at(1);
    EXPECT_TRUE(excellent.texts().contains("Class: Rally Excellent A"));
    EXPECT_TRUE(novice.texts().contains("Class: Rally Novice A"));
    EXPECT_TRUE(novice.texts().contains("Judge: Cy Brown"));
    EXPECT_TRUE(novice.texts().contains("Date: Saturday, April 10th, 2027"));
    EXPECT_TRUE(novice.texts().contains("Name Of Club: Unknown"));
    // One dog and 34 fillers fill the first column; 34 dogs and 35 fillers
    // both columns but for one row. Each column has its heads.
    EXPECT_EQ(rowsAt(excellent, 6.35, 14), 1 + 35);
    EXPECT_EQ(rowsAt(excellent, 6.35 + 101.6, 14), 1);
    EXPECT_EQ(rowsAt(novice, 6.35, 14), 1 + 35);
    EXPECT_EQ(rowsAt(novice, 6.35 + 101.6, 14), 1 + 34);
    EXPECT_EQ(novice.texts().count("HT"), 2);
    EXPECT_EQ(novice.texts().count("Arm #"), 2);

    const Result<ReportPages> plain = ScoreBoxSheets::print(data(), {1, {"RREA"}, false});
    ASSERT_TRUE(plain);
    EXPECT_FALSE(plain->pages.at(0).texts().contains("HT"));
    EXPECT_EQ(rowsAt(plain->pages.at(0), 6.35, 21.6), 1 + 35);
    EXPECT_EQ(plain->pages.at(0).texts().count("Armband #"), 2);
}

TEST_F(TrialDayTest, TheRallySheetsRefuseWhenNothingCanPrint)
{
    EXPECT_EQ(ScoreBoxSheets::print(data(), {1, {}, true}).message(),
              "No Classes have been selected");
    EXPECT_EQ(printJudgesBook(data(), 1, {"RRNA"}, false).message(),
              "There are no Entries!\r\nAborting");
}

TEST_F(TrialDayTest, TheJudgesBookGivesEachClassItsPageSetAndItsOwnJudge)
{
    addDogs(30, 101, "t1rrna");
    addDogs(2, 201, "t1rraa");
    const Result<ReportPages> book = printJudgesBook(data(), 1, {"RRNA", "RRAA"}, false);
    ASSERT_TRUE(book) << s(book.message());
    ASSERT_EQ(book->pages.size(), 3);
    const ReportPage& advanced = book->pages.at(0);
    EXPECT_TRUE(advanced.texts().contains("Class: Rally Advanced A"));
    EXPECT_TRUE(advanced.texts().contains("Judge: Dee Moss"));
    EXPECT_TRUE(advanced.texts().contains("Page 1 of 1"));
    EXPECT_TRUE(advanced.texts().contains("Event #: 2027R01"));
    EXPECT_EQ(rowsAt(advanced, 6.35, 24), 1 + 29) << "two dogs and 27 fillers";
    for (int page : {1, 2}) {
        const QStringList texts = book->pages.at(page).texts();
        EXPECT_TRUE(texts.contains("Judge: Cy Brown")) << page;
        EXPECT_FALSE(texts.contains("Judge: Dee Moss")) << page;
        EXPECT_TRUE(texts.contains(QString("Page %1 of 2").arg(page))) << page;
        EXPECT_TRUE(texts.contains("Trial # 1")) << page;
    }
    // 30 dogs and 33 fillers: a full page, then 29 rows above the footer.
    EXPECT_EQ(rowsAt(book->pages.at(1), 6.35, 24), 1 + 34);
    EXPECT_EQ(rowsAt(book->pages.at(2), 6.35, 24), 1 + 29);
    EXPECT_FALSE(book->pages.at(1).texts().contains("1st Place"));
    EXPECT_TRUE(book->pages.at(2).texts().contains("Judge's Signature:  "));
    EXPECT_EQ(fixture.messages.texts, QStringList());
}

TEST_F(TrialDayTest, TheJudgesBookPrintsTheResultsWhenAsked)
{
    add("201", "Beagle", {"t1rrea"});
    add("202", "Boxer", {"t1rrea"});
    add("203", "Pug", {"t1rrea"});
    data().OpenResults(1);
    dbf::Table& results = *data().Results();
    const struct {
        const char* reg;
        const char* runtime;
        const char* points;
        const char* score;
        const char* place;
    } scored[] = {{"DN1", "2.10.05", "3", "97", "2"}, {"DN2", "1.58.40", "1", "99", "1"}};
    for (const auto& r : scored) {
        results.append();
        results.setText("trial", "1");
        results.setText("db_key", "RREA");
        results.setText("reg", r.reg);
        results.setText("runtime", r.runtime);
        results.setText("points_off", r.points);
        results.setText("score", r.score);
        results.setText("place", r.place);
        results.post();
    }
    // The place boxes follow their labels.
    const auto places = [](const ReportPage& page) {
        const QStringList texts = page.texts();
        QStringList boxes;
        for (const char* label : {"1st Place", "2nd Place", "3rd Place", "4th Place"})
            boxes << texts.value(texts.indexOf(label) + 1);
        return boxes;
    };

    const Result<ReportPages> blank = printJudgesBook(data(), 1, {"RREA"}, false);
    ASSERT_TRUE(blank);
    EXPECT_EQ(places(blank->pages.at(0)), QStringList({"", "", "", ""}));
    EXPECT_FALSE(blank->pages.at(0).texts().contains("1.58.40"));

    const Result<ReportPages> withResults = printJudgesBook(data(), 1, {"RREA"}, true);
    ASSERT_TRUE(withResults);
    const ReportPage& page = withResults->pages.at(0);
    EXPECT_EQ(places(page), QStringList({"202", "201", "", ""}));
    const QStringList texts = page.texts();
    const qsizetype boxer = texts.indexOf("Boxer");
    ASSERT_GE(boxer, 0);
    EXPECT_EQ(texts.mid(boxer - 1, 5), QStringList({"202", "Boxer", "1.58.40", "1", "99"}));
    const qsizetype pug = texts.indexOf("Pug");
    EXPECT_EQ(texts.mid(pug - 1, 5), QStringList({"203", "Pug", "", "", ""})) << "not scored yet";
}

// The score boxes and the judge's book take turns with the work table:
// neither keeps it from the other, nor from anyone after them.
TEST_F(TrialDayTest, TheRallyWorkTableIsFreeAfterEachPrintout)
{
    addDogs(3, 101, "t1rrna");
    ASSERT_TRUE(printJudgesBook(data(), 1, {"RRNA"}, false));
    ASSERT_TRUE(ScoreBoxSheets::print(data(), {1, {"RRNA"}, true}));
    ASSERT_TRUE(printJudgesBook(data(), 1, {"RRNA"}, true));
    auto work = dbf::Table::open(workTablePath().toStdString());
    EXPECT_EQ(work->recordCount(), 3u + 26u) << "the judge's book of three dogs";

    // A scoring window's way: one class, step by step.
    work.reset();
    JudgesBook book(data());
    book.PrepareJudgesBook();
    book.setTrial(1);
    int dogs = 0;
    ASSERT_TRUE(book.FillJudgesBookClass("RRNA", dogs));
    EXPECT_EQ(dogs, 3);
    book.PadJudgesBookClass(dogs, "RRNA", 1);
    EXPECT_THROW(dbf::Table::open(workTablePath().toStdString()), dbf::InUseError);
    EXPECT_EQ(book.PrintJudgesBook().pages.size(), 1);
    EXPECT_NO_THROW(dbf::Table::open(workTablePath().toStdString()));
}

TEST_F(TrialDayTest, TheRallyWindowsOfferATabPerTrialAndItsRallyClasses)
{
    dbf::Table& dates = *data().ShowDates();
    dates.edit();
    dates.setLogical("t2rr", false);
    dates.setLogical("t1rtc", true);
    dates.post();
    const auto tabs = RallyClassChoice::trialTabs(data());
    ASSERT_EQ(tabs.size(), 2);
    EXPECT_EQ(tabs[0].caption, "Trial 1 - Sat  04/10/2027");
    EXPECT_EQ(tabs[1].caption, "Trial 2 **NO RALLY**");
    QStringList keys;
    for (const auto& cls : RallyClassChoice::classesOffered(data(), 1))
        keys << cls.key + "=" + cls.name;
    EXPECT_EQ(keys,
              QStringList({"RRNA=Rally Novice A", "RRNB=Rally Novice B", "RRAA=Rally Advanced A",
                           "RRAB=Rally Advanced B", "RREA=Rally Excellent A",
                           "RREB=Rally Excellent B", "RNTC=Rally T Challenge"}));
    EXPECT_TRUE(RallyClassChoice::classesOffered(data(), 2).isEmpty());
}

// The command line: 0 when written, 1 when refused, 2 for a command line it
// cannot understand.
TEST_F(TrialDayTest, TheCommandLineWritesRefusesAndExplains)
{
    add("101", "Beagle", {"t1orna", "t1rrna"});
    fixture.stop();
    const QString root = fixture.root();
    const auto file = [&](const char* name) {
        return QString::fromStdString((fixture.dir / name).string());
    };
    const auto cli = [&](const QStringList& args) {
        return runCli(QStringList{"--data-dir", root, "print"} + args);
    };

    const CliRun gate = cli({"gate-sheets", "--show", "1", "--section", "obedience",
                             "--trial-in-title", "--rtf", file("gate.rtf")});
    ASSERT_EQ(gate.exitCode, 0) << s(gate.err);
    const CliRun read = runProgram("unrtf", {"--text", file("gate.rtf")});
    // unrtf shows a run of blanks as one.
    EXPECT_TRUE(read.out.contains(QRegularExpression("Trial # 1 +Saturday, April 10th, 2027")))
        << s(read.out);
    EXPECT_TRUE(read.out.contains("Judge: Ann Lee")) << s(read.out);

    const CliRun book = cli({"judges-book", "--show", "1", "--trial", "1", "--classes", "rrna",
                             "--results", "--pdf", file("book.pdf")});
    ASSERT_EQ(book.exitCode, 0) << s(book.err);
    EXPECT_TRUE(pdfText(file("book.pdf")).contains("RALLY JUDGE'S BOOK"));

    const CliRun notOffered = cli({"rally-score-boxes", "--show", "1", "--trial", "1", "--classes",
                                   "RNTC", "--pdf", file("boxes.pdf")});
    EXPECT_EQ(notOffered.exitCode, 1);
    EXPECT_TRUE(notOffered.err.contains("trial 1 offers no class RNTC")) << s(notOffered.err);
    const CliRun noTrial =
        cli({"rally-score-boxes", "--show", "1", "--trial", "3", "--pdf", file("boxes.pdf")});
    EXPECT_EQ(noTrial.exitCode, 1);
    EXPECT_TRUE(noTrial.err.contains("show 1 has no trial 3")) << s(noTrial.err);
    EXPECT_FALSE(QFileInfo::exists(file("boxes.pdf")));

    const CliRun usage = cli({"schedule-lists", "--show", "1", "--pdf", file("lists.pdf")});
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_TRUE(usage.err.contains("--section obedience or --section rally is required"));
    const CliRun noShow =
        cli({"schedule-lists", "--show", "7", "--section", "rally", "--pdf", file("lists.pdf")});
    EXPECT_EQ(noShow.exitCode, 1);
    EXPECT_TRUE(noShow.err.contains("show 7 has no entry table")) << s(noShow.err);
}

TEST_F(TrialDayTest, TheListsRefuseASectionWithoutClassesOrAShowWithoutEntries)
{
    fixture.stop();
    const QString pdf = QString::fromStdString((fixture.dir / "gate.pdf").string());
    const CliRun empty = runCli({"--data-dir", fixture.root(), "print", "gate-sheets", "--show",
                                 "1", "--section", "rally", "--pdf", pdf});
    EXPECT_EQ(empty.exitCode, 1);
    EXPECT_TRUE(empty.err.contains("There are no Entries!")) << s(empty.err);

    fixture.start();
    dbf::Table& dates = *data().ShowDates();
    dates.edit();
    for (const char* flag : {"t1rr", "t2rr"})
        dates.setLogical(flag, false);
    dates.post();
    fixture.stop();
    const CliRun noRally = runCli({"--data-dir", fixture.root(), "print", "judges-book", "--show",
                                   "1", "--trial", "1", "--pdf", pdf});
    EXPECT_EQ(noRally.exitCode, 1);
    EXPECT_TRUE(noRally.err.contains("There are NO Rally Classes for this Show")) << s(noRally.err);
}

} // namespace
