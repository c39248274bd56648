#include "CliRun.h"
#include "DataRootFixture.h"
#include "PdfText.h"

#include "masters/OwnerEditing.h"
#include "masters/OwnerLabels.h"
#include "masters/OwnerListing.h"
#include "masters/OwnerRules.h"
#include "masters/OwnerTasks.h"
#include "print/TableRecords.h"
#include "ui/MasterTableBrowser.h"

#include "dbf/Table.h"

#include <QDate>
#include <QFile>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextFrame>
#include <QTextTable>

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

// The paragraphs of a listing outside its table, and the table's rows.
struct ListingText {
    QStringList paragraphs;
    QList<QStringList> rows;
    const QTextTable* table = nullptr;
};

ListingText textOf(const RichListing& listing)
{
    ListingText text;
    for (auto it = listing.document().rootFrame()->begin(); !it.atEnd(); ++it) {
        if (const auto* table = qobject_cast<const QTextTable*>(it.currentFrame())) {
            text.table = table;
            for (int row = 0; row < table->rows(); ++row) {
                QStringList cells;
                for (int column = 0; column < table->columns(); ++column)
                    cells << table->cellAt(row, column).firstCursorPosition().block().text();
                text.rows << cells;
            }
        } else if (!it.currentBlock().text().isEmpty()) {
            text.paragraphs << it.currentBlock().text();
        }
    }
    return text;
}

const QStringList kHeadings{"Full Name", "Address   City, State  Zip", "Phone", "Email"};

TEST_F(OwnerRulesTest, ListingOfAnEmptyTableIsItsHeading)
{
    const ListingText text = textOf(ownerListing(owners()));
    EXPECT_EQ(text.paragraphs, (QStringList{"Address Info for Individuals in Database", " "}));
    EXPECT_EQ(text.rows, QList<QStringList>{kHeadings});
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
    EXPECT_EQ(listing.title(), "Owners List of Addresses");

    const ListingText text = textOf(listing);
    EXPECT_EQ(text.paragraphs, (QStringList{"Address Info for Individuals in Database", " "}));
    EXPECT_EQ(text.rows, (QList<QStringList>{
                             kHeadings,
                             {"Bob Baker", "9 Pine Ave   Toronto, ON   M5V 2T6", "", ""},
                             {"Mary Smith", "12 Elm St   Springfield, IL   62701", "555-123-4567",
                              "mary@example.com"},
                         }));
    EXPECT_EQ(owners().recno(), 3u) << "the listing only reads the owners";

    // Heading in 10 point bold, column headings 8 point bold and repeated on
    // every page, owners 8 point plain.
    const QTextDocument& doc = listing.document();
    const QTextCharFormat heading = doc.firstBlock().begin().fragment().charFormat();
    EXPECT_EQ(heading.fontPointSize(), 10);
    EXPECT_TRUE(heading.font().bold());
    ASSERT_TRUE(text.table);
    const auto cellFormat = [&](int row, int column) {
        return text.table->cellAt(row, column).firstCursorPosition().block().charFormat();
    };
    EXPECT_EQ(text.table->format().headerRowCount(), 1);
    EXPECT_EQ(cellFormat(0, 3).fontPointSize(), 8);
    EXPECT_TRUE(cellFormat(0, 3).font().bold());
    EXPECT_EQ(cellFormat(2, 3).fontPointSize(), 8);
    EXPECT_FALSE(cellFormat(2, 3).font().bold());
    EXPECT_EQ(cellFormat(1, 2).fontPointSize(), 8) << "an empty cell keeps the size of its row";
}

// On paper every value stands under its heading, an empty phone leaving its
// column blank, and nothing passes the right margin or is cut.
TEST_F(OwnerRulesTest, ListingPrintsEachValueUnderItsHeading)
{
    add({"00001", "Mary", "Smith", "12 Elm St", "Springfield", "IL", "62701", "555-123-4567",
         "mary@example.com"});
    add({"00002", "Bob", "Baker", "9 Pine Ave", "Toronto", "ON", "M5V 2T6", "", "bob@example.ca"});
    add({"00003", "Margaret", "Featherstonehaugh", "1234 Long Meadow Road Apartment 5",
         "Albuquerque", "NM", "87101", "505-555-1212", "maggie.featherstonehaugh@example.org"});
    owners().setOrder("name");
    const QString pdf = path("owners.pdf");
    const Done written = ownerListing(owners()).write(PrintFormat::Pdf, pdf);
    ASSERT_TRUE(written) << written.message().toStdString();
    const PdfWords words = pdfWords(pdf);
    const PdfWord* full = words.find("Full");
    ASSERT_TRUE(full);
    // The headings are the words on the line of "Full Name".
    const auto heading = [&](const char* text) {
        for (const PdfWord& w : words.words)
            if (w.text == text && std::abs(w.yMin - full->yMin) < 0.5)
                return w.xMin;
        ADD_FAILURE() << "no heading " << text;
        return -1000.0;
    };
    const double columns[] = {full->xMin, heading("Address"), heading("Phone"), heading("Email"),
                              (215.9 - 15) * 72 / 25.4};
    const struct {
        const char* value;
        int column;
    } values[] = {
        {"Bob", 0},
        {"9", 1},
        {"bob@example.ca", 3},
        {"Margaret", 0},
        {"1234", 1},
        {"505-555-1212", 2},
        {"maggie.featherstonehaugh@example.org", 3},
        {"Mary", 0},
        {"555-123-4567", 2},
        {"mary@example.com", 3},
    };
    for (const auto& v : values) {
        const PdfWord* found = words.find(v.value);
        ASSERT_TRUE(found) << v.value;
        EXPECT_NEAR(found->xMin, columns[v.column], 0.5) << v.value;
        EXPECT_LE(found->xMax, columns[v.column + 1]) << v.value << " runs into the next column";
    }
    for (const PdfWord& w : words.words)
        EXPECT_LE(w.xMax, columns[4]) << w.text.toStdString() << " passes the right margin";
    EXPECT_NEAR(words.find("bob@example.ca")->yMin, words.find("Bob")->yMin, 0.5)
        << "without a phone the e-mail stays on its owner's line";
}

TEST_F(OwnerRulesTest, ListingHeadingsHeadEveryPage)
{
    for (int n = 1; n <= 100; ++n) {
        const std::string id = QString::number(n).rightJustified(5, u'0').toStdString();
        const std::string last = "Number" + std::to_string(n);
        add({id.c_str(), "Owner", last.c_str(), "1 Long Street", "Town", "NY", "12345"});
    }
    owners().setOrder("ownerid");
    const QString pdf = path("many.pdf");
    ASSERT_TRUE(ownerListing(owners()).write(PrintFormat::Pdf, pdf));
    const QStringList pages = pdfText(pdf).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    for (const QString& page : pages)
        EXPECT_TRUE(page.trimmed().contains(QRegularExpression(
            "^(Address Info for Individuals in Database\\s+)?Full Name\\s+Address City, State "
            "Zip\\s+Phone\\s+Email\n")))
            << page.left(200).toStdString();
    EXPECT_TRUE(pages.last().contains("Owner Number100"));
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
        const LabelRun labels = OwnerLabels::labels(owners(), c.mode, {1, 1});
        EXPECT_EQ(labels.records().rowCount(), c.count);
        const Done written = labels.write(PrintFormat::Pdf, path("labels.pdf"));
        ASSERT_TRUE(written) << written.message().toStdString();

        EXPECT_EQ(owners().order(), "OWNERID") << "the labels only read the owners";
        EXPECT_EQ(owners().recno(), 2u);

        QStringList printed;
        for (std::uint32_t recno : OwnerLabels::recordsToPrint(owners(), c.mode))
            printed << QString::fromStdString(owners().record(recno).text("first"));
        EXPECT_EQ(printed, c.firstNames);
    }
}

TEST_F(OwnerRulesTest, TableRecordsReadFieldsAsStoredAndAsValues)
{
    add({"00001", "Ann", "Lee"});
    add({"00002", "Bo", "Ray"});
    const TableRecords source(owners(), std::vector<std::uint32_t>{2, 1});
    ASSERT_EQ(source.rowCount(), 2);
    EXPECT_EQ(source.recno(0), 2u);
    EXPECT_EQ(source.text(1, "first"), QString("Ann").leftJustified(25));
    EXPECT_EQ(source.value(1, "FIRST").toString(), "Ann");
    EXPECT_EQ(source.text(1, "no_such_field"), "");
    EXPECT_FALSE(source.value(2, "first").isValid());
    EXPECT_EQ(source.recno(2), 0u);
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
