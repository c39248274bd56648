#include "setup/SortKeysConfirm.h"

#include "DataRootFixture.h"

#include <gtest/gtest.h>

namespace
{

struct Entry {
    std::vector<std::string> flags;
    std::string srtkey;
    bool deleted = false;
};

class ConfirmSortKeys : public ::testing::Test
{
protected:
    ConfirmSortKeys()
    {
        fixture.addShowDates(12, QDate(2006, 10, 14), 2);
        fixture.data().CreateShowEntryTable(12, "10/14/2006");
    }

    dbf::Table& entries() { return *fixture.data().TzDbf1(); }

    void add(const Entry& e)
    {
        entries().append();
        for (const auto& flag : e.flags)
            entries().setLogical(flag, true);
        entries().setText("srtkey", e.srtkey);
        entries().post();
        if (e.deleted)
            entries().setDeleted(true);
    }

    std::string sortKeyOf(std::uint32_t recno)
    {
        entries().go(recno);
        return entries().text("srtkey");
    }

    DataRootFixture fixture;
};

TEST_F(ConfirmSortKeys, GivesEachEntryItsLowestClassAndLeavesDeletedOnesAlone)
{
    add({{"t1orob", "t2orna"}, "040"}); // 040 in trial 1, 010 in trial 2
    add({{}, "999"});                   // in no class
    add({{"t1orna"}, "555", true});     // deleted: keeps what it had
    add({{"t2rrna", "t1onit"}, "320"}); // already right
    add({{"t1rrea"}, "010"});           // class sort keys changed since
    entries().setOrder("NAME");
    entries().go(4);

    std::vector<std::uint32_t> progress;
    const SortKeysConfirm::Outcome outcome =
        SortKeysConfirm::run(fixture.data(), [&](std::uint32_t done, std::uint32_t total) {
            EXPECT_EQ(total, 5u);
            progress.push_back(done);
        });

    EXPECT_EQ(outcome.entries, 4u);
    EXPECT_EQ(outcome.changed, 2u);
    EXPECT_EQ(progress, (std::vector<std::uint32_t>{1, 2, 3, 4, 5}))
        << "the bar reaches the end, deleted entries included";
    EXPECT_EQ(entries().order(), "NAME") << "the order is put back";
    EXPECT_EQ(entries().recno(), 4u) << "and the record";

    // Read back from the file.
    fixture.data().CloseShow();
    ASSERT_TRUE(fixture.data().OpenShowFile(fixture.root() + "/shows/Show-00012-10-14-2006.dbf"));
    EXPECT_EQ(sortKeyOf(1), "010");
    EXPECT_EQ(sortKeyOf(2), "999");
    EXPECT_EQ(sortKeyOf(3), "555");
    EXPECT_TRUE(entries().deleted());
    EXPECT_EQ(sortKeyOf(4), "320");
    EXPECT_EQ(sortKeyOf(5), "550");
    EXPECT_TRUE(fixture.messages.texts.isEmpty());
}

TEST_F(ConfirmSortKeys, AClassMissingFromTheClassTableGives999WithItsMessage)
{
    dbf::Table& classes = *fixture.data().ShowClasses();
    for (std::uint32_t r = 1; r <= classes.recordCount(); ++r) {
        classes.go(r);
        if (classes.text("db_key") == "ONIT") {
            classes.edit();
            classes.setText("db_key", "ONXX");
            classes.post();
        }
    }
    add({{"t1onit"}, "320"});

    const SortKeysConfirm::Outcome outcome = SortKeysConfirm::run(fixture.data());

    EXPECT_EQ(outcome.changed, 1u);
    EXPECT_EQ(sortKeyOf(1), "999");
    ASSERT_EQ(fixture.messages.texts.size(), 1);
    EXPECT_EQ(fixture.messages.texts[0].toStdString(),
              "Unknown Sort Key for DBKey [ONIT] - Using 999");
}

} // namespace
