#include "CliRun.h"
#include "DataRootFixture.h"

#include "reports/EmailString.h"
#include "reports/ShowListings.h"

#include "dbf/Table.h"

#include <QTextDocument>

#include <gtest/gtest.h>

// The show listings: their lines, their totals and the string of e-mails.

namespace
{

std::string s(const QStringList& lines)
{
    return lines.join('\n').toStdString();
}

QStringList lines(const RichListing& listing)
{
    return listing.document().toPlainText().split(u'\n');
}

// The name column: first name, a blank, the last name as stored (25
// characters), in 30 characters at least.
QString name(const QString& first, const QString& last, int width = 30)
{
    return (first + u' ' + last.leftJustified(25)).leftJustified(width);
}

const QString kShowLine = QStringLiteral(" Unknown  --  April 10, 2027 thru April 11, 2027");

class ShowListingsTest : public ::testing::Test
{
protected:
    ShowListingsTest()
    {
        fixture.addShowDates(1, QDate(2027, 4, 10), 2);
        data().CreateShowEntryTable(1, "04/10/2027");
        data().OpenOwners();
        addOwner("00001", "555-123-4567", "mary@example.com");
        addOwner("00002", "555-000-1111", "");
        // Mary's second dog stands apart from her first in armband order.
        add({{"arm", "101"},
             {"first", "Mary"},
             {"last", "Smith"},
             {"owner_id", "00001"},
             {"dog", "Ash"},
             {"notes", "Crate space"}},
            {"printit", "prepaidcat", "worker", "emailsent"});
        add({{"arm", "102"},
             {"first", "Bob"},
             {"last", "Baker"},
             {"owner_id", "00002"},
             {"dog", "Birch"}},
            {"worker"});
        add({{"arm", "103"},
             {"first", "Mary"},
             {"last", "Smith"},
             {"owner_id", "00001"},
             {"dog", "Cedar"},
             {"notes", "Late arrival"}},
            {"emailsent"});
        add({{"arm", "104"},
             {"first", "Cy"},
             {"last", "Cole"},
             {"owner_id", "00003"},
             {"dog", "Dune"}},
            {"prepaidcat", "worker"});
        add({{"arm", "105"},
             {"first", "Dee"},
             {"last", "Dunn"},
             {"owner_id", "00002"},
             {"dog", "Elm"},
             {"notes", "Withdrawn"}},
            {"prepaidcat", "worker", "emailsent"});
        entries().setDeleted(true);
        entries().setOrder("ARMBAND");
        fixture.messages.texts.clear();
    }
    Tdmod& data() { return fixture.data(); }
    dbf::Table& entries() { return *data().TzDbf1(); }
    void addOwner(const char* id, const char* phone, const char* email)
    {
        dbf::Table& owners = *data().Owners();
        owners.append();
        owners.setText("owner_id", id);
        owners.setText("phone", phone);
        owners.setText("email", email);
        owners.post();
    }
    void add(const QList<std::pair<const char*, const char*>>& fields, const QStringList& flags)
    {
        entries().append();
        for (const auto& [field, value] : fields)
            entries().setText(field, value);
        for (const QString& flag : flags)
            entries().setLogical(flag.toStdString(), true);
        entries().post();
    }
    void hideDeletes()
    {
        entries().setFilter([](const dbf::RecordView& entry) { return !entry.deleted(); });
    }

    DataRootFixture fixture;
};

TEST_F(ShowListingsTest, TheListingsHaveTheirLinesInTheShowsOrder)
{
    const QString mary = name("Mary", "Smith"), bob = name("Bob", "Baker"), cy = name("Cy", "Cole"),
                  dee = name("Dee", "Dunn");
    const struct {
        const char* name;
        RichListing (*make)(Tdmod&);
        QStringList lines;
    } cases[] = {
        {"notes",
         ShowListings::specialNotes,
         {"Special Notes in Database", " ", "Full Name\tArmband # + Printit\t            Note", " ",
          mary + "\t101  + Yes\tCrate space", " ", mary + "\t103  + No\tLate arrival", " ",
          dee + "\t105  + No\tWithdrawn", " "}},
        {"pre-paid catalogs",
         ShowListings::prePaidCatalogs,
         {"Pre-Paid Catalogs Ordered   ***  Total = 3  ***", " ", kShowLine, " ",
          "Full Name\tArmband #", " ", mary + "\t101  ", cy + "\t104  ", dee + "\t105  "}},
        {"workers",
         ShowListings::volunteerWorkers,
         {"Volunteer Workers        ***  Total = 4  ***", " ", kShowLine, " ",
          "Full Name\tArmband #\tPhone\tEmail", " ",
          mary + "\t101  \t555-123-4567\tmary@example.com", bob + "\t102  \t555-000-1111\t",
          cy + "\t104  \t\t", dee + "\t105  \t555-000-1111\t"}},
        {"confirmations sent",
         ShowListings::emailConfirmationsSent,
         {"Confirmations Sent Via Email Listing      ***  Total = 3  ***", " ", kShowLine, " ",
          "Full Name\tArmband #\tDog's Name", " ", mary + "\t101     \tAsh",
          mary + "\t103     \tCedar", dee + "\t105     \tElm"}},
        // Each owner once, the one missing from the owners table left out,
        // the withdrawn entry too.
        {"owners and e-mail addresses",
         ShowListings::ownersAndEmails,
         {"Email Addresses in Current Show", " ", "Full Name\tEmail Address", " ",
          name("Mary", "Smith", 10) + "\tmary@example.com", name("Bob", "Baker", 10)}},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lines(c.make(data())), c.lines) << c.name << ":\n" << s(lines(c.make(data())));
}

TEST_F(ShowListingsTest, AWorkerWithoutAnOwnerIsListedAfterTheMessage)
{
    ShowListings::volunteerWorkers(data());
    EXPECT_EQ(fixture.messages.texts,
              QStringList({"Owner ID# 00003 Not found in Owners - No Address Info"}));
}

TEST_F(ShowListingsTest, WithDeletedEntriesHiddenTheTotalsCountWhatIsListed)
{
    hideDeletes();
    const QStringList paid = lines(ShowListings::prePaidCatalogs(data()));
    EXPECT_EQ(paid.first(), "Pre-Paid Catalogs Ordered   ***  Total = 2  ***");
    EXPECT_EQ(paid.mid(6),
              QStringList({name("Mary", "Smith") + "\t101  ", name("Cy", "Cole") + "\t104  "}));
    EXPECT_EQ(lines(ShowListings::volunteerWorkers(data())).first(),
              "Volunteer Workers        ***  Total = 3  ***");
    EXPECT_EQ(lines(ShowListings::emailConfirmationsSent(data())).first(),
              "Confirmations Sent Via Email Listing      ***  Total = 2  ***");
    EXPECT_FALSE(lines(ShowListings::specialNotes(data())).join('\n').contains("Withdrawn"));
}

TEST_F(ShowListingsTest, AShowWithoutEntriesHasTheHeadingsAndColumnLinesOnly)
{
    for (std::uint32_t r = 1; r <= entries().recordCount(); ++r) {
        entries().go(r);
        entries().setDeleted(true);
    }
    hideDeletes();
    const struct {
        RichListing (*make)(Tdmod&);
        QString last;
    } cases[] = {
        {ShowListings::specialNotes, "Full Name\tArmband # + Printit\t            Note"},
        {ShowListings::prePaidCatalogs, "Full Name\tArmband #"},
        {ShowListings::volunteerWorkers, "Full Name\tArmband #\tPhone\tEmail"},
        {ShowListings::emailConfirmationsSent, "Full Name\tArmband #\tDog's Name"},
        {ShowListings::ownersAndEmails, "Full Name\tEmail Address"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(lines(c.make(data())).last(), c.last);
    EXPECT_EQ(lines(ShowListings::prePaidCatalogs(data())).first(),
              "Pre-Paid Catalogs Ordered   ***  Total = 0  ***");
}

TEST_F(ShowListingsTest, TheStringOfEmailsTakesEachOwnerOnceInGroupsOfTwenty)
{
    dbf::Table& owners = *data().Owners();
    QStringList addresses;
    for (int n = 1; n <= 21; ++n) {
        const QString id = QStringLiteral("1%1").arg(n, 4, 10, QChar(u'0'));
        const QString email = QStringLiteral("e%1@example.com").arg(n, 2, 10, QChar(u'0'));
        addOwner(id.toUtf8().constData(), "", email.toUtf8().constData());
        const QByteArray last = QStringLiteral("Last%1").arg(n, 2, 10, QChar(u'0')).toUtf8();
        add({{"first", "Ann"}, {"last", last.constData()}, {"owner_id", id.toUtf8().constData()}},
            {});
        addresses << email;
    }
    // The same name again right after in name order adds no address, though
    // its owner has one.
    add({{"first", "Ann"}, {"last", "Last05"}, {"owner_id", "00001"}}, {});
    ASSERT_GT(owners.recordCount(), 21u);

    const QStringList text = lines(EmailString::ofShow(data()));
    // Mary (00001) and the owners of the 21; Bob has none; Cy has no
    // owner record; Dee is withdrawn.
    QStringList expected{"Email Addresses in Show Database", "",
                         "Addresses are separated by a comma and can be copied directly into the "
                         "SEND TO field of an email.  Now split into groups of 20.",
                         " "};
    const QStringList all = addresses + QStringList{"mary@example.com"};
    expected << all.mid(0, 20).join(u',') + u',' << " " << all.mid(20).join(u',') + u',';
    EXPECT_EQ(text, expected) << s(text);
}

TEST_F(ShowListingsTest, TheCommandLineWritesAListingAsRichText)
{
    fixture.stop();
    const QString rtf = fixture.root() + "/prepaid.rtf";
    const CliRun cli =
        runCli({"--data-dir", fixture.root(), "print", "prepaid", "--show", "1", "--rtf", rtf});
    ASSERT_EQ(cli.exitCode, 0) << cli.err.toStdString();
    // Read back by Debian's unrtf, which ends a line at each tab; the show
    // opens in last-name order.
    const CliRun text = runProgram("unrtf", {"--nopict", "--text", rtf});
    ASSERT_EQ(text.exitCode, 0) << text.err.toStdString();
    QStringList read;
    for (const QString& line : text.out.split(u'\n'))
        if (!line.startsWith(u'#'))
            read << line;
    EXPECT_TRUE(read.join(u' ').simplified().endsWith(
        "Pre-Paid Catalogs Ordered *** Total = 3 *** Unknown -- April 10, 2027 thru April 11, "
        "2027 Full Name Armband # Cy Cole 104 Dee Dunn 105 Mary Smith 101"))
        << s(read);
}

} // namespace
