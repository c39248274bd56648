#include "TempDir.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

#include <csignal>
#include <map>
#include <random>
#include <sstream>
#include <sys/wait.h>
#include <unistd.h>

// A writer killed at any moment loses at most the record it was writing: every
// record whose post returned is there, intact, and the file opens again.

using namespace dbf;

namespace
{

const FieldList kFields = {{"name", FieldType::Character, 12},
                           {"version", FieldType::Numeric, 6},
                           {"filler", FieldType::Character, 200}};

// Appends records and rewrites earlier ones until killed, reporting on `out`
// each post that returned: "A recno" or "E recno version". Versions only
// grow, so a record must hold at least the last version reported for it.
[[noreturn]] void writeForever(const std::filesystem::path& file, int out, unsigned seed,
                               int firstVersion)
{
    std::mt19937 random(seed);
    std::unique_ptr<Table> table;
    try {
        table = Table::open(file);
    } catch (const std::exception& e) {
        fprintf(stderr, "writer: %s\n", e.what());
        _exit(2);
    }
    for (int version = firstVersion;; ++version) {
        std::string report;
        if (table->recordCount() > 0 && random() % 3 == 0) {
            const std::uint32_t recno = 1 + random() % table->recordCount();
            table->go(recno);
            table->edit();
            table->setNumber("version", version);
            table->post();
            report = "E " + std::to_string(recno) + " " + std::to_string(version) + "\n";
        } else {
            table->append();
            table->setText("name", "rec " + std::to_string(table->recordCount() + 1));
            table->setText("filler", std::string(200, char('a' + version % 26)));
            table->setNumber("version", version);
            table->post();
            report = "A " + std::to_string(table->recno()) + "\n";
        }
        if (write(out, report.data(), report.size()) < 0)
            _exit(1);
    }
}

} // namespace

TEST(CrashSafety, AKilledWriterLosesNoPostedRecord)
{
    TempDir dir;
    const auto file = dir / "crash.dbf";
    Table::create(file, kFields);
    std::mt19937 random(20261211);
    std::uint32_t posted = 0;
    std::map<std::uint32_t, int> versions; // lowest version each record must have

    for (int round = 0; round < 12; ++round) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t child = fork();
        if (child == 0) {
            close(fds[0]);
            writeForever(file, fds[1], random(), round * 10000); // versions rise across rounds
        }
        close(fds[1]);
        usleep(20000 + random() % 60000);
        kill(child, SIGKILL);
        waitpid(child, nullptr, 0);
        std::string reports;
        char chunk[4096];
        for (ssize_t n; (n = read(fds[0], chunk, sizeof chunk)) > 0;)
            reports.append(chunk, n);
        close(fds[0]);
        std::istringstream lines(reports);
        for (std::string kind; lines >> kind;) {
            std::uint32_t recno = 0;
            lines >> recno;
            if (kind == "A") {
                posted = std::max(posted, recno);
            } else {
                int version = 0;
                lines >> version;
                versions[recno] = std::max(versions[recno], version);
            }
        }

        ASSERT_NO_THROW(Table::open(file, Table::Access::ReadOnly)) << "round " << round;
        auto table = Table::open(file);
        ASSERT_GE(table->recordCount(), posted) << "round " << round;
        for (std::uint32_t r = 1; r <= table->recordCount(); ++r) {
            table->go(r);
            ASSERT_EQ(table->text("name"), "rec " + std::to_string(r));
            ASSERT_EQ(table->raw("filler").size(), 200u);
            const auto minimum = versions.find(r);
            if (minimum != versions.end()) {
                ASSERT_GE(table->number("version"), minimum->second) << "record " << r;
            }
        }
    }
    EXPECT_GT(posted, 0u) << "the writer never got to post";
}

namespace
{

// Creates tables and packs one, over and over until killed, reporting on
// `out` each create that returned ("C n") and each pack ("P").
[[noreturn]] void createAndPackForever(const std::filesystem::path& folder, int out, int round)
{
    try {
        auto table = Table::open(folder / "packed.dbf");
        for (int n = 0;; ++n) {
            const std::string name = "new-" + std::to_string(round) + "-" + std::to_string(n);
            Table::create(folder / (name + ".dbf"), kFields);
            std::string report = "C " + name + "\n";
            for (int i = 0; i < 20; ++i) {
                table->blankBuffer();
                table->setText("name", i % 2 ? "dead" : "live");
                table->setText("filler", std::string(200, 'f'));
                table->appendRecord();
                if (i % 2)
                    table->setDeleted(true);
            }
            table->pack();
            report += "P\n";
            if (write(out, report.data(), report.size()) < 0)
                _exit(1);
        }
    } catch (const std::exception& e) {
        fprintf(stderr, "writer: %s\n", e.what());
        _exit(2);
    }
}

} // namespace

TEST(CrashSafety, AKilledCreateOrPackLeavesNoEmptyOrHalfWrittenTable)
{
    TempDir dir;
    Table::create(dir / "packed.dbf", kFields);
    std::mt19937 random(20261212);
    std::vector<std::string> created;
    for (int round = 0; round < 8; ++round) {
        int fds[2];
        ASSERT_EQ(pipe(fds), 0);
        const pid_t child = fork();
        if (child == 0) {
            close(fds[0]);
            createAndPackForever(dir.path(), fds[1], round);
        }
        close(fds[1]);
        usleep(20000 + random() % 60000);
        kill(child, SIGKILL);
        int status = 0;
        waitpid(child, &status, 0);
        ASSERT_TRUE(WIFSIGNALED(status)) << "the writer ended by itself";
        std::string reports;
        char chunk[4096];
        for (ssize_t n; (n = read(fds[0], chunk, sizeof chunk)) > 0;)
            reports.append(chunk, n);
        close(fds[0]);
        std::istringstream lines(reports);
        for (std::string kind; lines >> kind;) {
            if (kind == "C") {
                std::string name;
                lines >> name;
                created.push_back(name);
            }
        }

        for (const auto& entry : std::filesystem::directory_iterator(dir.path())) {
            const auto name = entry.path().filename().string();
            if (entry.path().extension() != ".dbf") {
                // Only a temporary the kill interrupted, never under a table's name.
                EXPECT_NE(name.find(".dbf.tmp-"), std::string::npos) << name;
                continue;
            }
            SCOPED_TRACE(name);
            std::unique_ptr<Table> table;
            ASSERT_NO_THROW(table = Table::open(entry.path()));
            EXPECT_EQ(table->fields(), kFields);
            EXPECT_FALSE(table->repairedFrom().has_value());
            if (name != "packed.dbf") {
                EXPECT_EQ(table->recordCount(), 0u);
                continue;
            }
            // Before or after a pack, never in between: every record whole,
            // the dead ones only as they were appended and marked.
            for (std::uint32_t r = 1; r <= table->recordCount(); ++r) {
                const auto record = table->record(r);
                ASSERT_EQ(record.raw("filler"), std::string(200, 'f'));
                ASSERT_TRUE(record.text("name") == "live" ||
                            (record.text("name") == "dead" && record.deleted()));
            }
        }
        for (const auto& name : created)
            EXPECT_TRUE(std::filesystem::exists(dir / (name + ".dbf"))) << name;
    }
    EXPECT_GT(created.size(), 0u) << "the writer never got to create a table";
}
