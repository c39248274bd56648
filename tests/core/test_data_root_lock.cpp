#include "CliRun.h"
#include "TempDir.h"

#include "storage/DataRoot.h"
#include "storage/DataRootLock.h"
#include "storage/TableSchemas.h"

#include "dbf/Error.h"
#include "dbf/Table.h"

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

// One writer per data root: the lock itself, the commands that take it, and
// two first starts at once.

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

QString inUse(const QString& root)
{
    return "The data folder " + root + " is in use by another Ringvale.";
}

// Every file and folder under the root with its size.
QStringList tree(const QString& root)
{
    QStringList entries;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo entry(it.next());
        entries << QDir(root).relativeFilePath(entry.filePath()) + " " +
                       QString::number(entry.size());
    }
    entries.sort();
    return entries;
}

} // namespace

TEST(DataRootLock, OneHolderAtATimeAndTheNextWhenItLetsGo)
{
    TempDir dir;
    const QString root = QString::fromStdString((dir / "new root").string());
    {
        Result<DataRootLock> first = DataRootLock::take(root);
        ASSERT_TRUE(first.ok()) << s(first.message());
        EXPECT_TRUE(QFileInfo(root).isDir()) << "the root is made to hold the lock file";

        const Result<DataRootLock> second = DataRootLock::take(root);
        EXPECT_FALSE(second.ok());
        EXPECT_EQ(s(second.message()), s(inUse(root)));

        DataRootLock moved = std::move(first.value());
        EXPECT_FALSE(DataRootLock::take(root).ok()) << "a moved lock is still held";
    }
    EXPECT_TRUE(DataRootLock::take(root).ok());
}

TEST(DataRootLock, ALockFileThatCannotBeMadeIsAnError)
{
    TempDir dir;
    const QString file = QString::fromStdString((dir / "file").string());
    QFile(file).open(QIODevice::WriteOnly);
    EXPECT_THROW((void)DataRootLock::take(file + "/root"), dbf::Error);
}

// While another Ringvale holds the root, every command that writes is
// refused before it makes anything; the commands that only read go on.
TEST(DataRootLock, WritingCommandsAreRefusedWhileTheRootIsHeld)
{
    TempDir dir;
    const QString root = QString::fromStdString((dir / "root").string());
    DataRoot(root).layOut();
    const Result<DataRootLock> held = DataRootLock::take(root);
    ASSERT_TRUE(held.ok());
    const QStringList before = tree(root);
    const QString pdf = QString::fromStdString((dir / "out.pdf").string());

    const struct {
        const char* name;
        QStringList arguments;
    } writers[] = {
        {"init", {"init"}},
        {"show new", {"show", "new", "--date", "2026-03-01", "--trials", "1", "--offer", "1:or"}},
        {"sortkeys", {"sortkeys", "--show", "1"}},
        {"print", {"print", "owners-list", "--pdf", pdf}},
    };
    for (const auto& writer : writers) {
        const CliRun run = runCli(QStringList{"--data-dir", root} + writer.arguments);
        EXPECT_EQ(run.exitCode, 1) << writer.name;
        EXPECT_EQ(s(run.err), s(inUse(root) + "\n")) << writer.name;
        EXPECT_EQ(tree(root), before) << writer.name << ": nothing is made or changed";
    }
    EXPECT_FALSE(QFileInfo::exists(pdf));

    const struct {
        const char* name;
        QStringList arguments;
    } readers[] = {
        {"check", {"check"}},
        {"shows", {"shows"}},
        {"dump", {"dump", "Dogs"}},
        {"help", {"help"}},
    };
    for (const auto& reader : readers) {
        const CliRun run = runCli(QStringList{"--data-dir", root} + reader.arguments);
        EXPECT_EQ(run.exitCode, 0) << reader.name << "\n" << s(run.err);
    }
}

// Two first starts at once used to write the class table over each other
// and could leave it without a class. One lays out the root; the other
// waits for nothing and is refused, or finds the work done.
TEST(DataRootLock, TwoInitsAtOnceLeaveAWholeRoot)
{
    for (int round = 0; round < 30; ++round) {
        TempDir dir;
        const QString root = QString::fromStdString((dir / "root").string());
        const QList<CliRun> runs =
            runCliTogether({{"--data-dir", root, "init"}, {"--data-dir", root, "init"}});
        int laidOut = 0;
        for (const CliRun& run : runs) {
            if (run.exitCode == 0) {
                ++laidOut;
                continue;
            }
            EXPECT_EQ(run.exitCode, 1) << "round " << round << "\n" << s(run.err);
            EXPECT_EQ(s(run.err), s(inUse(root) + "\n")) << "round " << round;
        }
        EXPECT_GE(laidOut, 1) << "round " << round;

        const auto classes =
            dbf::Table::open(DataRoot(root).tableFile(TableSchemas::ShowClasses()).toStdString(),
                             dbf::Table::Access::ReadOnly);
        EXPECT_EQ(classes->recordCount(), 29u) << "round " << round;
        const CliRun check = runCli({"--data-dir", root, "check"});
        EXPECT_EQ(check.exitCode, 0) << "round " << round << "\n" << s(check.out);
    }
}
