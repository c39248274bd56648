#include "TableFixtures.h"
#include "TempDir.h"

#include "dbf/Codepage437.h"
#include "dbf/Error.h"
#include "dbf/Table.h"

#include <gtest/gtest.h>

#include <cstring>
#include <numeric>
#include <random>
#include <sys/wait.h>
#include <unistd.h>

using namespace dbf;

class TableTest : public ::testing::Test
{
protected:
    TempDir dir;
    std::filesystem::path file = dir / "dogs.dbf";

    std::unique_ptr<Table> fresh(FieldList fields = allTypesFields())
    {
        Table::create(file, std::move(fields));
        return Table::open(file);
    }
};

TEST_F(TableTest, EveryFieldTypeRoundTripsThroughTheFile)
{
    {
        auto t = fresh();
        t->append();
        t->setText("NAME", "Zoë Müller");
        t->setNumber("score", 198.5);
        t->setNumber("count", -12);
        t->setDate("born", ymd(2006, 10, 14));
        t->setLogical("active", true);
        t->post();
        t->append();
        t->post(); // a new record is all blanks
    }
    auto t = Table::open(file);
    ASSERT_EQ(t->recordCount(), 2u);
    t->go(1);
    EXPECT_EQ(t->text("name"), "Zoë Müller");
    EXPECT_EQ(t->raw("score"), "198.50");
    EXPECT_DOUBLE_EQ(t->number("score"), 198.5);
    EXPECT_EQ(t->text("count"), "-12");
    EXPECT_EQ(t->date("born"), ymd(2006, 10, 14));
    EXPECT_TRUE(t->logical("active"));
    EXPECT_EQ(t->text(1), "Zoë Müller");
    EXPECT_EQ(t->text(0), "");
    t->go(2);
    EXPECT_EQ(t->raw("name"), std::string(20, ' '));
    EXPECT_EQ(t->text("score"), "");
    EXPECT_FALSE(t->date("born").has_value());
    EXPECT_FALSE(t->logical("active"));
}

TEST_F(TableTest, LogicalValuesReadAsTheDesktopEngineDid)
{
    auto t = fresh();
    for (int i = 0; i < 10; ++i) {
        t->append();
        t->post();
    }
    t.reset();
    auto bytes = readBytes(file);
    const std::size_t header = 32 + 32 * 5 + 1, length = 1 + 20 + 6 + 3 + 8 + 1;
    const std::string stored = "TtYyFfNn? ";
    for (std::size_t i = 0; i < stored.size(); ++i)
        bytes[header + i * length + length - 1] = stored[i];
    writeBytes(file, bytes);
    t = Table::open(file);
    std::string truth;
    for (t->first(); !t->eof(); t->next())
        truth += t->logical("active") ? '1' : '0';
    EXPECT_EQ(truth, "1111000000");
    t->go(1);
    t->edit();
    t->setLogical("active", false);
    t->post();
    EXPECT_EQ(t->raw("active"), "F");
}

TEST_F(TableTest, ValuesThatDoNotFitAreCutOrRefused)
{
    auto t = fresh();
    t->append();
    t->setText("name", "A name that is much longer than twenty");
    EXPECT_EQ(t->raw("name"), "A name that is much ");
    try {
        t->setNumber("count", 12345);
        FAIL() << "a number wider than its field must be refused";
    } catch (const Error& e) {
        EXPECT_NE(std::string(e.what()).find("count"), std::string::npos) << e.what();
    }
    try {
        t->setText("name", "Price in €");
        FAIL() << "a character outside code page 437 must be refused";
    } catch (const EncodingError& e) {
        EXPECT_EQ(e.field(), "name");
        EXPECT_EQ(e.character(), "€");
    }
}

TEST_F(TableTest, AddThenCancelLeavesNothingInTheFile)
{
    auto t = fresh();
    const auto before = readBytes(file);
    t->append();
    t->setText("name", "Rex");
    t->cancel();
    EXPECT_EQ(t->recordCount(), 0u);
    EXPECT_TRUE(t->eof());
    t.reset();
    EXPECT_EQ(readBytes(file), before);
}

TEST_F(TableTest, EditThenCancelRestoresTheRecord)
{
    auto t = fresh();
    addRecord(*t, {{"name", "Rex"}});
    t->edit();
    t->setText("name", "Max");
    t->cancel();
    EXPECT_EQ(t->text("name"), "Rex");
}

TEST_F(TableTest, CursorStopsAtTheEndsLikeTheDesktopTables)
{
    auto t = fresh();
    EXPECT_TRUE(t->bof());
    EXPECT_TRUE(t->eof());
    EXPECT_EQ(t->recno(), 0u);
    for (const char* n : {"a", "b", "c"})
        addRecord(*t, {{"name", n}});
    t->first();
    EXPECT_TRUE(t->bof());
    EXPECT_FALSE(t->eof());
    t->prior();
    EXPECT_EQ(t->recno(), 1u);
    t->last();
    EXPECT_TRUE(t->eof());
    EXPECT_EQ(t->recno(), 3u);
    t->next();
    EXPECT_EQ(t->recno(), 3u);
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{1, 2, 3}));
    EXPECT_FALSE(t->go(4));
    EXPECT_TRUE(t->go(2));
    EXPECT_EQ(t->text("name"), "b");
}

TEST_F(TableTest, ShowEntryJumpHeightTagsOrderBySortKeyHeightAndRecord)
{
    using dbf::FieldType;
    auto t = fresh({{"srtkey", FieldType::Character, 3}, {"ob_jmpht", FieldType::Character, 2}});
    // record:            1            2            3           4            5            6
    const std::vector<std::pair<std::string, std::string>> rows = {
        {"020", "16"}, {"010", "??"}, {"020", " 8"}, {"020", "10"}, {"010", " 4"}, {"020", " 8"}};
    for (const auto& [key, height] : rows)
        addRecord(*t, {{"srtkey", key}, {"ob_jmpht", height}});
    t->addTag({"aobjmpht", "srtkey+str(val(ob_jmpht),2,0)+str(recno(),5)"});
    t->addTag({"dobjmpht", "srtkey+str(val(ob_jmpht),2,0)+str(recno(),5)", true});
    t->addTag({"SRTKEY", "srtkey+str(recno(),5)"});

    t->setOrder("AOBJMPHT");
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{2, 5, 3, 6, 4, 1}));
    t->setOrder("dobjmpht");
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{1, 4, 6, 3, 5, 2}));
    t->setOrder("srtkey");
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{2, 5, 1, 3, 4, 6}));
}

TEST_F(TableTest, TagsOrderByWholeKeyThenRecordInEitherDirection)
{
    using dbf::FieldType;
    auto t = fresh({{"code", FieldType::Character, 3}, {"name", FieldType::Character, 30}});
    // Few distinct values, so that keys share long runs of bytes and tie often.
    std::mt19937 random(11);
    const char* parts[] = {"", "a", "ab", "b", "\x81", "ba"}; // 0x81: a byte above 127
    for (int i = 0; i < 600; ++i) {
        t->blankBuffer();
        t->setText("code", std::string(parts[random() % 3]));
        std::string name;
        for (int k = random() % 12; k > 0; --k)
            name += parts[random() % 6];
        t->setText("name", dbf::cp437::toUtf8(name));
        t->appendRecord();
    }
    for (const char* expression : {"code", "name", "code+name", "name+code"}) {
        for (const bool descending : {false, true}) {
            SCOPED_TRACE(std::string(expression) + (descending ? " descending" : ""));
            t->setTags({{"probe", expression, descending}});
            const auto key = [&](std::uint32_t r) {
                const auto view = t->record(r);
                const std::string code(view.bytes().substr(1, 3));
                const std::string name(view.bytes().substr(4, 30));
                const std::string e = expression;
                return e == "code"        ? code
                       : e == "name"      ? name
                       : e == "code+name" ? code + name
                                          : name + code;
            };
            std::vector<std::uint32_t> expected(t->recordCount());
            std::iota(expected.begin(), expected.end(), 1u);
            std::stable_sort(expected.begin(), expected.end(),
                             [&](std::uint32_t a, std::uint32_t b) { return key(a) < key(b); });
            if (descending)
                std::reverse(expected.begin(), expected.end());
            ASSERT_EQ(t->recordsInOrder("probe"), expected);
            t->setOrder("probe");
            ASSERT_EQ(walk(*t), expected);
        }
    }
}

TEST_F(TableTest, PartialKeyFindTakesTheFirstMatchAndStaysWhenNoneMatches)
{
    auto t = fresh();
    for (const char* n : {"SMITH", "JONES", "SMALL", "SMITHERS"})
        addRecord(*t, {{"name", n}});
    t->addTag({"name", "upper(name)"});
    t->setOrder("name");
    ASSERT_TRUE(t->find("SMI"));
    EXPECT_EQ(t->text("name"), "SMITH");
    ASSERT_TRUE(t->find("SM"));
    EXPECT_EQ(t->text("name"), "SMALL");
    EXPECT_FALSE(t->find("SMZ"));
    EXPECT_EQ(t->text("name"), "SMALL");
    EXPECT_FALSE(t->seek("SMITHE"));
    EXPECT_TRUE(t->seek("SMITHERS"));

    t->addTag({"dname", "upper(name)", true});
    t->setOrder("dname");
    ASSERT_TRUE(t->find("SMITH"));
    EXPECT_EQ(t->text("name"), "SMITHERS"); // first in descending order
}

TEST_F(TableTest, EveryWriteKeepsEveryTagInStep)
{
    auto t = fresh();
    t->addTag({"name", "upper(name)"});
    t->addTag({"born", "dtos(born)"});
    t->setOrder("name");
    addRecord(*t, {{"name", "b"}, {"born", "20010101"}});
    addRecord(*t, {{"name", "a"}, {"born", "20020101"}});
    t->go(1);
    t->edit();
    t->setText("name", "c");
    t->post();
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{2, 1}));
    t->go(2);
    t->setText("born", "19990101");
    t->writeRecord();
    t->setOrder("born");
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{2, 1}));
    t->blankBuffer();
    t->setText("name", "0");
    t->appendRecord();
    EXPECT_EQ(t->recno(), 3u);
    t->setOrder("name");
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{3, 2, 1}));
}

TEST_F(TableTest, DeletedRecordsStayVisibleUntilAFilterHidesThemOrAPackRemovesThem)
{
    auto t = fresh();
    for (const char* n : {"a", "b", "c", "d"})
        addRecord(*t, {{"name", n}});
    t->addTag({"name", "upper(name)"});
    t->setOrder("name");
    t->go(2);
    t->toggleDeleted();
    t->go(3);
    t->setDeleted(true);
    t->toggleDeleted();
    t->toggleDeleted();
    EXPECT_TRUE(t->deleted());
    EXPECT_EQ(t->text(0), "*");
    EXPECT_EQ(walk(*t).size(), 4u);

    t->setFilter([](const dbf::RecordView& r) { return !r.deleted(); });
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{1, 4}));
    EXPECT_EQ(t->visibleCount(), 2u);
    ASSERT_TRUE(t->goToVisible(1));
    EXPECT_EQ(t->text("name"), "d");
    t->clearFilter();

    t->pack();
    EXPECT_EQ(t->recordCount(), 2u);
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{1, 2}));
    t->go(2);
    EXPECT_EQ(t->text("name"), "d"); // renumbered
    ASSERT_TRUE(t->find("D"));
    EXPECT_EQ(t->recno(), 2u);
    t.reset();
    auto reopened = Table::open(file);
    EXPECT_EQ(reopened->recordCount(), 2u);
}

TEST_F(TableTest, ZapEmptiesTheTableAndKeepsItsFields)
{
    auto t = fresh();
    addRecord(*t, {{"name", "a"}});
    t->zap();
    EXPECT_EQ(t->recordCount(), 0u);
    EXPECT_TRUE(t->eof());
    addRecord(*t, {{"name", "b"}});
    t.reset();
    auto reopened = Table::open(file);
    EXPECT_EQ(reopened->recordCount(), 1u);
    EXPECT_EQ(reopened->fields(), allTypesFields());
}

TEST_F(TableTest, AppendFromMatchesFieldsByNameAndConverts)
{
    using dbf::FieldType;
    const auto source = dir / "old.dbf";
    Table::create(source, {{"COUNT", FieldType::Character, 5},
                           {"name", FieldType::Character, 30},
                           {"score", FieldType::Numeric, 8, 3},
                           {"extra", FieldType::Character, 4}});
    {
        auto s = Table::open(source);
        addRecord(*s, {{"count", " 42"}, {"name", "A very long name for the narrow field"}});
        s->edit();
        s->setNumber("score", 12.345);
        s->post();
        addRecord(*s, {{"name", "Gone"}});
        s->setDeleted(true);
    }
    auto t = fresh();
    EXPECT_EQ(t->appendFrom(source), 2u);
    t->go(1);
    EXPECT_EQ(t->raw("count"), " 42");
    EXPECT_EQ(t->text("name"), "A very long name for");
    EXPECT_EQ(t->raw("score"), " 12.35");
    EXPECT_FALSE(t->deleted());
    t->go(2);
    EXPECT_TRUE(t->deleted());
    EXPECT_EQ(t->text("name"), "Gone");
    EXPECT_EQ(t->text("score"), "");
}

TEST_F(TableTest, CopyStructureWritesAnEmptyTableWithTheSameFields)
{
    auto t = fresh();
    addRecord(*t, {{"name", "a"}});
    const auto copy = dir / "copy.dbf";
    t->copyStructureTo(copy);
    auto c = Table::open(copy);
    EXPECT_EQ(c->recordCount(), 0u);
    EXPECT_EQ(c->fields(), t->fields());
    EXPECT_EQ(c->recordLength(), t->recordLength());
}

TEST_F(TableTest, CreateRefusesAnExistingFileAndLeavesItAsItWas)
{
    for (const std::vector<char>& existing :
         {std::vector<char>{}, std::vector<char>{'o', 'l', 'd'}}) {
        writeBytes(file, existing);
        try {
            Table::create(file, allTypesFields());
            FAIL() << "created over an existing file";
        } catch (const Error& e) {
            EXPECT_NE(std::string(e.what()).find("dogs.dbf: a file of that name exists"),
                      std::string::npos)
                << e.what();
        }
        EXPECT_EQ(readBytes(file), existing);
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(dir.path()),
                                std::filesystem::directory_iterator()),
                  1)
            << "a temporary is left beside the table";
    }
}

TEST_F(TableTest, PackAndZapWriteUnderTemporaryNamesOfTheirOwn)
{
    auto t = fresh();
    addRecord(*t, {{"name", "a"}});
    // What a pack killed by an earlier version, or another program, left.
    const auto stale = dir / "dogs.dbf.new";
    writeBytes(stale, {'s', 't', 'a', 'l', 'e'});
    t->setDeleted(true);
    t->pack();
    addRecord(*t, {{"name", "b"}});
    t->zap();
    EXPECT_EQ(readBytes(stale), (std::vector<char>{'s', 't', 'a', 'l', 'e'}));
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(dir.path()))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"dogs.dbf", "dogs.dbf.new"}));
}

TEST_F(TableTest, ASecondOpenIsRefusedInThisProcessAndAnother)
{
    auto t = fresh();
    EXPECT_THROW(Table::open(file), InUseError);
    EXPECT_THROW(Table::open(file, Table::Access::ReadOnly), InUseError);
    const pid_t child = fork();
    if (child == 0) {
        try {
            Table::open(file);
            _exit(0);
        } catch (const InUseError& e) {
            _exit(std::string(e.what()).find("dogs.dbf") != std::string::npos ? 3 : 4);
        } catch (...) {
            _exit(5);
        }
    }
    int status = 0;
    waitpid(child, &status, 0);
    EXPECT_EQ(WEXITSTATUS(status), 3);
    t.reset();
    EXPECT_NO_THROW(Table::open(file));
}

TEST_F(TableTest, FieldNamesAreWrittenInLowerCaseAndMatchedInAnyCase)
{
    using dbf::FieldType;
    auto t = fresh({{"Owner_ID", FieldType::Character, 5}});
    const auto bytes = readBytes(file);
    EXPECT_EQ(std::string(bytes.data() + 32, 8), "owner_id");
    EXPECT_EQ(bytes[29], 0x01);
    EXPECT_EQ(bytes[0], 0x03);
    EXPECT_EQ(bytes.back(), 0x1A);
    EXPECT_EQ(t->fieldIndex("OWNER_id"), 0);
    EXPECT_EQ(t->fieldIndex("nope"), -1);
}

struct Damage {
    const char* name;
    std::function<void(std::vector<char>&)> harm;
    const char* fault;
};

class DamagedTable : public ::testing::TestWithParam<Damage>
{
};

TEST_P(DamagedTable, IsRefusedWithAMessageNamingTheFileAndTheFault)
{
    TempDir dir;
    const auto file = dir / "hurt.dbf";
    {
        Table::create(file, allTypesFields());
        auto t = Table::open(file);
        addRecord(*t, {{"name", "Rex"}});
        addRecord(*t, {{"name", "Max"}});
    }
    auto bytes = readBytes(file);
    GetParam().harm(bytes);
    writeBytes(file, bytes);
    try {
        Table::open(file);
        FAIL() << "opened a damaged file";
    } catch (const Error& e) {
        const std::string message = e.what();
        EXPECT_NE(message.find("hurt.dbf"), std::string::npos) << message;
        EXPECT_NE(message.find(GetParam().fault), std::string::npos) << message;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Faults, DamagedTable,
    ::testing::Values(Damage{"ShortFile", [](auto& b) { b.resize(20); }, "too short"},
                      Damage{"RecordLengthDisagrees", [](auto& b) { b[10] = 99; }, "disagrees"},
                      Damage{"UnknownType", [](auto& b) { b[32 + 11] = 'M'; }, "unknown type"},
                      Damage{"CountLargerThanData", [](auto& b) { b[4] = 9; }, "holds only"},
                      Damage{"NoTerminator", [](auto& b) { b[32 + 5 * 32] = 'x'; }, "terminator"},
                      Damage{"HeaderLengthBeyondFile", [](auto& b) { b[9] = 0x7F; },
                             "larger than the file"},
                      // Without fields the end-of-file byte would count as a record.
                      Damage{"NoFields", [](auto& b) { b[32] = 0x0D; }, "no fields"}),
    [](const auto& info) { return info.param.name; });

TEST_F(TableTest, AHeaderCountBehindTheRecordsIsRepairedOnAWritableOpen)
{
    {
        auto t = fresh();
        for (const char* n : {"a", "b", "c"})
            addRecord(*t, {{"name", n}});
    }
    auto bytes = readBytes(file);
    bytes[4] = 1; // as if killed before the header counted records 2 and 3
    writeBytes(file, bytes);
    {
        auto readOnly = Table::open(file, Table::Access::ReadOnly);
        EXPECT_EQ(readOnly->recordCount(), 3u);
        EXPECT_EQ(readOnly->repairedFrom(), 1u);
    }
    EXPECT_EQ(readBytes(file)[4], 1) << "a read-only open never writes";
    {
        auto t = Table::open(file);
        EXPECT_EQ(t->repairedFrom(), 1u);
        t->last();
        EXPECT_EQ(t->text("name"), "c");
    }
    auto t = Table::open(file);
    EXPECT_FALSE(t->repairedFrom().has_value());
    EXPECT_EQ(t->recordCount(), 3u);
}

TEST_F(TableTest, AFileHoldingMoreRecordsThanTheHeaderCanCountIsRefusedAndLeftAlone)
{
    using dbf::FieldType;
    fresh({{"flag", FieldType::Character, 1}}).reset();
    // Two-byte records: 2^32 of them are 8 GiB, made as a sparse file.
    const std::uint64_t size = 32 + 32 + 1 + 2 * (std::uint64_t(1) << 32) + 1;
    std::filesystem::resize_file(file, size);
    for (const auto access : {Table::Access::ReadWrite, Table::Access::ReadOnly}) {
        try {
            Table::open(file, access);
            FAIL() << "opened a file whose record count does not fit the header";
        } catch (const Error& e) {
            const std::string message = e.what();
            EXPECT_NE(message.find("dogs.dbf"), std::string::npos) << message;
            EXPECT_NE(message.find("more than a table can count"), std::string::npos) << message;
        }
        EXPECT_EQ(std::filesystem::file_size(file), size);
    }
}

TEST_F(TableTest, AppendFromTurnsTextIntoDatesAndBlanksWhatIsNoDate)
{
    using dbf::FieldType;
    const auto source = dir / "old.dbf";
    Table::create(source, {{"born", FieldType::Character, 10}});
    {
        auto s = Table::open(source);
        for (const char* born : {"20061014", "", "14.10.2006"})
            addRecord(*s, {{"born", born}});
    }
    auto t = fresh();
    ASSERT_EQ(t->appendFrom(source), 3u);
    EXPECT_EQ(t->record(1).date("born"), ymd(2006, 10, 14));
    EXPECT_EQ(t->record(2).raw("born"), "        ");
    EXPECT_EQ(t->record(3).raw("born"), "        ");
}

// Field names are code page 437 in the file, UTF-8 in the program, and use the
// whole name area of a descriptor, 11 bytes.
class FieldNames : public TableTest
{
protected:
    static constexpr std::size_t kNameArea = 32;

    std::string storedName(const std::filesystem::path& path) const
    {
        const auto bytes = readBytes(path);
        return std::string(bytes.data() + kNameArea, strnlen(bytes.data() + kNameArea, 11));
    }
};

TEST_F(FieldNames, AreReadAsUtf8AndWrittenBackAsCodePage437OnEveryRewrite)
{
    using dbf::FieldType;
    for (const std::string& stored : {std::string("gr\x94\xe1"
                                                  "e"),
                                      std::string("abcdefghijk")}) {
        SCOPED_TRACE(stored);
        std::filesystem::remove(file);
        fresh({{"xxxxx", FieldType::Character, 4}, {"other", FieldType::Character, 2}}).reset();
        auto bytes = readBytes(file);
        std::memcpy(bytes.data() + kNameArea, stored.data(), stored.size());
        writeBytes(file, bytes);

        auto t = Table::open(file);
        const std::string name = stored.size() == 11 ? stored : "größe";
        EXPECT_EQ(t->fields()[0].name, name);
        EXPECT_EQ(t->fieldIndex(stored.size() == 11 ? "ABCDEFGHIJK" : "GRößE"), 0);
        addRecord(*t, {{name, "x"}});
        t->copyStructureTo(dir / "copy.dbf");
        EXPECT_EQ(storedName(dir / "copy.dbf"), stored);
        std::filesystem::remove(dir / "copy.dbf");
        t->pack();
        EXPECT_EQ(storedName(file), stored);
        t->zap();
        EXPECT_EQ(storedName(file), stored);
    }
}

TEST_F(FieldNames, ThatCodePage437CannotHoldOrTooLongAreRefused)
{
    using dbf::FieldType;
    for (const char* name : {"price€", "abcdefghijkl", ""}) {
        SCOPED_TRACE(name);
        EXPECT_THROW(Table::create(file, {{name, FieldType::Character, 4}}), Error);
        EXPECT_FALSE(std::filesystem::exists(file));
    }
}

// Many records at once are sorted into the tags afresh, few are placed one by
// one: either way every tag orders the old and the new records together.
TEST_F(TableTest, AppendFromKeepsTheTagsInOrderForFewAndManyRecords)
{
    for (const int appended : {3, 500}) {
        const auto source = dir / ("batch" + std::to_string(appended) + ".dbf");
        Table::create(source, {{"name", dbf::FieldType::Character, 20}});
        {
            auto s = Table::open(source);
            for (int i = 0; i < appended; ++i)
                addRecord(*s, {{"name", "N" + std::to_string((i * 7919) % 1000)}});
        }
        auto t = fresh();
        t->addTag({"byname", "upper(name)"});
        addRecord(*t, {{"name", "N500"}});
        t->appendFrom(source);
        t->setOrder("byname");
        std::vector<std::string> names;
        for (std::uint32_t recno : walk(*t))
            names.push_back(t->record(recno).text("name"));
        ASSERT_EQ(names.size(), std::size_t(appended + 1)) << appended;
        EXPECT_TRUE(std::is_sorted(names.begin(), names.end())) << appended;
        t.reset();
        std::filesystem::remove(file);
    }
}

// Records queued and appended at once reach the file in one write: all of
// them, tagged and counted, or (when the write fails) none, still queued.
TEST_F(TableTest, QueuedRecordsAreAppendedTogether)
{
    auto t = fresh();
    t->addTag({"byname", "upper(name)"});
    for (const char* name : {"Cy", "Al", "Bo"}) {
        t->blankBuffer();
        t->setText("name", name);
        t->queueRecord();
    }
    EXPECT_EQ(t->recordCount(), 0u) << "nothing before the append";
    EXPECT_EQ(t->appendQueued(), 3u);
    EXPECT_EQ(t->appendQueued(), 0u) << "the queue is empty afterwards";
    t->setOrder("byname");
    EXPECT_EQ(walk(*t), (std::vector<std::uint32_t>{2, 3, 1}));
    t.reset();
    EXPECT_EQ(Table::open(file)->recordCount(), 3u);
}
