#include "CliRun.h"
#include "DataRootFixture.h"

#include "print/OutputFile.h"

#include <QCryptographicHash>
#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

namespace
{

QByteArray digest(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return {};
    return QCryptographicHash::hash(file.readAll(), QCryptographicHash::Sha256);
}

class OutputFileTest : public ::testing::Test
{
protected:
    DataRootFixture fixture;
    QString path(const QString& name) const { return fixture.root() + "/" + name; }
};

// Outputs never replace the program's own files, whatever they are called.
TEST_F(OutputFileTest, RefusesTablesIndexesAndThePreferences)
{
    QFile::copy(path("userdata/Owners25.dbf"), path("owners-renamed.pdf"));
    QFile index(path("indexs/old.mdx"));
    ASSERT_TRUE(index.open(QIODevice::WriteOnly));
    index.close();
    fixture.data().preferences().setLastOpenedShow("x"); // writes gendefs.ini

    for (const QString& target :
         {path("userdata/Owners25.dbf"), path("pgmdata/NURCLASS26.DBF"), path("owners-renamed.pdf"),
          path("indexs/old.mdx"), path("gendefs.ini"), path("userdata")}) {
        const QByteArray before = digest(target);
        const Done written = OutputFile::write(target, [](QIODevice& file) {
            file.write("%PDF-1.4 not a table");
            return Done::success();
        });
        EXPECT_FALSE(written) << target.toStdString();
        EXPECT_TRUE(written.message().contains(QDir::toNativeSeparators(target)))
            << written.message().toStdString();
        EXPECT_EQ(digest(target), before) << target.toStdString() << " was changed";
    }
    EXPECT_FALSE(OutputFile::refusal(path("new-listing.pdf")));
}

// A write that fails half-way leaves the earlier file as it was, and no
// temporary file behind.
TEST_F(OutputFileTest, AFailedWriteLeavesTheOldFileWhole)
{
    const QString target = path("listing.txt");
    ASSERT_TRUE(OutputFile::write(target, [](QIODevice& file) {
        file.write("first version\n");
        return Done::success();
    }));
    const Done failed = OutputFile::write(target, [](QIODevice& file) {
        file.write("half of the second");
        return Done::failure("the listing could not be finished");
    });
    EXPECT_FALSE(failed);
    EXPECT_EQ(failed.message(), "the listing could not be finished");
    QFile file(target);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), "first version\n");
    EXPECT_EQ(QDir(fixture.root()).entryList({"listing.txt*"}, QDir::Files),
              QStringList{"listing.txt"});
}

// The command line once replaced the owners master with a PDF and said it was done.
TEST_F(OutputFileTest, PrintOverATableIsRefusedByTheCommandLine)
{
    fixture.stop();
    const QString owners = path("userdata/Owners25.dbf");
    const QByteArray before = digest(owners);
    for (const char* format : {"--pdf", "--rtf"}) {
        const CliRun cli =
            runCli({"--data-dir", fixture.root(), "print", "owners-list", format, owners});
        EXPECT_EQ(cli.exitCode, 1) << format;
        EXPECT_TRUE(cli.err.contains("Owners25.dbf")) << cli.err.toStdString();
    }
    const CliRun txt = runCli({"--data-dir", fixture.root(), "print", "judges-list", "--txt",
                               path("pgmdata/catgroups.dbf")});
    EXPECT_EQ(txt.exitCode, 1);
    EXPECT_EQ(digest(owners), before);
}

} // namespace
