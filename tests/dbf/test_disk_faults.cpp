#include "TableFixtures.h"
#include "TempDir.h"

#include "dbf/Error.h"
#include "dbf/File.h"
#include "dbf/Table.h"

#include <gtest/gtest.h>

// A disk that fails in the middle of a change (full, gone, broken) may leave
// the change undone, never half done: after the error the file, the record
// count, the tags and the table's state agree, each record is in the file once
// or not at all, and trying again succeeds once the disk is back.

using namespace dbf;

namespace
{

const std::vector<TagDef> kTags = {{"name", "upper(name)"}, {"down", "upper(name)", true}};

// What a table holds as far as its user can tell: every record's bytes and
// the record order of every tag.
struct Contents {
    std::vector<std::string> records;
    std::vector<std::vector<std::uint32_t>> orders;
    bool operator==(const Contents&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Contents& c)
{
    for (const auto& r : c.records)
        out << "[" << r.substr(0, 6) << "]";
    return out;
}

Contents contentsOf(const Table& table)
{
    Contents c;
    for (std::uint32_t r = 1; r <= table.recordCount(); ++r)
        c.records.emplace_back(table.record(r).bytes());
    for (const auto& tag : kTags)
        c.orders.push_back(table.recordsInOrder(tag.name));
    return c;
}

// The contents of the file as a fresh open finds them, read from a copy so
// the table under test keeps its lock.
Contents contentsOfFile(const std::filesystem::path& file)
{
    const auto copy = file.parent_path().parent_path() / "reread.dbf";
    writeBytes(copy, readBytes(file));
    auto table = Table::open(copy, Table::Access::ReadOnly);
    EXPECT_FALSE(table->repairedFrom().has_value())
        << "the file counts fewer records than it holds";
    table->setTags(kTags);
    Contents c = contentsOf(*table);
    table.reset();
    std::filesystem::remove(copy);
    return c;
}

// Exactly the header, the counted records and the end-of-file byte.
bool fileIsTidy(const std::filesystem::path& file, const Table& table)
{
    return std::filesystem::file_size(file) ==
           32 + 32 * table.fieldCount() + 1 +
               std::uint64_t(table.recordCount()) * table.recordLength() + 1;
}

std::vector<std::string> filesIn(const std::filesystem::path& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

struct Change {
    const char* name;
    std::function<void(Table&)> prepare; // before the disk fails: not part of the change
    std::function<void(Table&)> change;
    Table::State stateAfterFailure;
};

const Change kChanges[] = {
    {"PostOfANewRecord",
     [](Table& t) {
         t.append();
         t.setText("name", "Dora");
     },
     [](Table& t) { t.post(); }, Table::State::Insert},
    {"PostOfAnEdit",
     [](Table& t) {
         t.go(2);
         t.edit();
         t.setText("name", "Zed");
     },
     [](Table& t) { t.post(); }, Table::State::Edit},
    {"AppendRecord",
     [](Table& t) {
         t.blankBuffer();
         t.setText("name", "Dora");
     },
     [](Table& t) { t.appendRecord(); }, Table::State::Browse},
    {"WriteRecord",
     [](Table& t) {
         t.go(1);
         t.setText("name", "Zed");
     },
     [](Table& t) { t.writeRecord(); }, Table::State::Browse},
    {"SetDeleted", [](Table& t) { t.go(3); }, [](Table& t) { t.setDeleted(true); },
     Table::State::Browse},
    {"AppendFrom", [](Table&) {},
     [](Table& t) { t.appendFrom(t.path().parent_path().parent_path() / "source" / "more.dbf"); },
     Table::State::Browse},
    {"Pack",
     [](Table& t) {
         t.go(2);
         t.setDeleted(true);
     },
     [](Table& t) { t.pack(); }, Table::State::Browse},
    {"Zap", [](Table&) {}, [](Table& t) { t.zap(); }, Table::State::Browse},
};

void PrintTo(const Change& change, std::ostream* out)
{
    *out << change.name;
}

class FailingDisk : public ::testing::TestWithParam<std::tuple<Change, bool>>
{
protected:
    TempDir dir;
    std::filesystem::path folder = dir / "data";
    std::filesystem::path file = folder / "dogs.dbf";

    void TearDown() override { DiskFaults::clear(); }

    // A table of three dogs with two tags, prepared for the change.
    std::unique_ptr<Table> prepared(const std::filesystem::path& path)
    {
        std::filesystem::create_directories(path.parent_path());
        Table::create(path, allTypesFields());
        auto t = Table::open(path);
        for (const char* name : {"Cleo", "Alf", "Bess"}) {
            t->blankBuffer();
            t->setText("name", name);
            t->appendRecord();
        }
        t->setTags(kTags);
        std::get<0>(GetParam()).prepare(*t);
        return t;
    }

    // The contents the change gives on a sound disk.
    Contents changedContents()
    {
        auto t = prepared(dir / "sound" / "dogs.dbf");
        std::get<0>(GetParam()).change(*t);
        return contentsOf(*t);
    }
};

} // namespace

TEST_P(FailingDisk, LeavesTheChangeWholeOrUndoneAndItCanBeTriedAgain)
{
    const auto& [change, persist] = GetParam();
    std::filesystem::create_directories(dir / "source");
    {
        Table::create(dir / "source" / "more.dbf", allTypesFields());
        auto source = Table::open(dir / "source" / "more.dbf");
        addRecord(*source, {{"name", "Ace"}});
        addRecord(*source, {{"name", "Dot"}});
    }
    const Contents changed = changedContents();
    int failures = 0;
    for (int n = 1;; ++n) {
        SCOPED_TRACE("disk operation " + std::to_string(n) + (persist ? " and after" : ""));
        std::filesystem::remove_all(folder);
        auto t = prepared(file);
        const Contents before = contentsOf(*t);
        const Table::State state = t->state();
        ASSERT_NE(before, changed);

        DiskFaults::failAt(n, persist);
        std::string message;
        try {
            change.change(*t);
        } catch (const Error& e) {
            message = e.what();
        }
        const bool struck = DiskFaults::struck();
        DiskFaults::clear();
        if (!struck) {
            EXPECT_EQ(message, "");
            EXPECT_EQ(contentsOf(*t), changed);
            EXPECT_EQ(contentsOfFile(file), changed);
            break;
        }
        ++failures;
        ASSERT_NE(message, "") << "a failed write must be reported";
        EXPECT_NE(message.find("dogs.dbf"), std::string::npos) << message;
        const Contents now = contentsOf(*t);
        ASSERT_TRUE(now == before || now == changed) << "half a change: " << now;
        if (!persist || now == changed) {
            EXPECT_EQ(contentsOfFile(file), now) << message;
            EXPECT_TRUE(fileIsTidy(file, *t));
        }
        EXPECT_EQ(filesIn(folder), std::vector<std::string>{"dogs.dbf"}) << "a temporary is left";
        if (now == changed) { // done, only the folder could not be flushed
            EXPECT_EQ(t->state(), Table::State::Browse);
            continue;
        }
        EXPECT_EQ(t->state(), change.stateAfterFailure) << message;
        if (state != Table::State::Browse) {
            EXPECT_NE(t->text("name"), "") << "the user's input is kept for another try";
        }

        change.change(*t); // the disk is back
        EXPECT_EQ(contentsOf(*t), changed);
        EXPECT_EQ(contentsOfFile(file), changed);
        EXPECT_TRUE(fileIsTidy(file, *t));
        // The last record can be changed again: its tags are in step.
        if (t->recordCount() > 0) {
            t->last();
            t->edit();
            t->setText("name", "Again");
            t->post();
        }
        t.reset();
        auto reopened = Table::open(file);
        EXPECT_FALSE(reopened->repairedFrom().has_value());
        EXPECT_EQ(reopened->recordCount(), changed.records.size());
    }
    EXPECT_GT(failures, 0) << "the change made no write to fail";
}

INSTANTIATE_TEST_SUITE_P(Changes, FailingDisk,
                         ::testing::Combine(::testing::ValuesIn(kChanges), ::testing::Bool()),
                         [](const auto& info) {
                             return std::string(std::get<0>(info.param).name) +
                                    (std::get<1>(info.param) ? "_DiskStaysBroken" : "_OneFault");
                         });

TEST(FailingDiskOnCreate, LeavesNoTableAndNoTemporary)
{
    for (const bool persist : {false, true}) {
        for (int n = 1;; ++n) {
            SCOPED_TRACE("disk operation " + std::to_string(n) + (persist ? " and after" : ""));
            TempDir dir;
            DiskFaults::failAt(n, persist);
            std::string message;
            try {
                Table::create(dir / "new.dbf", allTypesFields());
            } catch (const Error& e) {
                message = e.what();
            }
            const bool struck = DiskFaults::struck();
            DiskFaults::clear();
            if (!struck) {
                EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{"new.dbf"});
                EXPECT_EQ(Table::open(dir / "new.dbf")->fields(), allTypesFields());
                EXPECT_GT(n, 3) << "create must write, flush, rename and flush the folder";
                break;
            }
            EXPECT_NE(message.find("new.dbf"), std::string::npos) << message;
            EXPECT_EQ(filesIn(dir.path()), std::vector<std::string>{});
        }
    }
}
