#include "CatalogShow.h"
#include "CliRun.h"
#include "DataRootFixture.h"
#include "PdfText.h"

#include <QFile>
#include <QRegularExpression>

#include <gtest/gtest.h>

// ringvale-cli catalog build and the catalog, exhibitor index and breeds
// print jobs: what scripts see of them.

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

class CliCatalog : public ::testing::Test
{
protected:
    CliCatalog()
    {
        makeCatalogShow(fixture.data(), 40);
        fixture.stop();
    }
    CliRun run(const QStringList& arguments)
    {
        return runCli(QStringList{"--data-dir", fixture.root()} + arguments);
    }
    QString path(const std::string& name) const
    {
        return QString::fromStdString((fixture.dir / name).string());
    }

    DataRootFixture fixture;
};

TEST_F(CliCatalog, BuildTellsTheRowsItWroteInTheOrderAsked)
{
    const CliRun built = run({"catalog", "build", "--show", "1"});
    ASSERT_EQ(built.exitCode, 0) << s(built.err);
    EXPECT_TRUE(built.out.contains(QRegularExpression("^\\d+ catalog rows\n$"))) << s(built.out);
    // An independent reader counts the same rows.
    const CliRun counted = runProgram(
        "/usr/bin/python3", {"-c", "import dbfread,sys; print(len(list(dbfread.DBF(sys.argv[1]))))",
                             fixture.root() + "/catdata/cat00001/catalog.dbf"});
    ASSERT_EQ(counted.exitCode, 0) << s(counted.err);
    EXPECT_EQ(counted.out.trimmed() + " catalog rows", built.out.trimmed());

    EXPECT_EQ(run({"catalog", "build", "--show", "1", "--order", "armband"}).out, built.out);
    const CliRun unknown = run({"catalog", "build", "--show", "1", "--order", "zip"});
    EXPECT_EQ(unknown.exitCode, 2);
    EXPECT_TRUE(unknown.err.contains("catalog build: unknown order zip (NAME, REGNUM,"))
        << s(unknown.err);
    EXPECT_EQ(run({"catalog", "build", "--show", "7"}).exitCode, 1) << "no such show";
}

TEST_F(CliCatalog, TheCatalogJobsPrintTheClassesAskedForAndRefuseWithoutClubInfo)
{
    const QString pdf = path("novice.pdf");
    const CliRun printed = run({"print", "catalog-booklet", "--show", "1", "--section", "obedience",
                                "--classes", "ORNB,ORNA", "--pdf", pdf});
    ASSERT_EQ(printed.exitCode, 0) << s(printed.err);
    const QString text = pdfText(pdf);
    EXPECT_LT(text.indexOf("Novice A"), text.indexOf("Novice B")) << "in the list's order";
    EXPECT_FALSE(text.contains("Open A"));

    const CliRun unknown = run({"print", "catalog-fullpage", "--show", "1", "--section", "rally",
                                "--classes", "RNCTM", "--pdf", pdf});
    EXPECT_EQ(unknown.exitCode, 1);
    EXPECT_TRUE(
        unknown.err.contains("print catalog-fullpage: class RNCTM has no entries in show 1"))
        << s(unknown.err);
    const CliRun rtf = run({"print", "catalog-booklet", "--show", "1", "--section", "rally",
                            "--rtf", path("booklet.rtf")});
    EXPECT_EQ(rtf.exitCode, 2) << "the booklet is a PDF only";
    const CliRun preview = run({"print", "catalog-preview", "--show", "1", "--section", "rally",
                                "--results", "--rtf", path("Rally.rtf")});
    ASSERT_EQ(preview.exitCode, 0) << s(preview.err);
    QFile file(path("Rally.rtf"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_TRUE(file.readAll().contains("RALLY NOVICE CLASSES"));

    ASSERT_TRUE(QFile::remove(fixture.root() + "/gendefs.ini"));
    for (const char* job : {"catalog-booklet", "catalog-fullpage", "catalog-preview"}) {
        const CliRun refused =
            run({"print", job, "--show", "1", "--section", "rally", "--pdf", pdf});
        EXPECT_EQ(refused.exitCode, 1) << job;
        EXPECT_TRUE(refused.err.contains(
            "Enter Club Info and Secretary Info under TOOLS\\PREFERENCES first"))
            << s(refused.err);
    }
}

TEST_F(CliCatalog, TheIndexAndTheBreedsListingWriteTheirFiles)
{
    const CliRun booklet =
        run({"print", "exhibitor-index", "--show", "1", "--pdf", path("index.pdf")});
    ASSERT_EQ(booklet.exitCode, 0) << s(booklet.err);
    EXPECT_EQ(pdfWords(path("index.pdf")).pageSize, QSizeF(792, 612)) << "the booklet by default";
    EXPECT_EQ(run({"print", "exhibitor-index", "--show", "1", "--format", "fullpage", "--rtf",
                   path("index.rtf")})
                  .exitCode,
              1)
        << "rich text is the preview's";
    const CliRun preview = run({"print", "exhibitor-index", "--show", "1", "--format", "preview",
                                "--rtf", path("ExhibitorIndex.rtf")});
    ASSERT_EQ(preview.exitCode, 0) << s(preview.err);
    const CliRun text = runProgram("unrtf", {"--text", path("ExhibitorIndex.rtf")});
    EXPECT_TRUE(text.out.contains("Exhibitors Index"));
    EXPECT_TRUE(text.out.contains("Entries:")) << s(text.out);

    const CliRun breeds =
        run({"print", "breeds-entered", "--show", "1", "--txt", path("breeds.txt")});
    ASSERT_EQ(breeds.exitCode, 0) << s(breeds.err);
    QFile file(path("breeds.txt"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString lines = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(lines.startsWith("Breed                         \tNumber of Entries\n"));
    EXPECT_TRUE(lines.contains(QRegularExpression("\nTotal Entries = +\\d+\n"))) << s(lines);
}

} // namespace
