#include "DataRootFixture.h"

#include "storage/ClassCodes.h"
#include "storage/TableSchemas.h"

#include "dbf/Table.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <gtest/gtest.h>

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

dbf::Table& entries(Tdmod& data)
{
    return *data.TzDbf1();
}

void addEntry(Tdmod& data, const std::vector<std::string>& flags)
{
    dbf::Table& t = entries(data);
    t.append();
    t.setText("dog", "Rex");
    for (const auto& flag : flags)
        t.setLogical(flag, true);
    t.post();
}

} // namespace

TEST(DataRoot, FirstStartLaysOutTheFoldersAndTables)
{
    TempDir dir;
    const QString root = QString::fromStdString(dir.path().string());
    const QStringList created = DataRoot(root).layOut();
    EXPECT_EQ(created, (QStringList{"userdata",
                                    "pgmdata",
                                    "shows",
                                    "indexs",
                                    "catdata",
                                    "help",
                                    "pgmdata/nurclass26.dbf",
                                    "pgmdata/catgroups.dbf",
                                    "pgmdata/showdb25.dbf",
                                    "userdata/dogmaster2.dbf",
                                    "userdata/Owners25.dbf",
                                    "userdata/judges25.dbf",
                                    "userdata/nurbreeds25.dbf",
                                    "userdata/maildb25.dbf",
                                    "userdata/shwdates25.dbf",
                                    "help/NurNewSec.txt",
                                    "help/classkeys.rtf",
                                    "help/nurbreeds.rtf",
                                    "help/nurhowto.rtf",
                                    "help/nurtranshow2.rtf",
                                    "help/ownerhelp.rtf",
                                    "help/~nur26Notes.txt"}));
    EXPECT_TRUE(DataRoot(root).layOut().isEmpty()) << "a second start creates nothing";

    const struct {
        const TableSchema& schema;
        std::size_t fields;
        int recordLength;
        std::uint32_t records;
    } expected[] = {
        {TableSchemas::Show(), 145, 519, 0},    {TableSchemas::Dogs(), 22, 0, 0},
        {TableSchemas::Owners(), 13, 0, 0},     {TableSchemas::Judges(), 14, 0, 0},
        {TableSchemas::Breeds(), 4, 0, 130},    {TableSchemas::Mail(), 15, 0, 0},
        {TableSchemas::ShowDates(), 107, 0, 0}, {TableSchemas::ShowClasses(), 10, 0, 29},
    };
    for (const auto& e : expected) {
        const auto table = dbf::Table::open(DataRoot(root).tableFile(e.schema).toStdString(),
                                            dbf::Table::Access::ReadOnly);
        EXPECT_EQ(table->fields(), e.schema.fields) << s(e.schema.component);
        EXPECT_EQ(table->fields().size(), e.fields) << s(e.schema.component);
        if (e.recordLength) {
            EXPECT_EQ(table->recordLength(), e.recordLength);
        }
        EXPECT_EQ(table->recordCount(), e.records) << s(e.schema.component);
    }
}

TEST(TableSchemas, PositionsThatOperationsReadStayPut)
{
    const auto name = [](const TableSchema& schema, int position) {
        return schema.fields.at(position - 1).name;
    };
    const auto& show = TableSchemas::Show();
    EXPECT_EQ(name(show, 19), "srtkey");
    EXPECT_EQ(name(show, 20), "t1orna");
    EXPECT_EQ(name(show, 38), "t2orna");
    EXPECT_EQ(name(show, 91), "t4onit");
    EXPECT_EQ(name(show, 92), "ob_jmpht");
    EXPECT_EQ(name(show, 93), "t1rrna");
    EXPECT_EQ(name(show, 136), "t4rntm");
    EXPECT_EQ(name(show, 145), "junior_id");
    const auto& dates = TableSchemas::ShowDates();
    EXPECT_EQ(name(dates, 4), "t1or");
    EXPECT_EQ(name(dates, 17), "t1_date");
    EXPECT_EQ(name(dates, 59), "t4_date");
    EXPECT_EQ(name(dates, 60), "t1_o_evnum");
    EXPECT_EQ(name(dates, 64), "t1rr");
    EXPECT_EQ(name(dates, 69), "t1rctm");
    EXPECT_EQ(name(dates, 87), "t4rctm");
    EXPECT_EQ(name(dates, 107), "t4_a_evnum");
}

TEST(DataRoot, FindsFilesWhateverTheirCaseAndIgnoresStaleIndexes)
{
    TempDir dir;
    const QString root = QString::fromStdString(dir.path().string());
    DataRoot(root).layOut();
    QDir top(root);
    ASSERT_TRUE(top.rename("userdata", "UserData"));
    ASSERT_TRUE(
        QFile::rename(root + "/UserData/dogmaster2.dbf", root + "/UserData/DOGMASTER2.DBF"));
    QFile stale(root + "/indexs/dogmaster2.mdx");
    ASSERT_TRUE(stale.open(QIODevice::WriteOnly));
    stale.write("not an index");
    stale.close();

    ScriptedMessages messages;
    Tdmod data(root, messages);
    EXPECT_TRUE(messages.texts.isEmpty()) << s(messages.texts.join("|"));
    ASSERT_NE(data.Dogs(), nullptr);
    EXPECT_EQ(data.Dogs()->path().filename(), "DOGMASTER2.DBF");
    EXPECT_FALSE(QFileInfo::exists(root + "/userdata")) << "no second folder in another case";
}

class DataModuleTest : public ::testing::Test
{
protected:
    DataRootFixture fixture;
    Tdmod& data = fixture.data();
    ScriptedMessages& messages = fixture.messages;
};

struct LookupCase {
    const char* name;
    std::function<QString(Tdmod&)> lookup;
    QString result;
    QString message; // empty: none shown
};

class DataModuleLookups : public DataModuleTest, public ::testing::WithParamInterface<LookupCase>
{
};

TEST_P(DataModuleLookups, GiveTheValueOrTheFallbackWithItsMessage)
{
    EXPECT_EQ(s(GetParam().lookup(data)), s(GetParam().result));
    EXPECT_EQ(s(messages.texts.join("|")), s(GetParam().message));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DataModuleLookups,
    ::testing::Values(
        LookupCase{"ClassNameForField",
                   [](Tdmod& d) { return d.ClassNameForField("t2orob").trimmed(); }, "Open B", ""},
        LookupCase{"ClassNameForFieldUnknown",
                   [](Tdmod& d) { return d.ClassNameForField("t2zzzz"); }, "UNKNOWN ",
                   "Unknown Class for DBKey [ZZZZ] - Using UNKNOWN"},
        LookupCase{"SortKeyForField", [](Tdmod& d) { return d.SortKeyForField("t3rnctm"); }, "720",
                   ""},
        LookupCase{"SortKeyForFieldUnknown", [](Tdmod& d) { return d.SortKeyForField("t1xx"); },
                   "999", "Unknown Sort Key for DBKey [XX] - Using 999"},
        LookupCase{"CatGroupForKey", [](Tdmod& d) { return d.CatGroupForKey("ORNA  "); }, "NOV",
                   ""},
        LookupCase{"CatGroupForKeyUnknown", [](Tdmod& d) { return d.CatGroupForKey("QQ"); }, "ZZZ",
                   "Unknown CatGroup for DBKey [QQ] - Using ZZZ"},
        LookupCase{"DbKeyForSortKey", [](Tdmod& d) { return d.DbKeyForSortKey("010").trimmed(); },
                   "ORNA", ""},
        LookupCase{"DbKeyForSortKeyUnknown", [](Tdmod& d) { return d.DbKeyForSortKey("998"); },
                   "99999", "Unknown DBKey for [998] - Using 99999"},
        LookupCase{"ClassNameForSortKeyUnknown",
                   [](Tdmod& d) { return d.ClassNameForSortKey("998"); }, "UNKNOWN ",
                   "Unknown Class for SrtKey [998] - Using UNKNOWN"},
        LookupCase{"Get_ObedClassName", [](Tdmod& d) { return d.Get_ObedClassName("040"); },
                   "Open B", ""},
        LookupCase{
            "Get_ObedClassNameUnknown", [](Tdmod& d) { return d.Get_ObedClassName("998"); },
            "Unknown Class",
            "Unknown key in Get_ObedClassName of [998];Using -- Unknown Class -- for Description"},
        LookupCase{
            "CatGroupHeaderUnknown", [](Tdmod& d) { return d.CatGroupHeader("Rally", "qqq"); },
            "Unknown Group RALLY    QQQ",
            "CatGroup key of [RALLY    QQQ] not found!;Using -- Unknown Group -- for Description"},
        LookupCase{"DogNameForRegUnknown", [](Tdmod& d) { return d.DogNameForReg("DN123   "); },
                   "DN123", ""},
        LookupCase{"OwnerNameForIdUnknown", [](Tdmod& d) { return d.OwnerNameForId("00042"); },
                   "Owner ID = 00042", ""},
        LookupCase{"BreedShortNameUnknown", [](Tdmod& d) { return d.BreedShortName("Puli"); },
                   "Puli", ""}),
    [](const auto& info) { return info.param.name; });

TEST_F(DataModuleTest, ClassScoringGivesZeroForAnUnknownKey)
{
    Tdmod::ClassScore score = data.ClassScoring("ORNA");
    EXPECT_EQ(score.maxScore, 200);
    EXPECT_EQ(score.qualifyingScore, 170);
    score = data.ClassScoring("QQQQ  ");
    EXPECT_EQ(score.maxScore, 0);
    EXPECT_EQ(score.qualifyingScore, 0);
    EXPECT_EQ(s(messages.texts.last()), "DBKey [QQQQ] - Not found in Show Classes Database");
}

TEST_F(DataModuleTest, MasterLookupsFindTheirRecords)
{
    dbf::Table& owners = *data.Owners();
    owners.append();
    owners.setText("owner_id", "00017");
    owners.setText("first", "Zoë");
    owners.setText("last", "Müller");
    owners.setText("email", "zoe@example.org");
    owners.post();
    EXPECT_TRUE(owners.date("modified").has_value()) << "a post stamps the owner";
    EXPECT_EQ(s(data.OwnerNameForId("00017")), "Zoë Müller");
    EXPECT_EQ(s(data.OwnerEmail("00017")), "zoe@example.org");
    EXPECT_EQ(owners.order(), "NAME") << "the owners keep their order";

    dbf::Table& breeds = *data.Breeds();
    breeds.zap();
    breeds.append();
    breeds.setText("breed_name", "Border Collie");
    breeds.post();
    breeds.append();
    breeds.setText("breed_name", "Labrador Retriever");
    breeds.setText("short_name", "Labrador");
    breeds.post();
    EXPECT_EQ(s(data.BreedShortName("border collie")), "Border Collie");
    EXPECT_EQ(s(data.BreedShortName("Labrador Retriever")), "Labrador");
}

TEST_F(DataModuleTest, NextIdsCountDeletedRecordsPast32767AndDogsOfPackedOwners)
{
    EXPECT_EQ(data.NextOwnerId().value(), QString("00001"));
    EXPECT_EQ(data.NextJudgeNumber().value(), QString("00001"));

    dbf::Table& owners = *data.Owners();
    for (const char* id : {"00005", "40000", "00007"}) {
        owners.append();
        owners.setText("owner_id", id);
        owners.post();
    }
    owners.find("");
    owners.go(2);
    owners.setDeleted(true);
    EXPECT_EQ(data.NextOwnerId().value(), QString("40001"))
        << "deleted owners count, and past 32767";

    owners.pack();
    dbf::Table& dogs = *data.Dogs();
    dogs.append();
    dogs.setText("reg", "DN1");
    dogs.setText("owner_id", "40000");
    dogs.post();
    EXPECT_EQ(data.NextOwnerId().value(), QString("40001")) << "a dog still references owner 40000";

    owners.append();
    owners.setText("last", "Newcomer");
    EXPECT_EQ(data.NextOwnerId().value(), QString("40001"));
    EXPECT_EQ(owners.state(), dbf::Table::State::Insert) << "asking for an ID keeps the new owner";
    owners.post();
    EXPECT_EQ(owners.text("last"), "Newcomer");

    dbf::Table& judges = *data.Judges();
    judges.append();
    judges.setText("judgenum", "99999");
    judges.post();
    const Result<QString> none = data.NextJudgeNumber();
    ASSERT_FALSE(none.ok());
    EXPECT_NE(none.message().indexOf("99999"), -1) << s(none.message());
}

TEST_F(DataModuleTest, CreatesOpensAndClosesAShow)
{
    fixture.addShowDates(12, QDate(2006, 10, 14), 2);
    data.CreateShowEntryTable(12, "10/14/2006");
    const QString file = fixture.root() + "/shows/Show-00012-10-14-2006.dbf";
    EXPECT_TRUE(QFileInfo::exists(file));
    EXPECT_TRUE(QFileInfo(fixture.root() + "/catdata/cat00012/indexs").isDir());
    ASSERT_TRUE(data.showOpen());
    EXPECT_EQ(data.currentShowNumber(), 12);
    EXPECT_EQ(entries(data).recordLength(), 519);
    EXPECT_EQ(entries(data).order(), "NAME");
    EXPECT_EQ(s(data.ReadLastShow()), s(QDir::toNativeSeparators(file)));

    addEntry(data, {"t1orob"});
    data.CloseShow();
    EXPECT_FALSE(data.showOpen());
    EXPECT_EQ(data.currentShowNumber(), 12);

    ASSERT_TRUE(data.OpenShowFile(file));
    EXPECT_EQ(entries(data).recordCount(), 1u);
    EXPECT_EQ(s(data.currentShowDateText()), "10/14/2006");
    EXPECT_EQ(s(data.ShowDatesText()), "October 14, 2006 thru October 15, 2006");
    EXPECT_TRUE(messages.texts.isEmpty()) << s(messages.texts.join("|"));
}

TEST_F(DataModuleTest, RefusesAnOldShowFileAndOneWithoutShowDates)
{
    const QString old = fixture.root() + "/shows/Show-00003-01-01-2001.dbf";
    dbf::Table::create(old.toStdString(), {{"reg", dbf::FieldType::Character, 12}});
    EXPECT_FALSE(data.OpenShowFile(old));
    ASSERT_EQ(messages.requests.size(), 1);
    EXPECT_EQ(s(messages.requests[0].caption), "Opening Existing Show");
    EXPECT_TRUE(
        messages.texts[0].startsWith("SORRY!!!  I CANNOT open a Show file from Version 1 or 2.;;"));

    data.CreateShowEntryTable(7, "05/06/2007"); // no show dates record for 7
    data.CloseShow();
    EXPECT_FALSE(data.OpenShowFile(fixture.root() + "/shows/Show-00007-05-06-2007.dbf"));
    EXPECT_EQ(s(messages.texts.last()),
              "This file does not contain a valid Show #.  Please try again.");
    EXPECT_FALSE(data.showOpen());
}

TEST_F(DataModuleTest, EntryValuesFromTheFlags)
{
    fixture.addShowDates(1, QDate(2026, 12, 11), 4);
    data.CreateShowEntryTable(1, "12/11/2026");
    addEntry(data, {});
    addEntry(data, {"t2orob", "t1rrea", "t4rntc"});
    addEntry(data,
             {"t1orna", "t1ornb", "t1oroa", "t1orob", "t1orua", "t1orub", "t1rrna", "t2onvt"});
    EXPECT_EQ(s(data.LowestSortKey(1)), "999");
    EXPECT_EQ(s(data.LowestSortKey(2)), "040") << "the lowest over both sections";
    entries(data).go(3);
    const Tdmod::EnteredClasses entered = data.EnteredClassLists(3);
    EXPECT_EQ(entered.most, 7);
    EXPECT_EQ(entered.lists[0].size(), 5);
    EXPECT_EQ(s(entered.lists[0][0].trimmed()), "(Ob) Novice A");
    EXPECT_EQ(s(entered.lists[1][0].trimmed()), "(Ob) Veterans");
    EXPECT_EQ(entries(data).recno(), 3u) << "the cursor stays";

    entries(data).go(2);
    entries(data).edit();
    entries(data).setText("titles_pre", "CH");
    entries(data).setText("titles_end", "UD");
    entries(data).setText("bracecode", "B");
    entries(data).setText("arm", "101");
    entries(data).setText("junior_id", "JR7");
    entries(data).post();
    EXPECT_EQ(s(data.DogTitledName(2)), "CH Rex, UD");
    EXPECT_EQ(s(data.JuniorIdForArmband(" 101 ")), "JR7");
    data.RefreshMaxLinkCodes();
    EXPECT_EQ(s(data.maxLinkCodes()[0]), "B");
    EXPECT_EQ(s(data.maxLinkCodes()[1]), "");
}

TEST_F(DataModuleTest, OpenExistingShowAsksAgainUntilAShowOpensOrTheUserCancels)
{
    fixture.addShowDates(12, QDate(2006, 10, 14), 1);
    data.CreateShowEntryTable(12, "10/14/2006");
    data.CreateShowEntryTable(7, "05/06/2007"); // no show dates record
    data.CloseShow();
    const QString shows = fixture.root() + "/shows/";
    messages.answerText(shows + "Show-00007-05-06-2007.dbf");
    messages.answerText(shows + "Show-00012-10-14-2006.dbf");
    ASSERT_TRUE(data.OpenExistingShow());
    EXPECT_EQ(data.currentShowNumber(), 12);
    EXPECT_EQ(s(messages.texts.join("|")),
              "NUR Show Databases|This file does not contain a valid Show #.  Please try "
              "again.|NUR Show Databases");

    data.CloseShow();
    EXPECT_FALSE(data.OpenExistingShow()) << "cancelled";
    EXPECT_FALSE(data.showOpen());
}
