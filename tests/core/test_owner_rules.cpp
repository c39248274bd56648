#include "CliRun.h"
#include "DataRootFixture.h"
#include "PdfText.h"

#include "masters/OwnerEditing.h"
#include "masters/OwnerLabels.h"
#include "masters/OwnerListing.h"
#include "masters/OwnerRules.h"
#include "masters/OwnerTasks.h"
#include "print/TableLabelSource.h"
#include "ui/MasterTableBrowser.h"

#include "dbf/Table.h"

#include <QDate>
#include <QFile>
#include <QTextBlock>

#include <gtest/gtest.h>

#include <algorithm>

namespace
{

struct Owner {
    const char* id;
    const char* first;
    const char* last;
    const char* address = "";
    const char* city = "";
    const char* state = "";
    const char* zip = "";
    const char* phone = "";
    const char* email = "";
    const char* country = "";
    bool deleted = false;
};

class OwnerRulesTest : public ::testing::Test
{
protected:
    Tdmod& data() { return fixture.data(); }
    dbf::Table& owners() { return *fixture.data().Owners(); }
    QString path(const char* name) const
    {
        return QString::fromStdString((fixture.dir / name).string());
    }

    void add(const Owner& o)
    {
        dbf::Table& t = owners();
        t.append();
        for (const auto& [field, value] : {std::pair{"owner_id", o.id},
                                           {"first", o.first},
                                           {"last", o.last},
                                           {"address", o.address},
                                           {"city", o.city},
                                           {"state", o.state},
                                           {"zip", o.zip},
                                           {"phone", o.phone},
                                           {"email", o.email},
                                           {"country", o.country}})
            t.setText(field, value);
        t.post();
        if (o.deleted)
            t.setDeleted(true);
    }

    // Record order: Smith 00017, Adams 00003 (marked deleted), Baker 00009
    // (no e-mail), Young 00020 (e-mail of blanks only).
    void addFourOwners()
    {
        add({"00017", "Mary", "Smith", "12 Elm St", "Springfield", "IL", "62701", "555-123-4567",
             "mary@example.com", "USA"});
        add({"00003", "Al", "Adams", "1 Oak Rd", "Dover", "DE", "19901", "", "al@example.com", "",
             true});
        add({"00009", "Bob", "Baker", "9 Pine Ave", "Toronto", "ON", "M5V 2T6", "", "", "Canada"});
        add({"00020", "Zoe", "Young", "20 Bay St", "Salem", "OR", "97301", "", "   ", "USA"});
    }

    DataRootFixture fixture;
};

// --- Orders and Find -----------------------------------------------------------

TEST_F(OwnerRulesTest, FindReadsWhatWasTypedForEachOrder)
{
    addFourOwners();
    MasterTableBrowser browser(owners(), fixture.messages);
    for (const MasterOrder& order : OwnerRules::orders())
        browser.addOrder(order);
    const int byName = 0, byZip = 1, byEmail = 2, byId = 3, byInput = 4;

    const struct {
        int order;
        const char* typed;
        const char* foundId; // nullptr: not found
    } cases[] = {
        {byId, "17", "00017"},        {byId, "00017", "00017"}, {byId, "+9", "00009"},
        {byId, "3", "00003"},         {byId, "18", nullptr},    {byName, "bak", "00009"},
        {byName, "young  ", "00020"}, {byZip, "m5v", "00009"},  {byEmail, "MARY@", "00017"},
        {byInput, "4", "00020"},      {byInput, "9", nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        browser.selectOrder(c.order);
        owners().go(3);
        const FindOutcome outcome = browser.findText(c.typed);
        if (c.foundId) {
            EXPECT_EQ(outcome, FindOutcome::Found);
            EXPECT_EQ(owners().text("owner_id"), c.foundId);
        } else {
            EXPECT_EQ(outcome, FindOutcome::NotFound);
            EXPECT_EQ(owners().recno(), 3u) << "stays where the find began";
        }
    }
    EXPECT_EQ(fixture.messages.texts,
              (QStringList{"Could not find ID # 00018", "Could not find Record # 9"}));
}

TEST(OwnerRules, OrdersByNameAsTheCommandLineGivesThem)
{
    for (const char* name : {"name", "ZIP", "emailsrt", "ownerid"})
        EXPECT_EQ(OwnerRules::orderNamed(QString::fromLatin1(name))->tag.toLower(),
                  QString::fromLatin1(name).toLower());
    EXPECT_TRUE(OwnerRules::orderNamed(u"input")->tag.isEmpty());
    EXPECT_EQ(OwnerRules::orderNamed(u"input")->caption, "Input Order");
    EXPECT_EQ(OwnerRules::orderNamed(u"state"), nullptr);
}

// --- Field rules ---------------------------------------------------------------

TEST(OwnerRules, StateAndCountryOnLeavingTheField)
{
    const std::pair<const char*, const char*> states[] = {
        {"ny", "NY"},   {"on", "ON"},     {"n", "N"}, {"ny   ", "NY"},
        {"Ont", "Ont"}, {"ont  ", "ont"}, {"", ""},
    };
    for (const auto& [typed, stored] : states)
        EXPECT_EQ(OwnerRules::stateOnLeaving(typed), stored) << typed;

    const std::pair<const char*, const char*> countries[] = {
        {"usa", "USA"},       {"Usa  ", "USA"},     {"USA", "USA"},
        {"U.S.A.", "U.S.A."}, {"Canada", "Canada"}, {"us", "us"},
    };
    for (const auto& [typed, stored] : countries)
        EXPECT_EQ(OwnerRules::countryOnLeaving(typed), stored) << typed;
}

TEST(OwnerRules, TypedNameSplitsAtTheFirstComma)
{
    const struct {
        const char* typed;
        const char* last;
        const char* first;
        bool hasFirst;
    } cases[] = {
        {"Smith, Mary", "Smith", "Mary", true},
        {"Smith,Mary", "Smith", "Mary", true},
        {"Smith", "Smith", "", false},
        {"Smith,  Mary", "Smith", " Mary", true}, // only one blank goes
        {"Van Dyke, Ann, Jr", "Van Dyke", "Ann, Jr", true},
        {"Smith,", "Smith", "", true},
    };
    for (const auto& c : cases) {
        const OwnerRules::TypedName name = OwnerRules::splitTypedName(c.typed);
        EXPECT_EQ(name.last, c.last) << c.typed;
        EXPECT_EQ(name.first, c.first) << c.typed;
        EXPECT_EQ(name.hasFirst, c.hasFirst) << c.typed;
    }
}

TEST_F(OwnerRulesTest, SavedRecordsAreTidied)
{
    add({"00001", "Ann", "Lee", "", "", "ny", "", "--", "", "usa"});
    owners().edit();
    OwnerRules::tidyRecord(owners());
    EXPECT_EQ(owners().text("state"), "NY");
    EXPECT_EQ(owners().text("country"), "USA");
    EXPECT_EQ(owners().text("phone"), "") << "a masked box left empty stores nothing";
}

// --- Listing -------------------------------------------------------------------

QStringList linesOf(const RichListing& listing)
{
    return listing.document().toPlainText().split(u'\n');
}

const QString kColumnLine =
    "Full Name\t" + QString("Address   City, State  Zip").leftJustified(50) + "\tPhone\tEmail";

TEST_F(OwnerRulesTest, ListingOfAnEmptyTableIsItsHeading)
{
    EXPECT_EQ(linesOf(ownerListing(owners())),
              (QStringList{"Address Info for Individuals in Database", " ", kColumnLine}));
}

TEST_F(OwnerRulesTest, ListingSkipsDeletedOwnersInTheTablesOrder)
{
    add({"00017", "Mary", "Smith", "12 Elm St", "Springfield", "IL", "62701", "555-123-4567",
         "mary@example.com"});
    add({"00003", "Al", "Adams", "1 Oak Rd", "Dover", "DE", "19901", "", "", "", true});
    add({"00009", "Bob", "Baker", "9 Pine Ave", "Toronto", "ON", "M5V 2T6"});
    owners().setOrder("name");
    owners().go(3);
    const RichListing listing = ownerListing(owners());

    // The last name as stored (25 wide), the address part padded to 50, the
    // phone as stored (14 wide).
    const QStringList expected{
        "Address Info for Individuals in Database",
        " ",
        kColumnLine,
        " ",
        "Bob " + QString("Baker").leftJustified(25) + "\t" +
            QString("9 Pine Ave   Toronto, ON   M5V 2T6").leftJustified(50) + "\t" +
            QString(14, u' ') + "   ",
        "Mary " + QString("Smith").leftJustified(25) + "\t" +
            QString("12 Elm St   Springfield, IL   62701").leftJustified(50) + "\t" +
            "555-123-4567  " + "   " + "mary@example.com",
    };
    EXPECT_EQ(linesOf(listing), expected);
    EXPECT_EQ(owners().recno(), 3u) << "the listing only reads the owners";

    // Heading in 10 point bold, column line 8 point bold, owners 8 point plain,
    // tab stops from the column line on.
    const QTextDocument& doc = listing.document();
    const auto charFormat = [&](int block) {
        return doc.findBlockByNumber(block).begin().fragment().charFormat();
    };
    EXPECT_EQ(charFormat(0).fontPointSize(), 10);
    EXPECT_TRUE(charFormat(0).font().bold());
    EXPECT_EQ(charFormat(2).fontPointSize(), 8);
    EXPECT_TRUE(charFormat(2).font().bold());
    EXPECT_EQ(charFormat(4).fontPointSize(), 8);
    EXPECT_FALSE(charFormat(4).font().bold());
    const QList<QTextOption::Tab> tabs = doc.findBlockByNumber(4).blockFormat().tabPositions();
    ASSERT_EQ(tabs.size(), 6);
    EXPECT_NEAR(tabs.front().position, RichListing::pointsToDocumentUnits(150), 0.01);
    EXPECT_NEAR(tabs.back().position, RichListing::pointsToDocumentUnits(450), 0.01);
}

// --- Labels --------------------------------------------------------------------

TEST_F(OwnerRulesTest, LabelCountsMatchWhatPrints)
{
    addFourOwners();
    owners().setOrder("ownerid");
    owners().go(2);
    const struct {
        OwnerLabelMode mode;
        int count;
        QStringList firstNames; // in last-name order
    } cases[] = {
        {OwnerLabelMode::All, 3, {"Bob", "Mary", "Zoe"}},
        {OwnerLabelMode::SnailMail, 2, {"Bob", "Zoe"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(OwnerLabels::count(owners(), c.mode), c.count);
        const auto result = OwnerLabels::savePdf(owners(), c.mode, {1, 1}, path("labels.pdf"));
        ASSERT_TRUE(result) << result.message().toStdString();
        EXPECT_EQ(result->printed, c.count);

        EXPECT_EQ(owners().order(), "OWNERID") << "the labels only read the owners";
        EXPECT_EQ(owners().recno(), 2u);

        QStringList printed;
        for (std::uint32_t recno : OwnerLabels::recordsToPrint(owners(), c.mode))
            printed << QString::fromStdString(owners().record(recno).text("first"));
        EXPECT_EQ(printed, c.firstNames);
    }
}

TEST_F(OwnerRulesTest, TableLabelSourceReadsFieldsAsStored)
{
    add({"00001", "Ann", "Lee"});
    TableLabelSource source(owners(), {1});
    EXPECT_FALSE(source.atEnd());
    EXPECT_EQ(source.recno(), 1u);
    EXPECT_EQ(source.value("first"), QString("Ann").leftJustified(25));
    EXPECT_EQ(source.value("no_such_field"), "");
    source.next();
    EXPECT_TRUE(source.atEnd());
}

// The command line prints the labels with the same code as the window: in
// snail-mail mode from row 2, column 3, the grid centred on the paper.
TEST_F(OwnerRulesTest, LabelsLandInsideTheirLabelsFromTheStartPosition)
{
    addFourOwners();
    fixture.stop();
    const QString pdf = path("snail.pdf");
    const CliRun cli = runCli({"--data-dir", fixture.root(), "print", "owners-labels", "--mode",
                               "snail-mail", "--start-row", "2", "--start-col", "3", "--pdf", pdf});
    ASSERT_EQ(cli.exitCode, 0) << cli.err.toStdString();

    const std::vector<PdfWord> words = pdfWords(pdf).words;
    const auto mm = [](double millimetres) { return millimetres * 72 / 25.4; };
    const struct {
        const char* word;
        LabelPosition label;
        double left; // 1/96 inch inside the label
        double top;
    } expected[] = {
        {"Bob", {2, 3}, 15, 16},    {"9", {2, 3}, 15, 33},   {"Toronto,", {2, 3}, 15, 50},
        {"Canada", {2, 3}, 27, 66}, {"Zoe", {3, 1}, 15, 16}, {"Salem,", {3, 1}, 15, 50},
    };
    for (const auto& e : expected) {
        SCOPED_TRACE(e.word);
        const auto found = std::find_if(words.begin(), words.end(),
                                        [&](const PdfWord& w) { return w.text == e.word; });
        ASSERT_NE(found, words.end());
        const QRectF label = LabelStock::avery5160().labelRect(e.label, LabelPlacement::Centred);
        EXPECT_NEAR(found->xMin, mm(label.left()) + e.left * 0.75, 1.5);
        EXPECT_GE(found->yMin, mm(label.top()) + e.top * 0.75 - 0.5);
        EXPECT_LE(found->yMin, mm(label.top()) + e.top * 0.75 + 4);
        EXPECT_LE(found->xMax, mm(label.right()));
        EXPECT_LE(found->yMax, mm(label.bottom()));
    }
    for (const PdfWord& w : words) {
        EXPECT_NE(w.text, "Mary") << "has an e-mail address";
        EXPECT_NE(w.text, "Al") << "marked deleted";
    }
}

TEST_F(OwnerRulesTest, CommandLineListingAndItsRefusals)
{
    addFourOwners();
    fixture.stop();
    const auto run = [&](const QStringList& args) {
        return runCli(QStringList{"--data-dir", fixture.root(), "print"} + args).exitCode;
    };
    const QString rtf = path("owners.rtf");
    EXPECT_EQ(run({"owners-list", "--order", "zip", "--rtf", rtf}), 0);
    QFile file(rtf);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray text = file.readAll();
    EXPECT_TRUE(text.startsWith("{\\rtf"));
    // Zip order: Toronto's M5V after Springfield's 62701 and Salem's 97301.
    EXPECT_LT(text.indexOf("Springfield"), text.indexOf("Salem"));
    EXPECT_LT(text.indexOf("Salem"), text.indexOf("Toronto"));
    EXPECT_EQ(text.indexOf("Dover"), -1) << "marked deleted";

    EXPECT_EQ(run({"owners-list", "--order", "state", "--pdf", path("x.pdf")}), 2);
    EXPECT_EQ(run({"owners-labels", "--mode", "email", "--pdf", path("x.pdf")}), 2);
    EXPECT_EQ(run({"owners-labels", "--rtf", path("x.rtf")}), 2);
}

// --- New owners, the owner dialog's saving, remove all ---------------------------

TEST_F(OwnerRulesTest, DialogSavingIsAPostWithTodaysDate)
{
    addFourOwners();
    OwnerHandOver handOver;
    handOver.adding = true;
    handOver.typedName = "Lee, Ann";
    OwnerEditing editing(data(), handOver);
    EXPECT_EQ(editing.begin(), OwnerEditing::Focus::Address);
    owners().setText("city", "Reno");
    ASSERT_TRUE(editing.save());
    EXPECT_EQ(handOver.ownerId, "00021");
    EXPECT_TRUE(handOver.saved);
    EXPECT_FALSE(handOver.adding);

    // What reached the disk, read by a fresh start of the data module.
    dbf::Table& reread = *fixture.start().Owners();
    reread.setOrder("ownerid");
    ASSERT_TRUE(reread.seek("00021"));
    EXPECT_EQ(reread.text("last"), "Lee");
    EXPECT_EQ(reread.text("first"), "Ann");
    EXPECT_EQ(reread.text("city"), "Reno");
    const auto today = QDate::currentDate();
    EXPECT_EQ(reread.date("modified"),
              (dbf::Date{std::chrono::year(today.year()), std::chrono::month(today.month()),
                         std::chrono::day(today.day())}));
}

TEST_F(OwnerRulesTest, DialogCancelHandsBackNothingNew)
{
    addFourOwners();
    OwnerHandOver handOver{true, "Lee", "99999", true};
    OwnerEditing adding(data(), handOver);
    EXPECT_EQ(adding.begin(), OwnerEditing::Focus::FirstName);
    EXPECT_EQ(owners().text("last"), "Lee");
    adding.cancel();
    EXPECT_EQ(handOver.ownerId, "");
    EXPECT_FALSE(handOver.saved);
    EXPECT_EQ(owners().recordCount(), 4u);

    OwnerHandOver editHandOver{false, {}, "00017", true};
    OwnerEditing editing(data(), editHandOver);
    owners().go(1);
    EXPECT_EQ(editing.begin(), OwnerEditing::Focus::FirstName);
    owners().setText("city", "Elsewhere");
    editing.cancel();
    EXPECT_EQ(editHandOver.ownerId, "00017") << "left as it was";
    EXPECT_FALSE(editHandOver.saved);
    EXPECT_EQ(owners().text("city"), "Springfield");
}

TEST_F(OwnerRulesTest, RemoveAllAsksWhetherTheDogMasterGoesToo)
{
    for (const QChar dogAnswer : {u'N', u'Y'}) {
        SCOPED_TRACE(dogAnswer.toLatin1());
        addFourOwners();
        dbf::Table& dogs = *data().Dogs();
        dogs.append();
        dogs.setText("reg", "DN123");
        dogs.setText("owner_id", "00017");
        dogs.post();

        fixture.messages.answer(dogAnswer);
        OwnerTasks::removeAllOwners(data());
        EXPECT_EQ(owners().recordCount(), 0u);
        EXPECT_EQ(dogs.recordCount(), dogAnswer == u'Y' ? 0u : 1u);
        EXPECT_EQ(fixture.messages.texts.constLast(),
                  "The Dog Master should also have all records removed.;Would you like to do "
                  "this now?");
        EXPECT_EQ(fixture.messages.requests.constLast().buttons, "No Yes");
        dogs.zap();
    }
}

} // namespace
