#include "DataRootFixture.h"

#include "ui/TableModel.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

namespace
{

// Three breeds in record order: Whippet, Akita (marked deleted), Boxer.
class TableModelTest : public ::testing::Test
{
protected:
    void SetUp() override
    {
        breeds = fixture.start().Breeds();
        breeds->zap();
        for (const char* name : {"Whippet", "Akita", "Boxer"}) {
            breeds->append();
            breeds->setText("breed_name", name);
            breeds->post();
        }
        breeds->go(2);
        breeds->setDeleted(true);
        breeds->setOrder("breedname");
        breeds->go(3);
        model = std::make_unique<TableModel>(*breeds);
        model->setColumns({"breed_name", "short_name"});
    }

    QString cell(int row, int column = 0) const
    {
        return model->data(model->index(row, column)).toString();
    }

    DataRootFixture fixture;
    dbf::Table* breeds = nullptr;
    std::unique_ptr<TableModel> model;
};

} // namespace

TEST_F(TableModelTest, RowsFollowTheOrderAndLeaveTheCursorAlone)
{
    ASSERT_EQ(model->rowCount(), 3);
    EXPECT_EQ(model->columnCount(), 2);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "BREED_NAME");
    EXPECT_EQ((QStringList{cell(0), cell(1), cell(2)}), (QStringList{"Akita", "Boxer", "Whippet"}));
    EXPECT_TRUE(model->data(model->index(0, 0), TableModel::DeletedRole).toBool());
    EXPECT_FALSE(model->data(model->index(1, 0), TableModel::DeletedRole).toBool());
    EXPECT_TRUE(model->data(model->index(0, 0), Qt::ForegroundRole).isValid())
        << "deleted records show in colour";
    EXPECT_EQ(model->recordOfRow(2), 1u);
    EXPECT_EQ(model->rowOfRecord(1), 2);
    EXPECT_EQ(model->rowOfRecord(9), -1);
    EXPECT_EQ(breeds->recno(), 3u) << "reading the rows did not move the window's record";
    EXPECT_EQ(model->currentRow(), 1);
}

// A text that a column may cut shows whole in the cell's tip; a short one
// needs none.
TEST_F(TableModelTest, LongTextsHaveTheirTip)
{
    const QString longName = "American Staffordshire Terrier (Standard)";
    breeds->go(1);
    breeds->edit();
    breeds->setText("breed_name", longName.toStdString());
    breeds->post();
    model->refresh();
    const int row = model->rowOfRecord(1);
    EXPECT_EQ(model->data(model->index(row, 0), Qt::ToolTipRole).toString(), longName);
    EXPECT_FALSE(model->data(model->index(model->rowOfRecord(3), 0), Qt::ToolTipRole).isValid());
}

TEST_F(TableModelTest, CellEditStartsTheEditAndPostWritesIt)
{
    model->setEditable(true);
    ASSERT_TRUE(model->flags(model->index(2, 1)) & Qt::ItemIsEditable);
    breeds->go(1); // Whippet, the grid's current row
    int started = 0;
    QObject::connect(model.get(), &TableModel::editingStarted, [&] { ++started; });

    ASSERT_TRUE(model->setData(model->index(2, 1), "Whip"));
    EXPECT_EQ(started, 1);
    EXPECT_EQ(breeds->state(), dbf::Table::State::Edit);
    EXPECT_EQ(cell(2, 1), "Whip") << "the edited row shows the buffer";
    EXPECT_FALSE(model->setData(model->index(1, 1), "Box"))
        << "another row cannot be edited while this one is";

    model->refresh(); // while editing: the cursor must not move
    EXPECT_EQ(breeds->state(), dbf::Table::State::Edit);
    breeds->post();
    model->refresh();
    EXPECT_EQ(cell(2, 1), "Whip");
    breeds->go(1);
    EXPECT_EQ(breeds->text("short_name"), "Whip");
}

TEST_F(TableModelTest, AnInsertedRecordIsAnExtraLastRowUntilPosted)
{
    model->setEditable(true);
    breeds->append();
    model->refresh();
    ASSERT_EQ(model->rowCount(), 4);
    EXPECT_EQ(model->currentRow(), 3);
    EXPECT_EQ(model->recordOfRow(3), 0u);
    ASSERT_TRUE(model->setData(model->index(3, 0), "Collie"));
    breeds->post();
    model->refresh();
    ASSERT_EQ(model->rowCount(), 4);
    EXPECT_EQ(cell(2), "Collie");
    EXPECT_EQ(model->currentRow(), 2);
}

TEST(TableModelText, FieldsReadAndWriteByType)
{
    DataRootFixture fixture;
    dbf::Table& owners = *fixture.start().Owners();
    owners.append();
    ASSERT_TRUE(TableModel::writeField(owners, "modified", "10/14/2006"));
    EXPECT_FALSE(TableModel::writeField(owners, "modified", "14/10/2006"));
    EXPECT_EQ(TableModel::fieldText(owners, "modified"), "10/14/2006");
    ASSERT_TRUE(TableModel::writeField(owners, "modified", ""));
    EXPECT_EQ(TableModel::fieldText(owners, "modified"), "");
    ASSERT_TRUE(TableModel::writeField(owners, "last", "O'Neil  "));
    EXPECT_EQ(TableModel::fieldText(owners, "last"), "O'Neil");
    EXPECT_FALSE(TableModel::writeField(owners, "nosuchfield", "x"));
}
