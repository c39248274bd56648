#include "CliRun.h"
#include "TempDir.h"

#include "storage/DataRoot.h"

#include <QFile>
#include <QFileInfo>
#include <QProcessEnvironment>
#include <QRegularExpression>

#include <gtest/gtest.h>

// The command line as a careful user meets it: help, the usage of the
// command at fault, whole numbers and calendar dates, and a standard error
// that carries only Ringvale's own messages.

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

const QString kUsage = QStringLiteral("usage: ringvale-cli [--data-dir DIR] ");

// Without a runtime folder Qt would tell about it on every run.
CliRun runBare(const QStringList& arguments)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    return runProgram(QStringLiteral(RINGVALE_CLI), arguments, environment);
}

} // namespace

TEST(CliCommandLine, HelpGoesToStandardOutput)
{
    const struct {
        QStringList arguments;
        QString startsWith;
    } cases[] = {
        {{"--help"}, kUsage + "COMMAND ...\n"},
        {{"-h"}, kUsage + "COMMAND ...\n"},
        {{"help"}, kUsage + "COMMAND ...\n"},
        {{"help", "sortkeys"}, kUsage + "sortkeys --show N\nconfirm the sort keys"},
        {{"help", "show"}, kUsage + "show new --date YYYY-MM-DD --trials N "},
        {{"sortkeys", "--help"}, kUsage + "sortkeys --show N\n"},
        {{"print", "-h"}, kUsage + "print --list | print NAME [options] "},
    };
    for (const auto& c : cases) {
        const CliRun run = runBare(c.arguments);
        EXPECT_EQ(run.exitCode, 0) << s(c.arguments.join(' '));
        EXPECT_TRUE(run.out.startsWith(c.startsWith)) << s(c.arguments.join(' ')) << "\n"
                                                      << s(run.out);
        EXPECT_EQ(s(run.err), "") << s(c.arguments.join(' '));
    }
    const CliRun overview = runBare({"--help"});
    for (const char* command :
         {"init", "check", "shows", "dump", "print", "sortkeys", "show new", "help"})
        EXPECT_TRUE(overview.out.contains(QStringLiteral("\n  ") + command)) << command;
}

// A value the command cannot take is refused with exit code 2, the reason
// and the usage of that command only, before anything is made.
TEST(CliCommandLine, ValuesOutOfShapeAreRefusedWithTheirCommandsUsage)
{
    const QStringList showNew = {"show", "new", "--trials", "1", "--offer", "1:or", "--date"};
    const struct {
        QStringList arguments;
        QString reason;
        QString usage;
    } cases[] = {
        {{"sortkeys", "--show", "1abc"},
         "--show: 1abc is not a whole number from 1 to 99999",
         "sortkeys --show N\n"},
        {{"sortkeys", "--show", "1.9"}, "--show: 1.9 is not a whole number", "sortkeys --show N\n"},
        {{"sortkeys", "--show", "1 5"}, "--show: 1 5 is not a whole number", "sortkeys --show N\n"},
        {{"sortkeys", "--show", "100000"},
         "--show: 100000 is not a whole number from 1 to 99999",
         "sortkeys --show N\n"},
        {{"sortkeys", "--show", "0"}, "--show: 0 is not", "sortkeys --show N\n"},
        {{"sortkeys", "--show", "+1"}, "--show: +1 is not", "sortkeys --show N\n"},
        {{"dump", "TzDbf1", "--show", "1abc"}, "--show: 1abc is not a whole number", "dump TABLE"},
        {{"dump", "TzDbf1", "--show", "100000"}, "--show: 100000 is not", "dump TABLE"},
        {showNew + QStringList{"-2026-03-01"}, "--date: -2026-03-01 is not a calendar date",
         "show new --date"},
        {showNew + QStringList{"2026-02-30"}, "--date: 2026-02-30 is not a calendar date",
         "show new --date"},
        {showNew + QStringList{"2026-3-1"}, "--date: 2026-3-1 is not a calendar date",
         "show new --date"},
        {showNew + QStringList{"12026-03-01"}, "--date: 12026-03-01 is not", "show new --date"},
        {{"show", "new", "--date", "2026-03-01", "--trials", "1.9", "--offer", "1:or"},
         "--trials: 1.9 is not a whole number from 1 to 4",
         "show new --date"},
        {{"show", "new", "--date", "2026-03-01", "--trials", "2", "--offer", "1x:or"},
         "--offer trial: 1x is not a whole number from 1 to 2",
         "show new --date"},
        {{"show", "new", "--date", "2026-03-01", "--trials", "2", "--offer", "1:or", "--trial-date",
          "2:2026-03-32"},
         "--trial-date: 2026-03-32 is not a calendar date",
         "show new --date"},
        {{"show", "new", "--date", "2026-03-01", "--trials", "1", "--offer", "1:orna"},
         "--offer: orna is no offered class (or, opn,",
         "show new --date"},
        {{"print", "owners-labels", "--start-row", "11", "--pdf", "x.pdf"},
         "--start-row: 11 is not a whole number from 1 to 10",
         "print owners-labels [--mode"},
        {{"print", "judges-labels", "--start-col", "2.5", "--pdf", "x.pdf"},
         "--start-col: 2.5 is not a whole number from 1 to 3",
         "print judges-labels [--order"},
        {{"print", "judges-labels", "--judges", "1,2x", "--pdf", "x.pdf"},
         "--judges: 2x is not a whole number from 1 to 99999",
         "print judges-labels [--order"},
        {{"print", "owners-list", "--order", "shoe", "--pdf", "x.pdf"},
         "unknown order shoe",
         "print owners-list [--order"},
        {{"print", "owners-list"},
         "print owners-list: no output file given",
         "print owners-list [--order"},
        {{"help", "nosuch"}, "help: unknown command nosuch", "help [COMMAND]\n"},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const QString root = QString::fromStdString((dir / "root").string());
        const CliRun run = runBare(QStringList{"--data-dir", root} + c.arguments);
        const std::string line = s(c.arguments.join(' '));
        EXPECT_EQ(run.exitCode, 2) << line << "\n" << s(run.err);
        EXPECT_TRUE(run.err.startsWith("ringvale-cli: ")) << line << "\n" << s(run.err);
        EXPECT_TRUE(run.err.contains(c.reason)) << line << "\n" << s(run.err);
        EXPECT_TRUE(run.err.contains("\n" + kUsage + c.usage)) << line << "\n" << s(run.err);
        EXPECT_EQ(run.err.count(kUsage), 1) << line << ": one usage, not the whole list";
        EXPECT_EQ(s(run.out), "") << line;
        // A print job reads its own options once it has the data root.
        if (c.arguments.front() != "print") {
            EXPECT_FALSE(QFileInfo::exists(root)) << line << ": nothing is made";
        }
    }
}

TEST(CliCommandLine, AnUnknownCommandShowsEveryCommand)
{
    for (const QStringList& arguments : {QStringList{}, QStringList{"frobnicate"}}) {
        const CliRun run = runBare(arguments);
        EXPECT_EQ(run.exitCode, 2);
        EXPECT_TRUE(run.err.contains(kUsage + "COMMAND ...\n")) << s(run.err);
        EXPECT_TRUE(run.err.contains("\n  sortkeys --show N\n")) << s(run.err);
    }
}

TEST(CliCommandLine, PrintListGivesEachJobItsOptionsAndADescription)
{
    const CliRun run = runBare({"print", "--list"});
    ASSERT_EQ(run.exitCode, 0) << s(run.err);
    EXPECT_EQ(s(run.err), "");
    const QStringList lines = run.out.split('\n', Qt::SkipEmptyParts);
    ASSERT_EQ(lines.size() % 2, 0) << s(run.out);
    QStringList names;
    for (qsizetype i = 0; i < lines.size(); i += 2) {
        const QRegularExpression jobLine(QStringLiteral("^([a-z-]+) .*(--pdf|--txt|--rtf) FILE"));
        const auto match = jobLine.match(lines[i]);
        EXPECT_TRUE(match.hasMatch()) << s(lines[i]);
        names << match.captured(1);
        EXPECT_TRUE(lines[i + 1].startsWith("    ")) << s(lines[i + 1]);
        EXPECT_GT(lines[i + 1].trimmed().size(), 20) << s(lines[i + 1]);
    }
    EXPECT_EQ(names, (QStringList{"owners-list", "owners-labels", "judges-list", "judges-labels",
                                  "classes", "catgroups-codes", "catgroups-full", "catalog-booklet",
                                  "catalog-fullpage", "catalog-preview", "exhibitor-index",
                                  "breeds-entered", "gate-sheets", "rally-score-boxes",
                                  "judges-book", "schedule-lists", "class-counts", "fee-counts",
                                  "verify-input", "notes", "prepaid", "workers", "emails-sent",
                                  "email-addresses", "email-string"}));
    EXPECT_TRUE(run.out.startsWith(
        "owners-list [--order name|zip|emailsrt|ownerid|input] (--rtf FILE | --pdf FILE)\n    "))
        << s(run.out);
}

// Every command's standard error is its own: Qt's notices about its
// environment are not passed on.
TEST(CliCommandLine, StandardErrorCarriesOnlyRingvalesMessages)
{
    TempDir dir;
    const QString root = QString::fromStdString((dir / "root").string());
    const QString pdf = QString::fromStdString((dir / "classes.pdf").string());
    for (const QStringList& arguments :
         {QStringList{"init"}, QStringList{"check"}, QStringList{"shows"},
          QStringList{"dump", "Breeds"}, QStringList{"print", "classes", "--pdf", pdf}}) {
        const CliRun run = runBare(QStringList{"--data-dir", root} + arguments);
        EXPECT_EQ(run.exitCode, 0) << s(arguments.join(' ')) << "\n" << s(run.err);
        EXPECT_EQ(s(run.err), "") << s(arguments.join(' '));
    }
}

// A print job opens the tables it prints from and no other: with the dog
// master and the breeds unreadable, the owners and judges still list.
TEST(CliCommandLine, APrintJobOpensOnlyTheTablesItNeeds)
{
    TempDir dir;
    const QString root = QString::fromStdString((dir / "root").string());
    DataRoot(root).layOut();
    for (const char* master : {"dogmaster2.dbf", "nurbreeds25.dbf", "maildb25.dbf"}) {
        QFile file(root + "/userdata/" + master);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write(QByteArray(600, 'x'));
    }
    const QString out = QString::fromStdString((dir / "out").string());
    for (const QStringList& job : {QStringList{"owners-list", "--rtf", out + ".rtf"},
                                   QStringList{"judges-list", "--txt", out + ".txt"},
                                   QStringList{"classes", "--pdf", out + ".pdf"}}) {
        const CliRun run = runBare(QStringList{"--data-dir", root, "print"} + job);
        EXPECT_EQ(run.exitCode, 0) << s(job.join(' ')) << "\n" << s(run.err);
        EXPECT_EQ(s(run.err), "") << s(job.join(' '));
    }
}
