#include "TableFixtures.h"
#include "TempDir.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdio>

// Tables must travel: what the engine writes, Debian's dbfread and dbf
// packages read; what the dbf package writes, the engine reads.

using namespace dbf;

namespace
{

const std::string kPeers = RINGVALE_PEERS;

std::string run(const std::string& command)
{
    std::string output;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return output;
    std::array<char, 4096> chunk{};
    while (const std::size_t n = fread(chunk.data(), 1, chunk.size(), pipe))
        output.append(chunk.data(), n);
    const int status = pclose(pipe);
    EXPECT_EQ(status, 0) << command << "\n" << output;
    return output;
}

std::string python(const std::string& script, const std::filesystem::path& file)
{
    return run("/usr/bin/python3 " + kPeers + script + " '" + file.string() + "' 2>&1");
}

void writeSample(const std::filesystem::path& file)
{
    Table::create(file, allTypesFields());
    auto t = Table::open(file);
    t->append();
    t->setText("name", "Zoë Müller");
    t->setNumber("score", 198.5);
    t->setNumber("count", 7);
    t->setDate("born", ymd(2006, 10, 14));
    t->setLogical("active", true);
    t->post();
    t->append();
    t->setText("name", "Señor");
    t->setNumber("score", 0);
    t->setNumber("count", -3);
    t->setLogical("active", false);
    t->post();
    t->append();
    t->setText("name", "Gone");
    t->setNumber("score", 1.25);
    t->setNumber("count", 1);
    t->setDate("born", ymd(1999, 12, 31));
    t->setLogical("active", true);
    t->post();
    t->setDeleted(true);
}

const std::string kFields = R"("fields": [["name", "C", 20, 0], ["score", "N", 6, 2], )"
                            R"(["count", "N", 3, 0], ["born", "D", 8, 0], ["active", "L", 1, 0]])";
const std::string kZoe = R"({"deleted": false, "values": {"name": "Zoë Müller", "score": 198.5, )"
                         R"("count": 7, "born": "2006-10-14", "active": true}})";
const std::string kSenor = R"({"deleted": false, "values": {"name": "Señor", "score": 0.0, )"
                           R"("count": -3, "born": null, "active": false}})";
const std::string kGone = R"({"deleted": true, "values": {"name": "Gone", "score": 1.25, )"
                          R"("count": 1, "born": "1999-12-31", "active": true}})";

} // namespace

TEST(Peers, DbfreadReadsWhatTheEngineWrites)
{
    TempDir dir;
    writeSample(dir / "sample.dbf");
    // dbfread lists the live records first, then the deleted ones.
    EXPECT_EQ(python("read_dbfread.py", dir / "sample.dbf"),
              "{" + kFields + R"(, "records": [)" + kZoe + ", " + kSenor + ", " + kGone + "]}\n");
}

TEST(Peers, TheDbfPackageReadsWhatTheEngineWrites)
{
    TempDir dir;
    writeSample(dir / "sample.dbf");
    EXPECT_EQ(python("read_dbf.py", dir / "sample.dbf"),
              "{" + kFields + R"(, "records": [)" + kZoe + ", " + kSenor + ", " + kGone + "]}\n");
}

TEST(Peers, TheEngineReadsWhatTheDbfPackageWrites)
{
    TempDir dir;
    const auto file = dir / "foreign.dbf";
    run("/usr/bin/python3 " + kPeers + "write_dbf.py '" + file.string() + "' 2>&1");
    auto t = Table::open(file);
    ASSERT_EQ(t->recordCount(), 3u);
    EXPECT_EQ(t->fields()[0].name, "name");
    EXPECT_EQ(t->fields(), allTypesFields());
    t->go(1);
    EXPECT_EQ(t->text("NAME"), "Zoë Müller");
    EXPECT_DOUBLE_EQ(t->number("score"), 198.5);
    EXPECT_DOUBLE_EQ(t->number("count"), 7);
    EXPECT_EQ(t->date("born"), ymd(2006, 10, 14));
    EXPECT_TRUE(t->logical("active"));
    EXPECT_FALSE(t->deleted());
    t->go(2);
    EXPECT_EQ(t->text("name"), "Señor");
    EXPECT_DOUBLE_EQ(t->number("count"), -3);
    EXPECT_FALSE(t->date("born").has_value());
    EXPECT_FALSE(t->logical("active"));
    t->go(3);
    EXPECT_TRUE(t->deleted());
    EXPECT_EQ(t->text("name"), "Gone");

    // And it can go on writing to it.
    t->append();
    t->setText("name", "Añadido");
    t->post();
    t.reset();
    EXPECT_NE(python("read_dbfread.py", file).find("Añadido"), std::string::npos);
}
