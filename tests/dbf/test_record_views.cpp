#include "TableFixtures.h"
#include "TempDir.h"

#include "dbf/Error.h"
#include "dbf/Table.h"

#include <gtest/gtest.h>

// Lookups, reports and listings read through record views and the finds by
// tag, which must give the stored records and leave the table's cursor, order,
// filter, state and record buffer exactly as they found them.

using namespace dbf;

namespace
{

using Recnos = std::vector<std::uint32_t>;

class RecordViews : public ::testing::Test
{
protected:
    TempDir dir;
    std::unique_ptr<Table> t;

    // In upper case: 1 SMITH, 2 JONES, 3 SMALL, 4 SMITHERS (deleted), 5 SMITH.
    void SetUp() override
    {
        Table::create(dir / "owners.dbf", allTypesFields());
        t = Table::open(dir / "owners.dbf");
        const char* names[] = {"Smith", "Jones", "Small", "Smithers", "smith"};
        for (int i = 0; i < 5; ++i) {
            t->blankBuffer();
            t->setText("name", names[i]);
            t->setNumber("count", i + 1);
            t->setNumber("score", 10.25 * (i + 1));
            t->setDate("born", ymd(2000 + i, 1 + i, 10 + i));
            t->setLogical("active", i % 2 == 0);
            t->appendRecord();
        }
        t->go(4);
        t->setDeleted(true);
        t->setTags({{"name", "upper(name)"}, {"dname", "upper(name)", true}});
    }
};

} // namespace

TEST_F(RecordViews, ReadTheStoredRecordAndNeverTheBufferOfAnEdit)
{
    t->go(1);
    t->edit();
    t->setText("name", "Changed");
    t->setNumber("count", 99);

    const RecordView one = t->record(1);
    EXPECT_EQ(one.recno(), 1u);
    EXPECT_EQ(one.text("NAME"), "Smith");
    EXPECT_EQ(one.text(1), "Smith");
    EXPECT_EQ(one.raw("name"), "Smith" + std::string(15, ' '));
    EXPECT_DOUBLE_EQ(one.number("count"), 1);
    EXPECT_EQ(one.raw("score"), " 10.25");
    EXPECT_EQ(one.date("born"), ymd(2000, 1, 10));
    EXPECT_TRUE(one.logical("active"));
    EXPECT_TRUE(one.logical(5));
    EXPECT_FALSE(one.deleted());
    EXPECT_EQ(one.text(0), "");
    EXPECT_EQ(one.bytes().size(), std::size_t(t->recordLength()));
    EXPECT_EQ(t->text("name"), "Changed");

    const RecordView four = t->record(4);
    EXPECT_TRUE(four.deleted());
    EXPECT_EQ(four.text(0), "*");
    EXPECT_FALSE(four.logical("active"));

    for (const std::uint32_t recno : {0u, 6u}) {
        try {
            t->record(recno);
            FAIL() << "a view of record " << recno;
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("owners.dbf: no record"), std::string::npos)
                << e.what();
        }
    }
    EXPECT_THROW(one.text("nope"), Error);
    t->post();
    EXPECT_EQ(t->record(1).text("name"), "Changed") << "a view shows what was saved";
}

struct KeyCase {
    const char* tag;
    const char* key;
    std::optional<std::uint32_t> found; // findRecord: partial key
    std::optional<std::uint32_t> exact; // seekRecord: the whole key
    Recnos withKey;
};

TEST_F(RecordViews, FindInTheTagsOwnDirectionDeletedRecordsIncluded)
{
    // Ascending by upper(name), ties by record: JONES 2, SMALL 3, SMITH 1, SMITH 5,
    // SMITHERS 4; the descending tag reverses the whole order.
    const std::vector<KeyCase> cases = {
        {"name", "SMI", 1, std::nullopt, {1, 5, 4}},
        {"NAME", "SMITH", 1, 1, {1, 5, 4}},
        {"name", "SMITHERS", 4, 4, {4}},
        {"name", "", 2, std::nullopt, {2, 3, 1, 5, 4}},
        {"name", "SMZ", std::nullopt, std::nullopt, {}},
        {"name", "smith", std::nullopt, std::nullopt, {}}, // keys are upper case
        {"name", "Price in €", std::nullopt, std::nullopt, {}},
        {"name", "SMITH                 TOO LONG", std::nullopt, std::nullopt, {}},
        {"dname", "SMI", 4, std::nullopt, {4, 5, 1}},
        {"dname", "SMITH", 4, 5, {4, 5, 1}},
        {"dname", "SMA", 3, std::nullopt, {3}},
        {"dname", "", 4, std::nullopt, {4, 5, 1, 3, 2}},
        {"dname", "A", std::nullopt, std::nullopt, {}},
    };
    t->setFilter([](const RecordView& r) { return !r.deleted(); }); // the finds ignore it
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.tag) + " '" + c.key + "'");
        EXPECT_EQ(t->findRecord(c.tag, c.key), c.found);
        EXPECT_EQ(t->seekRecord(c.tag, c.key), c.exact);
        EXPECT_EQ(t->recordsWithKey(c.tag, c.key), c.withKey);
    }
    EXPECT_THROW(t->findRecord("nope", "A"), Error);
    EXPECT_THROW(t->recordsWithKey("nope", "A"), Error);
}

TEST_F(RecordViews, RecordsInOrderAreASnapshotThatTheFilterJudgesByStoredValues)
{
    EXPECT_EQ(t->recordsInOrder(), (Recnos{1, 2, 3, 4, 5}));
    EXPECT_EQ(t->recordsInOrder("name"), (Recnos{2, 3, 1, 5, 4}));
    EXPECT_EQ(t->recordsInOrder("DNAME"), (Recnos{4, 5, 1, 3, 2}));

    t->go(2);
    t->edit();
    t->setText("name", "Aaron"); // not saved: the filter sees JONES
    t->setLogical("active", true);
    const auto live = [](const RecordView& r) { return !r.deleted(); };
    const auto inactive = [](const RecordView& r) { return !r.logical("active"); };
    const auto startsWithJ = [](const RecordView& r) { return r.text("name").starts_with("J"); };
    EXPECT_EQ(t->recordsInOrder("name", live), (Recnos{2, 3, 1, 5}));
    EXPECT_EQ(t->recordsInOrder("dname", inactive), (Recnos{4, 2}));
    EXPECT_EQ(t->recordsInOrder("", startsWithJ), (Recnos{2}));

    Recnos seen;
    t->recordsInOrder("dname", [&](const RecordView& r) {
        seen.push_back(r.recno());
        return false;
    });
    EXPECT_EQ(seen, (Recnos{4, 5, 1, 3, 2})) << "each record is judged once, in the tag's order";
    EXPECT_THROW(t->recordsInOrder("nope"), Error);
}

TEST_F(RecordViews, NoReadMovesTheCursorOrChangesTheOrderFilterStateOrBuffer)
{
    const auto everyRead = [this] {
        (void)t->record(2).text("name");
        (void)t->findRecord("name", "SM");
        (void)t->seekRecord("dname", "JONES");
        (void)t->recordsWithKey("dname", "SMITH");
        (void)t->recordsInOrder("name", [](const RecordView& r) { return !r.deleted(); });
        (void)t->recordsInOrder();
    };
    t->setOrder("dname");
    t->setFilter([](const RecordView& r) { return r.recno() != 1; });
    ASSERT_TRUE(t->go(3));
    t->edit();
    t->setText("name", "Edited");

    everyRead();
    EXPECT_EQ(t->state(), Table::State::Edit);
    EXPECT_EQ(t->recno(), 3u);
    EXPECT_EQ(t->order(), "dname");
    EXPECT_TRUE(t->hasFilter());
    EXPECT_FALSE(t->bof());
    EXPECT_FALSE(t->eof());
    EXPECT_EQ(t->text("name"), "Edited");
    t->post();
    EXPECT_EQ(walk(*t), (Recnos{4, 5, 2, 3})) << "the edit saved, the order and filter kept";

    t->append();
    t->setText("name", "Newcomer");
    everyRead();
    EXPECT_EQ(t->state(), Table::State::Insert);
    EXPECT_EQ(t->text("name"), "Newcomer");
    EXPECT_EQ(t->recordCount(), 5u);
    t->post();
    EXPECT_EQ(t->findRecord("name", "NEW"), 6u);

    t->last();
    everyRead();
    EXPECT_TRUE(t->eof());
    EXPECT_EQ(t->recno(), 3u);
}
