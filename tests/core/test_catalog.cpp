#include "DataRootFixture.h"

#include "preparation/CatalogBuild.h"
#include "preparation/CatalogEntryText.h"
#include "preparation/CatalogSequence.h"
#include "preparation/JudgeAssignments.h"
#include "storage/RecordValues.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

// The catalog: the rows built from the entries, the classes offered, the
// order of its parts and the text of an entry.

namespace
{

using Kind = CatalogPart::Kind;

class CatalogTest : public ::testing::Test
{
protected:
    CatalogTest()
    {
        fixture.addShowDates(1, QDate(2027, 4, 10), 2); // Saturday and Sunday
        dbf::Table& dates = *data().ShowDates();
        dates.edit();
        for (const char* flag : {"t1or", "t2or", "t1obr", "t1rr"})
            dates.setLogical(flag, true);
        dates.post();
        data().CreateShowEntryTable(1, "04/10/2027");
        data().OpenJudges();
        data().Judges()->append();
        data().Judges()->setText("judgenum", "00012");
        data().Judges()->setText("first", "Ann");
        data().Judges()->setText("last", "Lee");
        data().Judges()->post();
        JudgeAssignments judges(data());
        judges.setClasses(1, "00012", {"ORNA", "ONBR", "RRNA"});
        judges.setClasses(2, "00012", {"ORNA"});
        fixture.messages.texts.clear();
    }
    Tdmod& data() { return fixture.data(); }
    dbf::Table& entries() { return *data().TzDbf1(); }

    // An entry: registration, armband, flags, and fields by name.
    void add(const char* reg, const char* arm, const QStringList& flags,
             const QList<std::pair<const char*, const char*>>& fields = {})
    {
        entries().append();
        entries().setText("reg", reg);
        entries().setText("arm", arm);
        entries().setText("dog", (QString("Dog ") + reg).toStdString());
        entries().setText("first", "Mary");
        entries().setText("last", "Smith");
        entries().setText("breed", "Beagle");
        for (const QString& flag : flags)
            entries().setLogical(flag.toStdString(), true);
        for (const auto& [field, value] : fields)
            entries().setText(field, value);
        entries().post();
    }
    QStringList rows(const char* tag, const char* field)
    {
        QStringList values;
        const dbf::Table& catalog = *data().Catalog();
        for (std::uint32_t recno : catalog.recordsInOrder(tag))
            values << RecordValues::text(catalog.record(recno), field);
        return values;
    }

    DataRootFixture fixture;
};

TEST_F(CatalogTest, TheBuildMakesOneRowPerEntryAndClassOverEveryTrial)
{
    data().OpenDogs();
    data().Dogs()->append();
    data().Dogs()->setText("reg", "DN2");
    data().Dogs()->setText("sire", "Old Sire");
    data().Dogs()->setText("sex", "Bitch");
    data().Dogs()->post();

    add("DN1", "103", {"t1orna", "t2orna", "t1rrna"}, {{"ob_jmpht", "16"}, {"rallyjmpht", "12"}});
    add("DN2", "101", {"t2orna", "t3ornb"}); // trial 3 of a two-trial show is no trial
    add("DN3", "102", {"t1onbr"}, {{"bracecode", "B"}});
    add("DN4", "104", {"t1onbr"}, {{"bracecode", "A"}});
    add("DN5", "", {"t1orna"});
    add("DN6", "105", {"t1orna"});
    entries().setDeleted(true);

    EXPECT_EQ(BuildCatalogTable(data()), 6);
    const dbf::Table& catalog = *data().Catalog();
    EXPECT_EQ(rows("", "db_key"), QStringList({"ORNA", "RRNA", "ORNA", "ONBR", "ONBR", "ORNA"}));
    const dbf::RecordView first = catalog.record(1);
    EXPECT_TRUE(first.logical("trial1") && first.logical("trial2"));
    EXPECT_EQ(first.text("jmp_ht"), "16");
    EXPECT_EQ(catalog.record(2).text("jmp_ht"), "12") << "the rally row's height";
    EXPECT_EQ(first.text("section"), "Obedience");
    EXPECT_EQ(catalog.record(2).text("section"), "Rally");
    EXPECT_EQ(first.text("class"), "Novice A");
    EXPECT_EQ(first.text("srtkey"), "010");
    EXPECT_EQ(first.text("catgroup"), "NOV");
    EXPECT_EQ(first.text("dogname"), "Dog DN1");
    EXPECT_EQ(first.text("sire"), "") << "not in the dog master";
    const dbf::RecordView second = catalog.record(3);
    EXPECT_FALSE(second.logical("trial1"));
    EXPECT_EQ(second.text("sire"), "Old Sire");
    EXPECT_EQ(second.text("sex"), "Bitch");
    EXPECT_EQ(catalog.record(4).text("bracecode"), "B");
    EXPECT_EQ(first.text("bracecode"), "") << "a link code only in its own class";

    // Braces by code, then armband; the blank armband first among Novice A.
    EXPECT_EQ(rows("CATKEY", "armband"), QStringList({"", "101", "103", "104", "102", "103"}));
}

TEST_F(CatalogTest, TheSequenceGivesGroupsClassesJudgesLinkGroupsEntriesPlacesAndFooters)
{
    add("DN1", "101", {"t1orna", "t2orna"});
    add("DN2", "102", {"t1orna"});
    add("DN3", "103", {"t1onbr"}, {{"bracecode", "A"}});
    add("DN4", "104", {"t1onbr"}, {{"bracecode", "A"}});
    BuildCatalogTable(data());
    const auto classes = catalogClasses(data(), ClassCodes::Section::Obedience);
    ASSERT_EQ(classes.size(), 2u);
    EXPECT_EQ(classes[0].classKey, "ORNA");
    EXPECT_EQ(classes[1].classKey, "ONBR");
    EXPECT_TRUE(catalogClasses(data(), ClassCodes::Section::Rally).empty()) << "no rally entry";

    const auto parts = catalogSequence(data(), {ClassCodes::Section::Obedience, classes});
    QStringList outline;
    for (const CatalogPart& part : parts) {
        switch (part.kind) {
        case Kind::GroupHeading:
            outline << "H " + part.text;
            break;
        case Kind::GroupBreak:
            outline << "--";
            break;
        case Kind::ClassTitle:
            outline << "C " + part.text;
            break;
        case Kind::JudgeLine:
            outline << "J " + part.text;
            break;
        case Kind::LinkHeading:
            outline << "L " + part.text;
            break;
        case Kind::Entry:
            outline << "E " + RecordValues::text(data().Catalog()->record(part.row), "armband") +
                           (part.firstOfLinkGroup ? "" : " (member)");
            break;
        case Kind::Placements:
            for (const auto& block : part.blocks)
                outline << "P " + block.weekdayLine + block.placeLine;
            break;
        case Kind::Footer:
            outline << "F " + QString::number(part.lines.size());
            break;
        }
    }
    EXPECT_EQ(outline.mid(0, 6),
              QStringList({"H NOVICE CLASSES", "C Novice A", "J Saturday's Judge: Ann Lee",
                           "J Sunday's Judge: Ann Lee", "E 101", "E 102"}));
    EXPECT_EQ(outline.at(6), "P Saturday:" + placeLine(2));
    EXPECT_EQ(outline.at(7), "P Sunday:" + placeLine(1));
    EXPECT_TRUE(outline.at(8).startsWith("F ")) << "Novice's footers, per trial";
    EXPECT_EQ(outline.at(9), "--");
    // Brace is offered in trial 1 only: one judge line, even with two trials.
    EXPECT_EQ(outline.mid(11),
              QStringList({"C Brace", "J Saturday's Judge: Ann Lee", "L Brace Group A", "E 103",
                           "E 104 (member)", "P Saturday:" + placeLine(1), outline.last()}));
}

TEST(CatalogLines, PlacementBlocksOfferOneToFourPlaces)
{
    EXPECT_EQ(placeLine(1), "   First ________");
    EXPECT_EQ(scoreLine(1), "  Score ________");
    EXPECT_EQ(placeLine(4), "   First ________  Second ________  Third ________  Fourth ________");
    EXPECT_EQ(scoreLine(4), "  Score ________    Score ________  Score ________  Score ________");
}

TEST_F(CatalogTest, ResultsModeTellsOfScoresWithoutPlacements)
{
    add("DN1", "101", {"t1orna"});
    add("DN2", "102", {"t1orna"});
    BuildCatalogTable(data());
    data().OpenResults(1);
    dbf::Table& results = *data().Results();
    for (const auto& [reg, arm, score, place] :
         {std::tuple{"DN1", "101", "190.5", ""}, std::tuple{"DN2", "102", "185", ""}}) {
        results.append();
        results.setText("trial", "1");
        results.setText("db_key", "ORNA");
        results.setText("reg", reg);
        results.setText("armband", arm);
        results.setText("score", score);
        results.setText("place", place);
        results.post();
    }
    auto classes = catalogClasses(data(), ClassCodes::Section::Obedience);
    fixture.messages.texts.clear();
    auto parts = catalogSequence(data(), {ClassCodes::Section::Obedience, classes, true});
    EXPECT_TRUE(fixture.messages.texts.contains("Scores Exist but Placements MAY NOT have been "
                                                "calculated for: ;Trial # 1 Class: Novice A"));
    const auto entry = std::ranges::find(parts, Kind::Entry, &CatalogPart::kind);
    EXPECT_EQ(entry->scores[0], " 190.5  ");

    // Placed: the armbands and scores take the blank lines' places.
    for (std::uint32_t r = 1; r <= 2; ++r) {
        results.go(r);
        results.edit();
        results.setText("place", r == 1 ? "1" : "2");
        results.post();
    }
    parts = catalogSequence(data(), {ClassCodes::Section::Obedience, classes, true});
    const auto placed = std::ranges::find(parts, Kind::Placements, &CatalogPart::kind);
    EXPECT_EQ(placed->blocks.at(0).placeLine, "   First: 101         Second: 102       ");
    EXPECT_TRUE(placed->blocks.at(0).scoreLine.startsWith("   Score:  190.5"));
}

TEST_F(CatalogTest, TheEntryTextNamesEverythingAndUnknownForWhatIsMissing)
{
    add("DN1", "101", {"t1orna"},
        {{"titles_pre", "CH"}, {"titles_end", "UD"}, {"handler", "Al Jones"}, {"ob_jmpht", "16"}});
    BuildCatalogTable(data());
    const dbf::RecordView row = data().Catalog()->record(1);
    EXPECT_EQ(CatalogEntryText::dogName(row, true), "CH DOG DN1, UD.");
    EXPECT_EQ(CatalogEntryText::details(row),
              "  DN1.   .    Breeder:  Unknown.  By: Unknown x Unknown.  (Beagle.  ).    Owner:  "
              "Mary Smith.    Handler:  Al Jones. [Ht=16].");
}

} // namespace
