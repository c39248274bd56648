#include "CliRun.h"
#include "TempDir.h"

#include "storage/DataRoot.h"

#include <QDir>
#include <QFileInfo>

#include <gtest/gtest.h>

#include <functional>

// A command killed at any one of its writes leaves a data root that the next
// init makes whole, and a new show can be made after it. The kill comes from
// strace, which sends SIGKILL on entry to the n-th call of one system call:
// every call that changes a file or folder is tried in turn, so each point
// where the program could be cut short is met once.

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

// The system calls by which the program changes files and folders.
const QStringList kWrites = {"mkdir",     "rename", "unlink",    "pwrite64", "write",
                             "ftruncate", "fsync",  "fdatasync", "linkat"};

const QStringList kShowNew = {"show",     "new", "--date",  "2026-03-01",
                              "--trials", "1",   "--offer", "1:or"};

bool straceWorks()
{
    return runProgram(QStringLiteral("strace"), {"-f", "-o", "/dev/null", "true"}).exitCode == 0;
}

// Runs the command under strace, killed on the n-th call of `call`; false
// when the command got through without reaching it.
bool killedAt(const QString& call, int n, const QString& root, const QStringList& command)
{
    const CliRun run =
        runProgram(QStringLiteral("strace"),
                   QStringList{"-f", "-o", "/dev/null", "-e", "trace=" + call, "-e",
                               QStringLiteral("inject=%1:signal=KILL:when=%2").arg(call).arg(n),
                               QStringLiteral(RINGVALE_CLI), "--data-dir", root} +
                       command);
    if (run.exitCode == 0)
        return false;
    EXPECT_EQ(run.exitCode, -1) << s(call) << " " << n << ": ended without the kill\n"
                                << s(run.err);
    return true;
}

// After the kill: one init, then check finds nothing at fault and a new show
// can be made.
void expectMadeWhole(const QString& root, const std::string& where)
{
    const CliRun init = runCli({"--data-dir", root, "init"});
    EXPECT_EQ(init.exitCode, 0) << where << "\n" << s(init.err);
    const CliRun check = runCli({"--data-dir", root, "check"});
    EXPECT_EQ(check.exitCode, 0) << where << "\n" << s(check.out);
    const CliRun show = runCli(QStringList{"--data-dir", root} + kShowNew);
    EXPECT_EQ(show.exitCode, 0) << where << "\n" << s(show.err);
    const CliRun after = runCli({"--data-dir", root, "check"});
    EXPECT_EQ(after.exitCode, 0) << where << "\n" << s(after.out);
}

// Kills `command` at each of its writes in turn over a fresh root that
// `prepare` sets up; returns how many points were tried.
int killAtEveryWrite(const QStringList& command, const std::function<void(const QString&)>& prepare)
{
    int points = 0;
    for (const QString& call : kWrites) {
        for (int n = 1;; ++n) {
            TempDir dir;
            const QString root = QString::fromStdString((dir / "root").string());
            prepare(root);
            if (!killedAt(call, n, root, command))
                break;
            ++points;
            expectMadeWhole(root, s(command.join(' ')) + " killed at " + s(call) + " " +
                                      std::to_string(n));
            if (::testing::Test::HasFailure())
                return points;
        }
    }
    return points;
}

} // namespace

TEST(CliInterrupted, InitKilledAtAnyWrite)
{
    if (!straceWorks())
        GTEST_SKIP() << "strace cannot trace here (scripts/install-deps.sh installs it)";
    const int points = killAtEveryWrite({"init"}, [](const QString&) {});
    EXPECT_GT(points, 50) << "init writes every folder and table";
}

TEST(CliInterrupted, ShowNewKilledAtAnyWrite)
{
    if (!straceWorks())
        GTEST_SKIP() << "strace cannot trace here (scripts/install-deps.sh installs it)";
    const int points =
        killAtEveryWrite(kShowNew, [](const QString& root) { DataRoot(root).layOut(); });
    EXPECT_GT(points, 8) << "show new makes folders, a table and a record";
}
