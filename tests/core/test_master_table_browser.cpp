#include "DataRootFixture.h"

#include "ui/MasterTableBrowser.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

namespace
{

// Records what the Find input box was opened with, on top of the scripted answers.
class FindMessages : public ScriptedMessages
{
public:
    std::optional<QString> input(const QString& caption, const QString& prompt,
                                 const QString& initial) override
    {
        captions << caption;
        initials << initial;
        return ScriptedMessages::input(caption, prompt, initial);
    }
    QStringList captions;
    QStringList initials;
};

// Four owners in record order: Smith 00017, Adams 00003, Jones 00120 (marked
// deleted), Baker 00009; with the owner window's orders.
class BrowserTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        data = &fixture.start();
        table = data->Owners();
        for (const auto& [id, last] : std::vector<std::pair<const char*, const char*>>{
                 {"00017", "Smith"}, {"00003", "Adams"}, {"00120", "Jones"}, {"00009", "Baker"}}) {
            table->append();
            table->setText("owner_id", id);
            table->setText("last", last);
            table->post();
        }
        table->go(3);
        table->setDeleted(true);
        browser = std::make_unique<MasterTableBrowser>(*table, messages);
        browser->addOrder({"Last Name", "name", "Last Name", "Last Name"});
        browser->addOrder({"Owner ID", "ownerid", "Owner ID", "ID #", FindKey::FiveDigitId});
        browser->addOrder({"Input Order", "", "Input Order", "Record #", FindKey::RecordNumber});
        browser->selectOrder(0);
    }

    DataRootFixture fixture;
    FindMessages messages;
    Tdmod* data = nullptr;
    dbf::Table* table = nullptr;
    std::unique_ptr<MasterTableBrowser> browser;
};

} // namespace

TEST_F(BrowserTest, StatusPanelsShowRecordCountAndOrder)
{
    table->go(2);
    EXPECT_EQ(browser->recordText().toStdString(), "Rec #     2 /     4");
    EXPECT_EQ(browser->indexText().toStdString(), "Current Index = Last Name");

    browser->setRecordWidth(3);
    browser->setIndexPrefix("Current Index is ");
    browser->selectOrder(1);
    EXPECT_EQ(browser->recordText().toStdString(), "Rec #   2 /   4");
    EXPECT_EQ(browser->indexText().toStdString(), "Current Index is Owner ID");
    EXPECT_TRUE(dbf::sameName(table->order(), "ownerid"));
    EXPECT_EQ(table->recno(), 2u) << "choosing an order keeps the record";

    browser->startAdd();
    EXPECT_EQ(browser->recordText().toStdString(), "Rec #   0 /   4")
        << "a record being added has no number yet";
}

TEST_F(BrowserTest, FindByKeyIdAndRecordNumber)
{
    struct Case {
        int order;
        QString typed;
        std::uint32_t found; // 0: not found
        QString message;
    };
    const std::vector<Case> cases = {
        {0, "smi", 1, {}},
        {0, "  baker  ", 0, "Could not find Last Name   BAKER"},
        {0, "bak", 4, {}},
        {0, "zz", 0, "Could not find Last Name ZZ"},
        {1, "17", 1, {}},
        {1, "+9", 4, {}},
        {1, "120", 3, {}},
        {1, "18", 0, "Could not find ID # 00018"},
        {1, "abc", 0, "Could not find ID # 00000"},
        {2, "3", 3, {}},
        {2, "0", 0, "Could not find Record # 0"},
        {2, "99", 0, "Could not find Record # 99"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        browser->selectOrder(c.order);
        table->go(2);
        messages.texts.clear();
        const FindOutcome outcome = browser->findText(c.typed);
        if (c.found != 0) {
            EXPECT_EQ(outcome, FindOutcome::Found);
            EXPECT_EQ(table->recno(), c.found);
            EXPECT_TRUE(messages.texts.isEmpty());
        } else {
            EXPECT_EQ(outcome, FindOutcome::NotFound);
            EXPECT_EQ(table->recno(), 2u) << "not found stays where the search began";
            EXPECT_EQ(messages.texts, QStringList{c.message});
        }
    }
}

TEST_F(BrowserTest, FindAsksInTheFindRecordBoxWithThePreviousSearch)
{
    browser->setFindPadding(10);
    messages.answerText(QString("adams"));
    EXPECT_EQ(browser->find(), FindOutcome::Found);
    EXPECT_EQ(table->recno(), 2u);
    messages.answerText(std::nullopt);
    EXPECT_EQ(browser->find(), FindOutcome::Cancelled);
    EXPECT_EQ(table->recno(), 2u);

    EXPECT_EQ(messages.captions, (QStringList{"Find Record", "Find Record"}));
    EXPECT_EQ(messages.texts,
              (QStringList{"Enter Last Name to find: ", "Enter Last Name to find: "}));
    EXPECT_EQ(messages.initials, (QStringList{QString(10, ' '), "ADAMS     "}));
}

TEST_F(BrowserTest, DeleteTogglesTheMarkAndItsTexts)
{
    table->go(1);
    EXPECT_EQ(browser->deletionText().toStdString(), "  ");
    EXPECT_EQ(browser->deleteCaption().toStdString(), "&Delete");
    ASSERT_TRUE(browser->toggleDeleted());
    EXPECT_TRUE(table->deleted());
    EXPECT_EQ(browser->deletionText().toStdString(), "DELETED");
    EXPECT_EQ(browser->deleteCaption().toStdString(), "Un&Delete");
    ASSERT_TRUE(browser->toggleDeleted());
    EXPECT_FALSE(table->deleted());

    ASSERT_TRUE(browser->startEdit());
    EXPECT_FALSE(browser->toggleDeleted()) << "no toggling in the middle of an edit";
    browser->cancel();
    table->zap();
    EXPECT_FALSE(browser->toggleDeleted()) << "nothing to mark in an empty table";
    EXPECT_FALSE(browser->startEdit());
}

TEST_F(BrowserTest, ButtonsFollowTheEditState)
{
    const MasterButtons browsing{true, true, true, true, false, false};
    const MasterButtons editing{false, false, false, false, true, true};
    EXPECT_EQ(browser->buttons(), browsing);
    browser->startAdd();
    EXPECT_EQ(browser->buttons(), editing);
    browser->cancel();
    ASSERT_TRUE(browser->startEdit());
    EXPECT_EQ(browser->buttons(), editing);
    EXPECT_EQ(browser->save(), SaveOutcome::Saved);
    EXPECT_EQ(browser->buttons(), browsing);
    EXPECT_EQ(browser->save(), SaveOutcome::NothingToSave);
}

TEST_F(BrowserTest, PackAsksFirstAndRemovesOnlyOnPack)
{
    messages.answer('C');
    EXPECT_FALSE(browser->confirmPack());
    EXPECT_EQ(table->recordCount(), 4u);
    ASSERT_EQ(messages.requests.size(), 1);
    EXPECT_EQ(messages.requests.at(0).text.toStdString(),
              "Packing the database will permanently remove;all the records marked as "
              "\"Deleted\".;Are you sure that is what you want?");
    EXPECT_EQ(messages.requests.at(0).buttons.toStdString(), "Cancel Pack");

    messages.answer('P');
    ASSERT_TRUE(browser->confirmPack());
    browser->pack();
    EXPECT_EQ(table->recordCount(), 3u);
    EXPECT_EQ(browser->recordText().toStdString(), "Rec #     2 /     3")
        << "the first record in name order (Adams) after the pack";

    EXPECT_FALSE(browser->confirmPack()) << "no answer scripted: the cautious Cancel";
}

TEST_F(BrowserTest, RemoveAllAsksNoYes)
{
    const QString question = "Are you sure you want to permanently remove all Owners?";
    messages.answer('N');
    EXPECT_FALSE(browser->confirmRemoveAll(question));
    messages.answer('Y');
    ASSERT_TRUE(browser->confirmRemoveAll(question));
    EXPECT_EQ(messages.requests.at(1).buttons.toStdString(), "No Yes");
    browser->removeAll();
    EXPECT_EQ(table->recordCount(), 0u);
    EXPECT_EQ(browser->recordText().toStdString(), "Rec #     0 /     0");
}
