#include "masters/JudgeLabels.h"
#include "masters/JudgeOrders.h"
#include "masters/JudgeRenumbering.h"
#include "masters/JudgesList.h"

#include "CliRun.h"
#include "PdfText.h"
#include "ScriptedMessages.h"
#include "TempDir.h"

#include "dbf/Table.h"
#include "storage/DataModule.h"
#include "storage/DataRoot.h"

#include <QFile>

#include <gtest/gtest.h>

#include <memory>

namespace
{

struct Judge {
    QString number;
    QString first;
    QString last;
    QString city;
    QString state;
    bool deleted = false;
};

// A data root with the Judges table open and three judges: in name order
// Cy Brown (AL), Bob Cole (deleted, CA), Ann Lee (NY).
class JudgesTest : public ::testing::Test
{
protected:
    JudgesTest()
    {
        DataRoot(root()).layOut();
        start();
        for (const Judge& judge : {Judge{"00001", "Ann", "Lee", "Albany", "NY"},
                                   Judge{"00002", "Bob", "Cole", "Fresno", "CA", true},
                                   Judge{"00007", "Cy", "Brown", "Mobile", "AL"}})
            addJudge(judge);
        judges().setOrder("NAME");
    }

    QString root() const { return QString::fromStdString(dir.path().string()); }
    void start()
    {
        data = std::make_unique<Tdmod>(root(), messages);
        data->OpenJudges();
    }
    dbf::Table& judges() { return *data->Judges(); }

    void addJudge(const Judge& judge)
    {
        dbf::Table& t = judges();
        t.append();
        const auto set = [&t](const char* field, const QString& value) {
            t.setText(field, value.toStdString());
        };
        set("judgenum", judge.number);
        set("first", judge.first);
        set("last", judge.last);
        set("address", "12 Main St");
        set("city", judge.city);
        set("state", judge.state);
        set("zip", "12207");
        set("country", "USA");
        set("phone", "555-123-4567");
        set("email", judge.first.toLower() + "@example.org");
        t.post();
        if (judge.deleted)
            t.setDeleted(true);
    }

    // Show n's judge assignments: (judge number, class key) pairs; an empty
    // key is the record that keeps a judge in a trial without classes.
    void addAssignments(int show, const std::vector<std::pair<QString, QString>>& rows)
    {
        data->OpenShowJudges(show);
        dbf::Table& t = *data->ShwJudges();
        for (const auto& [number, key] : rows) {
            t.append();
            t.setNumber("show_num", show);
            t.setText("trialnum", "1");
            t.setText("judgenum", number.toStdString());
            t.setText("db_key", key.toStdString());
            t.post();
        }
    }

    // The judge numbers of show n's assignments, in record order.
    QStringList assignedNumbers(int show)
    {
        data->OpenShowJudges(show);
        dbf::Table& t = *data->ShwJudges();
        QStringList numbers;
        for (std::uint32_t r = 1; r <= t.recordCount(); ++r) {
            t.go(r);
            numbers << QString::fromStdString(t.text("judgenum"));
        }
        return numbers;
    }

    QStringList judgeNumbers()
    {
        QStringList numbers;
        for (std::uint32_t r = 1; r <= judges().recordCount(); ++r) {
            judges().go(r);
            numbers << QString::fromStdString(judges().text("judgenum"));
        }
        return numbers;
    }

    TempDir dir;
    ScriptedMessages messages;
    std::unique_ptr<Tdmod> data;
};

TEST_F(JudgesTest, ListLinesLeaveOutDeletedJudgesInEitherOrder)
{
    judges().go(3);
    const QString lee = "Ann Lee  \t555-123-4567\t12 Main St  Albany, NY  12207\tann@example.org";
    const QString brown = "Cy Brown  \t555-123-4567\t12 Main St  Mobile, AL  12207\tcy@example.org";
    EXPECT_EQ(JudgesList::lines(judges()), QStringList({" ", brown, lee}));
    EXPECT_EQ(judges().recno(), 3u) << "the window's record stays current";

    judges().setOrder("STATE");
    EXPECT_EQ(JudgesList::lines(judges()), QStringList({" ", brown, lee}));
    judges().setOrder("JUDGNUM");
    EXPECT_EQ(JudgesList::lines(judges()), QStringList({" ", lee, brown}));

    judges().zap();
    EXPECT_EQ(JudgesList::lines(judges()), QStringList({" "}));
}

TEST_F(JudgesTest, ListTextFileHoldsTheLines)
{
    const QString path = QString::fromStdString((dir / "judges.txt").string());
    const Done saved =
        JudgesList::listing(JudgesList::lines(judges())).write(PrintFormat::Text, path);
    ASSERT_TRUE(saved) << saved.message().toStdString();
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    const QStringList read = QString::fromUtf8(file.readAll()).split('\n');
    EXPECT_EQ(read.size(), 4); // three lines and the end of the last
    EXPECT_EQ(read.at(0), " ");
    EXPECT_TRUE(read.at(1).startsWith("Cy Brown  \t555-123-4567\t"));
}

TEST(JudgesListPrint, HeadingAndLinesFallOnTheirLinesOfEveryPage)
{
    QStringList lines{" "};
    for (int i = 1; i <= 120; ++i)
        lines << QString("Judge%1").arg(i, 3, 10, QChar('0'));
    TempDir dir;
    const QString pdf = QString::fromStdString((dir / "list.pdf").string());
    const Done saved = JudgesList::listing(lines).write(PrintFormat::Pdf, pdf);
    ASSERT_TRUE(saved) << saved.message().toStdString();
    const PdfWords words = pdfWords(pdf);

    const PdfWord* heading = words.find("Judge's", 1);
    const PdfWord* first = words.find("Judge001", 1);
    ASSERT_TRUE(heading && first);
    // 100/300 inch between the heading's left edge and the lines'.
    EXPECT_NEAR(heading->xMin - first->xMin, 24.0, 0.5);
    // The heading on line 3, the blank first line on line 5, Judge001 on line 6.
    const double lineHeight = (first->yMin - heading->yMin) / 3;
    EXPECT_NEAR(lineHeight, 1.4 * 10 * 1.15, 1.5); // about 1.4 times a 10-point line

    // A page holds its height in lines less four; the first page starts on
    // line 5, so its last line is the page's last.
    const double printableHeight = (279.4 - 2 * 6.35) * 72 / 25.4;
    const int perPage = int(printableHeight / lineHeight) - 4;
    const QString lastOnFirst = lines.at(perPage - 1);
    const QString firstOnSecond = lines.at(perPage);
    ASSERT_TRUE(words.find(lastOnFirst, 1)) << lastOnFirst.toStdString();
    const PdfWord* next = words.find(firstOnSecond, 2);
    ASSERT_TRUE(next) << firstOnSecond.toStdString();
    const PdfWord* heading2 = words.find("Judge's", 2);
    ASSERT_TRUE(heading2);
    EXPECT_NEAR(heading2->yMin, heading->yMin, 0.1);
    EXPECT_NEAR(next->yMin - heading2->yMin, lineHeight, 0.1) << "later pages go on from line 4";
}

// On paper the name, phone, address and e-mail stand in columns: a judge
// without a phone has the address under the others' addresses, a long
// address goes on over the next line inside its column, and nothing passes
// the right margin or is broken inside a word.
TEST(JudgesListPrint, EveryFieldKeepsToItsColumnInsideTheMargins)
{
    const QStringList lines{
        " ",
        "Ann Lee  \t518-555-0101\t5 River Rd  Albany, NY  12207\tann.lee@example.com",
        "Cy Brown  \t\t77 Hill St  Mobile, AL  36602\tcy@example.net",
        "Margaret Featherstonehaugh  \t505-555-1212\t1234 Long Meadow Road Apartment 5  "
        "Albuquerque, NM  87101\tmaggie.featherstonehaugh@example.org",
        "Dee Cole  \t555-000-1111\t  ,    \t",
    };
    TempDir dir;
    const QString pdf = QString::fromStdString((dir / "list.pdf").string());
    const Done saved = JudgesList::listing(lines).write(PrintFormat::Pdf, pdf);
    ASSERT_TRUE(saved) << saved.message().toStdString();
    const PdfWords words = pdfWords(pdf);
    const auto word = [&](const char* text) {
        const PdfWord* found = words.find(text);
        EXPECT_TRUE(found) << text << " is not printed whole";
        return found ? *found : PdfWord{};
    };

    const struct {
        const char* column; // the first word of the field on each line
        std::vector<const char*> fields;
    } columns[] = {
        {"name", {"Ann", "Cy", "Margaret", "Dee"}},
        {"phone", {"518-555-0101", "505-555-1212", "555-000-1111"}},
        {"address", {"5", "77", "1234"}},
        {"e-mail",
         {"ann.lee@example.com", "cy@example.net", "maggie.featherstonehaugh@example.org"}},
    };
    double previousLeft = -1;
    for (const auto& c : columns) {
        SCOPED_TRACE(c.column);
        const double left = word(c.fields.front()).xMin;
        for (const char* field : c.fields)
            EXPECT_NEAR(word(field).xMin, left, 0.5) << field;
        EXPECT_GT(left, previousLeft) << "the columns follow each other";
        previousLeft = left;
    }
    // The e-mail of Cy Brown, who has no phone, is on his own line.
    EXPECT_NEAR(word("cy@example.net").yMin, word("Cy").yMin, 0.5);
    // The long address goes on over the next line, under its own first line.
    EXPECT_GT(word("87101").yMin, word("1234").yMin + 5);
    EXPECT_GE(word("87101").xMin, word("1234").xMin - 0.5);
    EXPECT_LT(word("87101").yMin, word("Dee").yMin) << "the next judge comes after all of it";
    const double right = (215.9 - 6.35) * 72 / 25.4; // the paper less the quarter-inch border
    for (const PdfWord& w : words.words)
        EXPECT_LE(w.xMax, right) << w.text.toStdString();
}

TEST_F(JudgesTest, CheckListLinesKeepTheRecordNumberInItsColumn)
{
    const auto byName = JudgeLabels::checkList(judges(), "NAME");
    ASSERT_EQ(byName.size(), 3u) << "deleted judges are listed too";
    EXPECT_EQ(byName[0].recno, 3u);
    EXPECT_EQ(byName[0].line,
              QString("Brown, Cy").leftJustified(50) + QString("AL").leftJustified(20) + "[3]");

    const auto byState = JudgeLabels::checkList(judges(), "STATE");
    EXPECT_EQ(byState[2].line,
              (QString("NY").leftJustified(20) + "Lee, Ann").leftJustified(70) + "[1]");

    for (const auto& choice : JudgeLabels::checkList(judges(), "JUDGNUM"))
        EXPECT_EQ(choice.line.indexOf('['), 70) << choice.line.toStdString();
}

TEST_F(JudgesTest, LabelsGoToTickedJudgesNotMarkedDeleted)
{
    const auto texts = [](const std::shared_ptr<RecordList>& records) {
        QStringList names;
        for (int row = 0; row < records->rowCount(); ++row)
            names << records->text(row, "first") + ' ' + records->text(row, "last");
        return names;
    };
    EXPECT_EQ(texts(JudgeLabels::selection(judges(), "NAME", {1, 2, 3})),
              QStringList({"Cy Brown", "Ann Lee"}));
    EXPECT_EQ(texts(JudgeLabels::selection(judges(), "NAME", {1, 2})), QStringList({"Ann Lee"}));
    EXPECT_TRUE(texts(JudgeLabels::selection(judges(), "NAME", {})).isEmpty());

    QList<int> unknown;
    EXPECT_EQ(JudgeLabels::recordsNumbered(judges(), {7, 2, 99}, &unknown),
              (std::set<std::uint32_t>{2, 3}));
    EXPECT_EQ(unknown, QList<int>({99}));
}

TEST_F(JudgesTest, LabelsStartAtTheChosenPositionInsideTheLabel)
{
    const LabelRun labels = JudgeLabels::labels(judges(), "NAME", {1, 3}, {2, 2});
    EXPECT_EQ(labels.records().rowCount(), 2);
    const QString pdf = QString::fromStdString((dir / "labels.pdf").string());
    const Done written = labels.write(PrintFormat::Pdf, pdf);
    ASSERT_TRUE(written) << written.message().toStdString();

    const PdfWords words = pdfWords(pdf);
    const auto points = [](double mm) { return mm * 72 / 25.4; };
    // Button 5 of the 5160 sheet: row 2, column 2, whose corner is 74.6 mm
    // across and 38.1 mm down; the name sits 14/96 inch in and 10/96 down.
    const PdfWord* cy = words.find("Cy");
    ASSERT_TRUE(cy);
    EXPECT_NEAR(cy->xMin, points(74.6) + 14 * 0.75, 1.0);
    EXPECT_NEAR(cy->yMin, points(38.1) + 10 * 0.75, 3.0);
    // The next judge takes the label to the right; every line stays inside it.
    const PdfWord* lee = words.find("Lee");
    ASSERT_TRUE(lee);
    EXPECT_GT(lee->xMin, points(74.6 + 69.8));
    const PdfWord* country = words.find("USA");
    ASSERT_TRUE(country);
    EXPECT_LT(country->yMin + 10, points(38.1 + 25.4));
    ASSERT_TRUE(words.find("Albany,"));
    ASSERT_TRUE(words.find("12207"));
}

TEST_F(JudgesTest, RenumberingRefusesWhatIsNoFreeJudgeNumber)
{
    addAssignments(1, {{"00001", "ORNA"}});
    struct Case {
        const char* typed;
        const char* says;
    };
    const Case cases[] = {
        {"7", "Judge number 00007 is already used by Cy Brown."},
        {"00002", "Judge number 00002 is already used by Bob Cole (marked deleted)."},
        {"abc", "\"abc\" is not a judge number."},
        {"12abc", "\"12abc\" is not a judge number."},
        {"0", "\"0\" is not a judge number."},
        {"00000", "\"00000\" is not a judge number."},
        {"100000", "\"100000\" is not a judge number."},
        {"123456", "\"123456\" is not a judge number."},
        {"-5", "\"-5\" is not a judge number."},
        {"1 2", "\"1 2\" is not a judge number."},
        {"", "\"\" is not a judge number."},
    };
    judges().go(1);
    for (const Case& c : cases) {
        JudgeRenumbering renumbering(*data);
        const auto outcome = renumbering.apply(c.typed);
        EXPECT_FALSE(outcome.done) << c.typed;
        EXPECT_TRUE(outcome.message.startsWith(c.says))
            << c.typed << ": " << outcome.message.toStdString();
    }
    EXPECT_EQ(judgeNumbers(), QStringList({"00001", "00002", "00007"}));
    EXPECT_EQ(assignedNumbers(1), QStringList({"00001"}));
}

TEST_F(JudgesTest, RenumberedJudgeKeepsHisAssignmentsInEveryShow)
{
    addAssignments(1, {{"00001", ""}, {"00001", "ORNA"}, {"00007", "ORNB"}, {"00001", "RRNA"}});
    addAssignments(2, {{"00007", "ORNA"}, {"00001", "OROA"}});
    // Show 1 is the one the data module has open, as while a show is worked on.
    data->OpenShowJudges(1);
    data->ShwJudges()->go(3);
    data->ShwJudges()->setDeleted(true);

    judges().go(1);
    JudgeRenumbering renumbering(*data);
    const auto outcome = renumbering.apply(" 12");
    ASSERT_TRUE(outcome.done) << outcome.message.toStdString();
    EXPECT_TRUE(outcome.message.isEmpty());
    EXPECT_EQ(outcome.assignments, 4);
    EXPECT_EQ(judgeNumbers(), QStringList({"00012", "00002", "00007"}));
    EXPECT_EQ(assignedNumbers(1), QStringList({"00012", "00012", "00007", "00012"}));
    EXPECT_EQ(assignedNumbers(2), QStringList({"00007", "00012"}));

    // What was written is on disk: a fresh start reads it back.
    data.reset();
    start();
    EXPECT_EQ(judgeNumbers(), QStringList({"00012", "00002", "00007"}));
    EXPECT_EQ(assignedNumbers(2), QStringList({"00007", "00012"}));
}

TEST_F(JudgesTest, AssignmentsInUseStopTheRenumberingBeforeAnythingChanges)
{
    addAssignments(1, {{"00001", "ORNA"}});
    addAssignments(2, {{"00001", "ORNB"}});
    data->OpenShowJudges(1);
    // Another program holds show 2's assignments.
    const auto show2 = DataRoot::locate(data->root().showData(2), "shwjudge.dbf").toStdString();
    auto held = dbf::Table::open(show2);

    judges().go(1);
    JudgeRenumbering renumbering(*data);
    const auto outcome = renumbering.apply("12");
    EXPECT_FALSE(outcome.done);
    EXPECT_TRUE(outcome.message.startsWith("The judge number was not changed"))
        << outcome.message.toStdString();
    EXPECT_TRUE(outcome.message.contains("shwjudge.dbf")) << outcome.message.toStdString();
    EXPECT_EQ(judgeNumbers(), QStringList({"00001", "00002", "00007"}));
    EXPECT_EQ(assignedNumbers(1), QStringList({"00001"}));

    held.reset();
    judges().go(1);
    JudgeRenumbering again(*data);
    ASSERT_TRUE(again.apply("12").done);
    EXPECT_EQ(assignedNumbers(1), QStringList({"00012"}));
    EXPECT_EQ(assignedNumbers(2), QStringList({"00012"}));
}

TEST_F(JudgesTest, AnotherJudgeWithTheOldNumberKeepsTheAssignments)
{
    // Two judges may share a number from before numbers were checked; the
    // assignments then stay with the one who keeps it.
    addJudge({"00001", "Dee", "Ames", "Reno", "NV"});
    addAssignments(1, {{"00001", "ORNA"}});
    judges().go(1);
    JudgeRenumbering renumbering(*data);
    const auto outcome = renumbering.apply("5");
    ASSERT_TRUE(outcome.done);
    EXPECT_EQ(outcome.assignments, 0);
    EXPECT_EQ(assignedNumbers(1), QStringList({"00001"}));
}

TEST_F(JudgesTest, CommandLineListAndLabelsUseTheSameLines)
{
    judges().setOrder("STATE");
    const QStringList expected = JudgesList::lines(judges());
    data.reset(); // the command line opens the tables itself
    const QString txt = QString::fromStdString((dir / "list.txt").string());
    CliRun cli =
        runCli({"print", "judges-list", "--data-dir", root(), "--order", "state", "--txt", txt});
    EXPECT_EQ(cli.exitCode, 0) << cli.err.toStdString();
    QFile file(txt);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly | QIODevice::Text));
    EXPECT_EQ(QString::fromUtf8(file.readAll()), expected.join('\n') + '\n');

    const QString pdf = QString::fromStdString((dir / "labels.pdf").string());
    cli = runCli({"print", "judges-labels", "--data-dir", root(), "--judges", "7,2", "--start-col",
                  "3", "--pdf", pdf});
    EXPECT_EQ(cli.exitCode, 0) << cli.err.toStdString();
    const PdfWords words = pdfWords(pdf);
    EXPECT_TRUE(words.find("Brown"));
    EXPECT_FALSE(words.find("Cole")) << "judge 00002 is marked deleted";
    EXPECT_FALSE(words.find("Lee"));

    cli =
        runCli({"print", "judges-labels", "--data-dir", root(), "--judges", "1,42", "--pdf", pdf});
    EXPECT_EQ(cli.exitCode, 1);
    EXPECT_TRUE(cli.err.contains("no judge numbered 00042"));
}

} // namespace
