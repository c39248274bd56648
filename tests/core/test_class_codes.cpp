#include "dbf/Codepage437.h"
#include "dbf/Error.h"
#include "storage/ClassCodes.h"
#include "storage/ShippedData.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QSet>

#include <algorithm>
#include <map>
#include <stdexcept>

using namespace ClassCodes;

namespace
{

const ClassCode& classOf(QStringView key)
{
    const ClassCode* cls = findClass(key);
    if (!cls)
        throw std::invalid_argument("no class " + key.toString().toStdString());
    return *cls;
}

} // namespace

// --- Names -------------------------------------------------------------------

TEST(ClassCodeNames, TChallengeTeamInTrialThree)
{
    EXPECT_EQ(entryFlagName(u"RNCTM", 3), "t3rnctm");
    EXPECT_EQ(classKeyFromFieldName(u"t3rnctm"), "RNCTM");
    EXPECT_EQ(offeredFlagName(u"RNCTM", 3), QString("t3rctm"));
    EXPECT_EQ(selkey(classOf(u"RNCTM")), "RCTM");
}

TEST(ClassCodeNames, RegularClassesShareOneOfferedFlagPerSection)
{
    for (const ClassCode& cls : classes) {
        const bool obedience = cls.section == Section::Obedience;
        if (cls.regular)
            EXPECT_EQ(selkey(cls), obedience ? "OR" : "RR") << cls.key.toString().toStdString();
        else
            EXPECT_EQ(selkey(cls), QString(obedience ? "O" : "R") + cls.key.mid(2).toString())
                << cls.key.toString().toStdString();
    }
    EXPECT_EQ(classesOfferedBy(u"or").size(), 6);
    EXPECT_EQ(classesOfferedBy(u"rr").size(), 6);
    EXPECT_EQ(classesOfferedBy(u"OPN"), QList<const ClassCode*>{findClass(u"ONPN")});
}

TEST(ClassCodeNames, KeysMatchTheirSectionAndKind)
{
    QSet<QString> keys;
    for (const ClassCode& cls : classes) {
        const QString key = cls.key.toString();
        EXPECT_TRUE(key.size() == 4 || key.size() == 5) << key.toStdString();
        EXPECT_EQ(sectionOf(key), cls.section) << key.toStdString();
        EXPECT_EQ(key[1] == u'R', cls.regular) << key.toStdString();
        EXPECT_EQ(cls.requirement == EntryRequirement::LinkCode, !cls.linkCodeField.isEmpty());
        keys.insert(key);
    }
    EXPECT_EQ(keys.size(), 29);
}

TEST(ClassCodeNames, EntryRequirementsOfTheJumpingAndLinkedClasses)
{
    QStringList obedienceJumps, rallyJumps, linkFields;
    for (const ClassCode& cls : classes) {
        if (cls.requirement == EntryRequirement::ObedienceJumpHeight)
            obedienceJumps << cls.key.toString();
        if (cls.requirement == EntryRequirement::RallyJumpHeight)
            rallyJumps << cls.key.toString();
        if (cls.requirement == EntryRequirement::LinkCode)
            linkFields << cls.key.toString() + "=" + cls.linkCodeField.toString();
    }
    EXPECT_EQ(obedienceJumps, QStringList({"OROA", "OROB", "ORUA", "ORUB"}));
    EXPECT_EQ(rallyJumps, QStringList({"RRAA", "RRAB", "RREA", "RREB"}));
    EXPECT_EQ(linkFields, QStringList({"ONBR=bracecode", "ONTM=teamcode", "RNPR=pairscode",
                                       "RNCTM=rctmcode", "RNTM=rtmcode"}));
}

TEST(ClassCodeNames, KeysAreFoundAsStoredAndAsFieldsGiveThem)
{
    EXPECT_EQ(findClass(u"RNTM  "), findClass(u"rntm"));
    EXPECT_NE(findClass(u"RNTM"), nullptr);
    EXPECT_EQ(findClass(u"ORXX"), nullptr);
    EXPECT_EQ(findClass(u""), nullptr);
    EXPECT_EQ(offeredFlagName(u"ORXX", 1), std::nullopt);
    // A key the table does not know still names its entry flag by the rule.
    EXPECT_EQ(entryFlagName(u"ORXX  ", 2), "t2orxx");
    EXPECT_EQ(classKeyFromFieldName(u"T1ORNA"), "ORNA");
}

TEST(ClassCodeNames, SectionByFirstLetter)
{
    EXPECT_EQ(sectionOf(u"Obedience"), Section::Obedience);
    EXPECT_EQ(sectionOf(u"rally"), Section::Rally);
    EXPECT_EQ(sectionOf(u"Agility"), std::nullopt);
    EXPECT_EQ(sectionOf(u""), std::nullopt);
    EXPECT_EQ(sectionName(Section::Obedience), "Obedience");
    EXPECT_EQ(sectionName(Section::Rally), "Rally");
}

TEST(ClassCodeNames, TrialOutsideOneToFourIsRefused)
{
    for (int trial : {0, 5, -1}) {
        EXPECT_THROW(entryFlagName(u"ORNA", trial), dbf::Error);
        EXPECT_THROW(offeredFlagName(u"ORNA", trial), dbf::Error);
        EXPECT_THROW(entryFlagPosition(classOf(u"ORNA"), trial), dbf::Error);
        EXPECT_THROW(offeredFlagPosition(u"or", trial), dbf::Error);
        EXPECT_THROW(OfferedFieldRange(trial, Section::Rally), dbf::Error);
        EXPECT_THROW(EntryFieldRangeForTrial(trial, Section::Obedience), dbf::Error);
    }
}

// --- Positions -----------------------------------------------------------------

TEST(ClassPositions, EntryFlagsAtTheEndsOfEachRange)
{
    struct Case {
        const char16_t* key;
        int trial;
        int position;
    };
    const Case cases[] = {
        {u"ORNA", 1, 20},  {u"ONIT", 1, 37},   {u"ORNA", 2, 38},  {u"ONIT", 3, 73},
        {u"ORNA", 4, 74},  {u"ONIT", 4, 91},   {u"RRNA", 1, 93},  {u"RNTM", 1, 103},
        {u"RRNA", 2, 104}, {u"RNCTM", 3, 124}, {u"RRNA", 4, 126}, {u"RNTM", 4, 136},
    };
    for (const Case& c : cases)
        EXPECT_EQ(entryFlagPosition(classOf(c.key), c.trial), c.position)
            << QString::fromUtf16(c.key).toStdString() << " trial " << c.trial;
}

TEST(ClassPositions, OfferedFlagsAtTheEndsOfEachRange)
{
    struct Case {
        const char16_t* code;
        int trial;
        int position;
    };
    const Case cases[] = {
        {u"or", 1, 4},  {u"oit", 1, 16},  {u"or", 2, 18}, {u"oit", 2, 30},
        {u"or", 3, 32}, {u"oit", 4, 58},  {u"rr", 1, 64}, {u"rctm", 1, 69},
        {u"rr", 2, 70}, {u"rctm", 3, 81}, {u"rr", 4, 82}, {u"rctm", 4, 87},
    };
    for (const Case& c : cases)
        EXPECT_EQ(offeredFlagPosition(c.code, c.trial), c.position)
            << QString::fromUtf16(c.code).toStdString() << " trial " << c.trial;
    EXPECT_EQ(offeredFlagPosition(u"oxx", 1), std::nullopt);
}

TEST(ClassPositions, RangesOfEachTrialAndSection)
{
    const FieldRange obedienceOffered[] = {{4, 16}, {18, 30}, {32, 44}, {46, 58}};
    const FieldRange rallyOffered[] = {{64, 69}, {70, 75}, {76, 81}, {82, 87}};
    const FieldRange obedienceEntry[] = {{20, 37}, {38, 55}, {56, 73}, {74, 91}};
    const FieldRange rallyEntry[] = {{93, 103}, {104, 114}, {115, 125}, {126, 136}};
    for (int t = 1; t <= 4; ++t) {
        EXPECT_EQ(OfferedFieldRange(t, Section::Obedience), obedienceOffered[t - 1]);
        EXPECT_EQ(OfferedFieldRange(t, Section::Rally), rallyOffered[t - 1]);
        EXPECT_EQ(EntryFieldRangeForTrial(t, Section::Obedience), obedienceEntry[t - 1]);
        EXPECT_EQ(EntryFieldRangeForTrial(t, Section::Rally), rallyEntry[t - 1]);
    }
    EXPECT_EQ(EntryFieldRange(Section::Obedience), (FieldRange{20, 91}));
    EXPECT_EQ(EntryFieldRange(Section::Rally), (FieldRange{93, 136}));
}

// The show dates table lists Versatility before Brace and Veterans after Wild
// Card Utility, unlike the entry flags; a walk by position must use the order
// of the table it reads.
TEST(ClassPositions, OfferedOrderDiffersFromEntryOrder)
{
    const ClassCode& versatility = classOf(u"ONVR");
    const ClassCode& veterans = classOf(u"ONVT");
    EXPECT_EQ(entryFlagPosition(veterans, 1), 29);
    EXPECT_EQ(entryFlagPosition(versatility, 1), 30);
    EXPECT_EQ(offeredFlagPosition(versatility.offeredCode, 1), 8);
    EXPECT_EQ(offeredFlagPosition(veterans.offeredCode, 1), 14);

    const QStringList offered = offeredFlagNames(Section::Obedience, 2);
    EXPECT_EQ(offered, QStringList({"t2or", "t2opn", "t2ogn", "t2ogo", "t2ovr", "t2obr", "t2otm",
                                    "t2own", "t2owo", "t2owu", "t2ovt", "t2oat", "t2oit"}));
    EXPECT_EQ(offeredFlagNames(Section::Rally, 4),
              QStringList({"t4rr", "t4rtc", "t4rpl", "t4rpr", "t4rtm", "t4rctm"}));
}

// The name lists that build the table layouts and the position walks must
// put every flag at the same place.
TEST(ClassPositions, NameListsAgreeWithPositions)
{
    for (Section section : {Section::Obedience, Section::Rally}) {
        const QStringList names = entryFlagNames(section);
        const FieldRange range = EntryFieldRange(section);
        ASSERT_EQ(names.size(), range.last - range.first + 1);
        for (int trial = 1; trial <= 4; ++trial) {
            for (const ClassCode& cls : classesOf(section)) {
                const int position = entryFlagPosition(cls, trial);
                EXPECT_EQ(names[position - range.first], entryFlagName(cls.key, trial));
            }
            const QStringList offered = offeredFlagNames(section, trial);
            const FieldRange offeredRange = OfferedFieldRange(trial, section);
            ASSERT_EQ(offered.size(), offeredRange.last - offeredRange.first + 1);
            for (const ClassCode& cls : classesOf(section)) {
                const auto position = offeredFlagPosition(cls.offeredCode, trial);
                ASSERT_TRUE(position.has_value());
                EXPECT_EQ(offered[*position - offeredRange.first], offeredFlagName(cls, trial));
            }
        }
        // Every offered code is the flag of some class of its section.
        for (QStringView code : offeredCodesOf(section)) {
            const auto offeredClasses = classesOfferedBy(code);
            ASSERT_FALSE(offeredClasses.isEmpty()) << code.toString().toStdString();
            EXPECT_EQ(offeredClasses.front()->section, section);
        }
    }
    EXPECT_EQ(entryFlagNames(Section::Obedience).front(), "t1orna");
    EXPECT_EQ(entryFlagNames(Section::Rally).back(), "t4rntm");
}

// --- Shipped data ----------------------------------------------------------------

namespace
{

const std::map<QString, int> classTableWidths = {
    {"section", 9}, {"classname", 55}, {"srtkey", 3},   {"catgroup", 3}, {"db_key", 6},
    {"selkey", 4},  {"fee_type", 3},   {"maxscore", 3}, {"can_nq", 1},   {"q_score", 3},
};
const std::map<QString, int> catGroupWidths = {
    {"section", 15}, {"catgroup", 3}, {"descript", 30}, {"header", 80},
    {"footer1", 80}, {"footer2", 80}, {"footer3", 80},  {"footer4", 80},
};

const std::map<QString, int> breedWidths = {
    {"breed_name", 50}, {"short_name", 12}, {"group", 1}, {"groupname", 15}, {"deleted", 1}};

void expectFits(const QList<ShippedData::Row>& rows, const std::map<QString, int>& widths,
                const char* file)
{
    for (const ShippedData::Row& row : rows) {
        EXPECT_EQ(row.size(), qsizetype(widths.size())) << file;
        for (const auto& [field, width] : widths) {
            ASSERT_TRUE(row.contains(field)) << file << " lacks " << field.toStdString();
            const QString value = row.value(field);
            EXPECT_LE(value.size(), width)
                << file << " " << field.toStdString() << " \"" << value.toStdString() << "\"";
            EXPECT_TRUE(dbf::cp437::fromUtf8(value.toStdString()).has_value())
                << file << " " << value.toStdString();
        }
    }
}

} // namespace

class ShippedTables : public ::testing::Test
{
protected:
    QList<ShippedData::Row> classRows = ShippedData::rows(ShippedData::classTable);
    QList<ShippedData::Row> groupRows = ShippedData::rows(ShippedData::catalogGroups);
};

TEST_F(ShippedTables, HeadersAreTheStoredFieldOrder)
{
    ASSERT_FALSE(classRows.isEmpty());
    ASSERT_FALSE(groupRows.isEmpty());
    QFile classFile(":/shipped/nurclass26.csv");
    ASSERT_TRUE(classFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(classFile.readLine().trimmed(),
              "section,classname,srtkey,catgroup,db_key,selkey,fee_type,maxscore,can_nq,q_score");
    QFile groupFile(":/shipped/catgroups.csv");
    ASSERT_TRUE(groupFile.open(QIODevice::ReadOnly));
    EXPECT_EQ(groupFile.readLine().trimmed(),
              "section,catgroup,descript,header,footer1,footer2,footer3,footer4");
}

TEST_F(ShippedTables, EveryValueFitsItsField)
{
    expectFits(classRows, classTableWidths, "nurclass26.csv");
    expectFits(groupRows, catGroupWidths, "catgroups.csv");
    expectFits(ShippedData::rows(ShippedData::breeds), breedWidths, "nurbreeds.csv");
}

// Each alternate form ships marked deleted beside the club's form of the
// name, and every name is there once: the breeds window refuses twins.
TEST_F(ShippedTables, BreedsAreListedOnceWithTheAlternatesMarkedDeleted)
{
    QSet<QString> names;
    int alternates = 0;
    for (const ShippedData::Row& row : ShippedData::rows(ShippedData::breeds)) {
        const QString name = row["breed_name"];
        EXPECT_FALSE(names.contains(name.toUpper())) << name.toStdString();
        names.insert(name.toUpper());
        EXPECT_TRUE(row["deleted"].isEmpty() || row["deleted"] == "T") << name.toStdString();
        if (ShippedData::isDeleted(row)) {
            ++alternates;
            EXPECT_FALSE(name.contains(u'(')) << "the club's form is never the alternate";
        }
    }
    EXPECT_EQ(alternates, 15);
    EXPECT_FALSE(ShippedData::isDeleted({{"breed_name", "Akita"}}));
}

TEST_F(ShippedTables, OneClassRowPerClassKeyAgreeingWithTheCodes)
{
    ASSERT_EQ(classRows.size(), 29);
    QSet<QString> keys;
    for (const ShippedData::Row& row : classRows) {
        const QString key = row["db_key"];
        const ClassCode* cls = findClass(key);
        ASSERT_NE(cls, nullptr) << key.toStdString();
        keys.insert(key);
        EXPECT_EQ(key, cls->key.toString());
        EXPECT_EQ(row["section"], sectionName(cls->section)) << key.toStdString();
        EXPECT_EQ(row["selkey"], selkey(*cls)) << key.toStdString();
        EXPECT_EQ(row["fee_type"], cls->regular ? "REG" : "NON") << key.toStdString();
        const bool obedience = cls->section == Section::Obedience;
        EXPECT_EQ(row["maxscore"], obedience ? "200" : "100") << key.toStdString();
        EXPECT_EQ(row["q_score"], obedience ? "170" : "70") << key.toStdString();
        EXPECT_TRUE(row["can_nq"] == "T" || row["can_nq"] == "F") << key.toStdString();
        EXPECT_FALSE(row["classname"].isEmpty()) << key.toStdString();
    }
    EXPECT_EQ(keys.size(), 29);
}

TEST_F(ShippedTables, SortKeysAreDistinctDigitsInCatalogOrder)
{
    QSet<QString> seen;
    QString lastObedience, firstRally;
    for (const ShippedData::Row& row : classRows) {
        const QString sortKey = row["srtkey"];
        EXPECT_EQ(sortKey.size(), 3) << sortKey.toStdString();
        for (QChar c : sortKey)
            EXPECT_TRUE(c.isDigit()) << sortKey.toStdString();
        EXPECT_NE(sortKey, "999");
        EXPECT_FALSE(seen.contains(sortKey)) << "repeated " << sortKey.toStdString();
        seen.insert(sortKey);
        if (row["section"] == "Obedience")
            lastObedience = std::max(lastObedience, sortKey);
        else if (firstRally.isEmpty() || sortKey < firstRally)
            firstRally = sortKey;
    }
    EXPECT_LT(lastObedience, firstRally) << "obedience classes print before rally";
}

// The catalog prints a group's heading whenever the group changes from one
// class to the next in sort-key order, so a group split by another group's
// class would print twice.
TEST_F(ShippedTables, EveryCatalogGroupExistsAndIsContiguous)
{
    QSet<QString> groups;
    QSet<QString> codes;
    for (const ShippedData::Row& row : groupRows) {
        const QString code = row["catgroup"];
        EXPECT_EQ(code.size(), 3) << code.toStdString();
        EXPECT_EQ(code, code.toUpper());
        EXPECT_FALSE(row["header"].isEmpty()) << code.toStdString();
        // Footers are looked up by code alone, so a code is never reused across sections.
        EXPECT_FALSE(codes.contains(code)) << code.toStdString();
        codes.insert(code);
        groups.insert(row["section"] + "/" + code);
    }

    QList<ShippedData::Row> bySortKey = classRows;
    std::sort(bySortKey.begin(), bySortKey.end(),
              [](const auto& a, const auto& b) { return a["srtkey"] < b["srtkey"]; });
    QSet<QString> closed;
    QString current;
    for (const ShippedData::Row& row : bySortKey) {
        const QString group = row["section"] + "/" + row["catgroup"];
        EXPECT_TRUE(groups.contains(group)) << group.toStdString() << " has no catalog group";
        if (group != current) {
            EXPECT_FALSE(closed.contains(group)) << group.toStdString() << " is split";
            closed.insert(current);
            current = group;
        }
    }
}

TEST(ShippedCsv, QuotedFieldsKeepCommasQuotesAndLineBreaks)
{
    const auto rows = ShippedData::parseCsv(
        u"a,b,c\r\n\"x, y\",\"say \"\"hi\"\"\",\"two\r\nlines\"\r\n,,\n\n", "test.csv");
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0]["a"], "x, y");
    EXPECT_EQ(rows[0]["b"], "say \"hi\"");
    EXPECT_EQ(rows[0]["c"], "two\r\nlines");
    EXPECT_EQ(rows[1]["a"], "");
    EXPECT_EQ(rows[1]["c"], "");
}

TEST(ShippedCsv, MalformedTextNamesTheFileAndLine)
{
    struct Case {
        const char16_t* text;
        const char* message;
    };
    const Case cases[] = {
        {u"a,b\n1,2\n3\n", "bad.csv, line 3: 1 fields where the header has 2"},
        {u"a,b\n1,\"2\n", "bad.csv, line 2: a quoted field is never closed"},
        {u"a,b\n\"1\"x,2\n", "bad.csv, line 2: text after the closing quote of a field"},
        {u"a,b\n1,2\"\n", "bad.csv, line 2: a quote inside a field that is not quoted"},
        {u"a,a\n1,2\n", "bad.csv, line 1: a field name appears twice"},
        {u"", "bad.csv, line 1: no header row"},
    };
    for (const Case& c : cases) {
        try {
            ShippedData::parseCsv(QStringView(c.text), "bad.csv");
            ADD_FAILURE() << "accepted " << QString::fromUtf16(c.text).toStdString();
        } catch (const std::runtime_error& error) {
            EXPECT_STREQ(error.what(), c.message);
        }
    }
}

TEST(ShippedCsv, MissingFileIsReported)
{
    EXPECT_THROW(ShippedData::rows(u"nosuch.csv"), std::runtime_error);
}
