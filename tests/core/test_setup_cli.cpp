#include "CliRun.h"
#include "DataRootFixture.h"
#include "PdfText.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

// ringvale-cli sortkeys and print classes, run as the secretary's scripts run them.

namespace
{

class SetupCli : public ::testing::Test
{
protected:
    QStringList args(const QStringList& more) const
    {
        return QStringList{"--data-dir", fixture.root()} + more;
    }

    DataRootFixture fixture;
};

TEST_F(SetupCli, SortKeysReportsEntriesAndChanges)
{
    fixture.addShowDates(12, QDate(2006, 10, 14), 1);
    Tdmod& data = fixture.data();
    data.CreateShowEntryTable(12, "10/14/2006");
    dbf::Table& entries = *data.TzDbf1();
    for (const char* flag : {"t1orob", "t1rrna", "t1orna"}) {
        entries.append();
        entries.setLogical(flag, true);
        entries.setText("srtkey", "040");
        entries.post();
    }
    entries.setDeleted(true); // the Novice A entry keeps 040
    fixture.stop();           // the command line opens the tables itself

    CliRun run = runCli(args({"sortkeys", "--show", "12"}));
    EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.out.toStdString(), "2 entries, 1 changed\n");

    run = runCli(args({"sortkeys", "--show", "12"}));
    EXPECT_EQ(run.out.toStdString(), "2 entries, 0 changed\n") << "nothing left to change";

    run = runCli(args({"sortkeys", "--show", "13"}));
    EXPECT_EQ(run.exitCode, 1);
    EXPECT_TRUE(run.err.contains("show 13")) << run.err.toStdString();
    EXPECT_EQ(runCli(args({"sortkeys"})).exitCode, 2);
}

TEST_F(SetupCli, PrintClassesInTheOrderAsked)
{
    fixture.stop();
    const QString pdf = fixture.root() + "/classes.pdf";

    CliRun run = runCli(args({"print", "classes", "--pdf", pdf}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QString text = pdfText(pdf);
    ASSERT_FALSE(text.isEmpty()) << "pdftotext could not read the file";
    EXPECT_TRUE(text.contains("NUR CLASSES DATABASE"));
    EXPECT_TRUE(text.contains(QRegularExpression("CLASS\\s+SORT\\s+FEE\\s+MAX\\s+CAN\\s+'Q'")));
    EXPECT_TRUE(text.contains(
        QRegularExpression("Obedience\\s+Novice A\\s+010\\s+REG\\s+ORNA\\s+NOV\\s+OR\\s+200\\s+"
                           "Yes\\s+170\\s+Novice B")))
        << "srtkey order: Novice A leads the obedience classes";
    EXPECT_TRUE(text.contains(QRegularExpression("Rally\\s+Rally Novice A\\s+510")));
    EXPECT_TRUE(text.contains("SORT KEY - must be unique over all classes"));
    EXPECT_TRUE(text.contains("Page 1 of 1"));

    run = runCli(args({"print", "classes", "--order", "section", "--pdf", pdf}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    text = pdfText(pdf);
    EXPECT_TRUE(text.contains(QRegularExpression("Obedience\\s+Advanced Teamwork\\s+430")))
        << "section order: the obedience classes by name";

    run = runCli(args({"print", "classes", "--order", "zip", "--pdf", pdf}));
    EXPECT_EQ(run.exitCode, 2);
    EXPECT_TRUE(run.err.contains("unknown order zip")) << run.err.toStdString();
}

TEST_F(SetupCli, PrintCatalogGroupingListings)
{
    fixture.stop();
    const QString txt = fixture.root() + "/codes.txt";
    CliRun run = runCli(args({"print", "catgroups-codes", "--txt", txt}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    QFile codes(txt);
    ASSERT_TRUE(codes.open(QIODevice::ReadOnly));
    EXPECT_TRUE(codes.readAll().startsWith(" \nObedience      \tNOV\tNOVICE CLASSES\n"));

    const QString pdf = fixture.root() + "/full.pdf";
    run = runCli(args({"print", "catgroups-full", "--pdf", pdf}));
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    const QString text = pdfText(pdf);
    EXPECT_TRUE(text.contains("Catalog Grouping Codes"));
    EXPECT_TRUE(text.contains(QRegularExpression("NOV\\s+Obedience\\s+NOVICE CLASSES")));
}

} // namespace
