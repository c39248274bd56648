#include "CliRun.h"
#include "TempDir.h"

#include "storage/DataRoot.h"
#include "storage/TableSchemas.h"

#include "dbf/Table.h"

#include <QDir>
#include <QFile>

#include <gtest/gtest.h>

#include <functional>

// `check` of a whole data root finds every folder and table that is missing,
// odd or empty, and only init makes it whole again.

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

const QStringList kMasters = {
    "pgmdata/nurclass26.dbf",   "pgmdata/catgroups.dbf", "pgmdata/showdb25.dbf",
    "userdata/dogmaster2.dbf",  "userdata/Owners25.dbf", "userdata/judges25.dbf",
    "userdata/nurbreeds25.dbf", "userdata/maildb25.dbf", "userdata/shwdates25.dbf"};

QStringList missing(const QStringList& files)
{
    QStringList lines;
    for (const QString& file : files)
        lines << file + ": error: missing";
    return lines;
}

void writeFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

TEST(CliCheck, ReportsWhatIsMissingOddOrEmpty)
{
    const auto layOut = [](const QString& root) { DataRoot(root).layOut(); };
    const struct {
        const char* name;
        std::function<void(const QString&)> make;
        std::function<QStringList(const QString&)> lines; // each must be in the output
        bool initRepairs;
    } cases[] = {
        {"a root that does not exist", [](const QString&) {},
         [](const QString& root) {
             return QStringList{root + ": error: no such folder"} + missing(kMasters);
         },
         true},
        {"an empty folder", [](const QString& root) { QDir().mkpath(root); },
         [](const QString&) {
             return QStringList{"userdata: error: missing folder", "pgmdata: error: missing folder",
                                "shows: error: missing folder",    "indexs: error: missing folder",
                                "catdata: error: missing folder",  "help: error: missing folder"} +
                    missing(kMasters);
         },
         true},
        {"a master table missing",
         [&](const QString& root) {
             layOut(root);
             QFile::remove(root + "/userdata/judges25.dbf");
         },
         [](const QString&) { return missing({"userdata/judges25.dbf"}); }, true},
        {"userdata replaced by a file",
         [&](const QString& root) {
             layOut(root);
             QDir(root + "/userdata").removeRecursively();
             writeFile(root + "/userdata", "not a folder");
         },
         [](const QString&) {
             return QStringList{"userdata: error: not a folder"} + missing(kMasters.mid(3));
         },
         false},
        {"a master table of 0 bytes",
         [&](const QString& root) {
             layOut(root);
             writeFile(root + "/userdata/maildb25.dbf", {});
         },
         [](const QString&) {
             return QStringList{"userdata/maildb25.dbf: error: empty file (0 bytes)"};
         },
         true},
        {"a class table without classes",
         [&](const QString& root) {
             layOut(root);
             QFile::remove(root + "/pgmdata/nurclass26.dbf");
             dbf::Table::create((root + "/pgmdata/nurclass26.dbf").toStdString(),
                                TableSchemas::ShowClasses().fields);
         },
         [](const QString&) {
             return QStringList{
                 "pgmdata/nurclass26.dbf: error: no records (init writes the shipped ones again)"};
         },
         true},
        {"a show's table of 0 bytes",
         [&](const QString& root) {
             layOut(root);
             QDir().mkpath(root + "/catdata/cat00004");
             writeFile(root + "/catdata/cat00004/catalog.dbf", {});
         },
         [](const QString&) {
             return QStringList{"catdata/cat00004/catalog.dbf: error: empty file (0 bytes)"};
         },
         true},
    };
    for (const auto& c : cases) {
        TempDir dir;
        const QString root = QString::fromStdString((dir / "root").string());
        c.make(root);
        const CliRun check = runCli({"--data-dir", root, "check"});
        EXPECT_EQ(check.exitCode, 1) << c.name;
        const QStringList lines = check.out.split('\n', Qt::SkipEmptyParts);
        for (const QString& line : c.lines(root))
            EXPECT_TRUE(lines.contains(line)) << c.name << ": no line " << s(line) << " in\n"
                                              << s(check.out);
        EXPECT_EQ(s(check.err), "") << c.name;

        const CliRun init = runCli({"--data-dir", root, "init"});
        EXPECT_EQ(init.exitCode == 0, c.initRepairs) << c.name << "\n" << s(init.err);
        if (c.initRepairs) {
            const CliRun again = runCli({"--data-dir", root, "check"});
            EXPECT_EQ(again.exitCode, 0) << c.name << "\n" << s(again.out);
        }
    }
}

TEST(CliCheck, InitReportsADamagedTableAndLeavesIt)
{
    TempDir dir;
    const QString root = QString::fromStdString((dir / "root").string());
    DataRoot(root).layOut();
    const QByteArray garbage(600, 'x');
    writeFile(root + "/pgmdata/catgroups.dbf", garbage);

    const CliRun init = runCli({"--data-dir", root, "init"});
    EXPECT_EQ(init.exitCode, 1);
    EXPECT_EQ(s(init.out), "");
    EXPECT_TRUE(init.err.contains(root + "/pgmdata/catgroups.dbf: ")) << s(init.err);
    EXPECT_TRUE(init.err.contains("(left as it is)")) << s(init.err);
    QFile file(root + "/pgmdata/catgroups.dbf");
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    EXPECT_EQ(file.readAll(), garbage);

    const CliRun check = runCli({"--data-dir", root, "check"});
    EXPECT_EQ(check.exitCode, 1);
    EXPECT_TRUE(check.out.contains("pgmdata/catgroups.dbf: error: ")) << s(check.out);
}
