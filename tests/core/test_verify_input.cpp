#include "DataRootFixture.h"
#include "PdfText.h"

#include "print/ReportLayout.h"
#include "print/ReportPrintout.h"
#include "reports/VerifyInput.h"

#include "dbf/Table.h"

#include <gtest/gtest.h>

// The verify listing: the rows of each entry, its orders and its messages.

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

class VerifyInputTest : public ::testing::Test
{
protected:
    VerifyInputTest()
    {
        fixture.addShowDates(1, QDate(2027, 4, 10), 2); // Saturday and Sunday
        data().CreateShowEntryTable(1, "04/10/2027");
        data().OpenDogs();
        dbf::Table& dogs = *data().Dogs();
        dogs.append();
        dogs.setText("reg", "DN100");
        dogs.setText("sex", "Bitch");
        dogs.setDate("bdate", dbf::Date{std::chrono::year(2020), std::chrono::month(3),
                                        std::chrono::day(5)});
        dogs.setText("breeder", "  Hill Kennels");
        dogs.setText("sire", "Old Sire");
        dogs.setText("dam", "Old Dam");
        dogs.setText("owner2", "Jo Smith");
        dogs.post();
        data().OpenOwners();
        dbf::Table& owners = *data().Owners();
        owners.append();
        owners.setText("owner_id", "00001");
        owners.setText("address", "12 Elm St");
        owners.setText("city", "Springfield");
        owners.setText("state", "IL");
        owners.setText("zip", "62701");
        owners.setText("country", "USA");
        owners.setText("email", "mary@example.com");
        owners.post();

        // Two classes in trial 1, obedience after rally in flag order; one in trial 2.
        add("DN100", "00001", "Mary", "Smith", {"t1rrna", "t1ornb", "t2orob"});
        // Not in either master; seven classes in trial 1.
        add("DN200", "00009", "Al", "Adams",
            {"t1orna", "t1ornb", "t1oroa", "t1orob", "t1orua", "t1orub", "t1rrna"});
        add("DN100", "00001", "Mary", "Smith", {});
        entries().setDeleted(true);
        fixture.messages.texts.clear();
    }
    Tdmod& data() { return fixture.data(); }
    dbf::Table& entries() { return *data().TzDbf1(); }
    void add(const char* reg, const char* owner, const char* first, const char* last,
             const QStringList& flags)
    {
        entries().append();
        entries().setText("reg", reg);
        entries().setText("owner_id", owner);
        entries().setText("first", first);
        entries().setText("last", last);
        entries().setText("dog", (QString("Dog ") + reg).toStdString());
        entries().setText("ob_jmpht", "16");
        for (const QString& flag : flags)
            entries().setLogical(flag.toStdString(), true);
        entries().post();
    }
    Report build(VerifyOrder order)
    {
        return VerifyInputReport(data(), order, VerifyInput::entriesInOrder(entries(), order))
            .build();
    }

    DataRootFixture fixture;
};

QString cell(const Report& report, int row, const char* field)
{
    return report.data->value(row, field).toString();
}

QStringList classes(const Report& report, int row, int trial)
{
    return report.data->value(row, QStringLiteral("trial%1").arg(trial)).toStringList();
}

TEST_F(VerifyInputTest, EachEntryHasItsDetailsAndUpToFiveClassRows)
{
    const Report report = build(VerifyOrder::InputOrder);
    ASSERT_EQ(report.data->rowCount(), 3) << "deleted entries shown are listed";

    EXPECT_EQ(cell(report, 0, "recno"), "1");
    EXPECT_EQ(cell(report, 0, "sex"), "Bitch");
    EXPECT_EQ(cell(report, 0, "bdate"), "03/05/2020");
    EXPECT_EQ(cell(report, 0, "breeder"), "Hill Kennels");
    EXPECT_EQ(cell(report, 0, "owner"), "Mary Smith");
    EXPECT_EQ(cell(report, 0, "owner2"), "Jo Smith");
    EXPECT_EQ(cell(report, 0, "address"),
              "12 Elm St  Springfield IL  62701  USA     Email: mary@example.com");
    EXPECT_EQ(cell(report, 0, "classRows"), "2");
    EXPECT_EQ(classes(report, 0, 1), QStringList({"(Ob) Novice B", "(R) Rally Novice A"}));
    EXPECT_EQ(classes(report, 0, 2), QStringList({"(Ob) Open B"}));

    EXPECT_EQ(cell(report, 1, "classRows"), "5");
    EXPECT_EQ(classes(report, 1, 1).size(), 5);
    EXPECT_EQ(classes(report, 1, 1).first(), "(Ob) Novice A");
    EXPECT_EQ(cell(report, 1, "sex"), "");
    EXPECT_EQ(cell(report, 1, "address"), QString(12, u' ') + "Email: ")
        << "built from empty values";
    EXPECT_EQ(cell(report, 2, "classRows"), "0");

    // Once per entry, the dog before the owner.
    EXPECT_EQ(fixture.messages.texts,
              QStringList({"Reg # DN200 Not found in DogMaster - skipping",
                           "Owner ID# 00009 Not found in Owners - No Address Info"}));
}

TEST_F(VerifyInputTest, TheOrdersAreReadWithoutChangingTheEntryTable)
{
    entries().setOrder("ARMBAND");
    ASSERT_TRUE(entries().go(2));
    EXPECT_EQ(VerifyInput::entriesInOrder(entries(), VerifyOrder::InputOrder),
              std::vector<std::uint32_t>({1, 2, 3}));
    // By name, the same owner's entries in record order.
    EXPECT_EQ(VerifyInput::entriesInOrder(entries(), VerifyOrder::OwnerName),
              std::vector<std::uint32_t>({2, 1, 3}));
    EXPECT_EQ(entries().order(), "ARMBAND");
    EXPECT_EQ(entries().recno(), 2u);

    // With deleted entries hidden they are not listed either.
    entries().setFilter([](const dbf::RecordView& entry) { return !entry.deleted(); });
    EXPECT_EQ(VerifyInput::entriesInOrder(entries(), VerifyOrder::OwnerName),
              std::vector<std::uint32_t>({2, 1}));
}

TEST_F(VerifyInputTest, ThePrintedBlockHasTheTrialHeadsAndTheClassesUnderThem)
{
    const Report report = build(VerifyOrder::OwnerName);
    EXPECT_EQ(report.definition.title,
              "Verify Data Input of Entries - Sort Order is by Owner's Last Name");
    const QString pdf = QString::fromStdString((fixture.dir / "verify.pdf").string());
    ASSERT_TRUE(ReportPrintout(ReportLayout::layout(report)).write(PrintFormat::Pdf, pdf));
    QStringList lines;
    for (const QString& line : pdfText(pdf).split(u'\n'))
        lines << line.simplified();
    const auto at = [&](const QString& line) { return lines.indexOf(line); };

    EXPECT_GE(at("Unknown - April 10, 2027 thru April 11, 2027"), 0);
    EXPECT_GE(at("Rec # Reg # Dog Info Sex Birthdate Breed (Variety)"), 0);
    // Al Adams first: five rows of trial 1, nothing under Sunday.
    const qsizetype adams = at("2 DN200 Dog DN200");
    ASSERT_GE(adams, 0) << s(lines.join('\n'));
    EXPECT_EQ(lines.mid(adams + 6, 7),
              QStringList({"Classes Entered:", "Saturday Sunday", "(Ob) Novice A", "(Ob) Novice B",
                           "(Ob) Open A", "(Ob) Open B", "(Ob) Utility A"}));
    const qsizetype smith = at("1 DN100 Dog DN100 Bitch 03/05/2020");
    ASSERT_GE(smith, 0) << s(lines.join('\n'));
    EXPECT_EQ(lines.mid(smith + 1, 9),
              QStringList({"Breeder: Hill Kennels", "Sire: Old Sire Dam: Old Dam",
                           "Owner (s): Mary Smith Owner2: Jo Smith",
                           "12 Elm St Springfield IL 62701 USA Email: mary@example.com",
                           "Obed Jump Ht: 16 Rally Jump Ht: Handler:", "Classes Entered:",
                           "Saturday Sunday", "(Ob) Novice B (Ob) Open B", "(R) Rally Novice A"}));
    EXPECT_TRUE(lines.contains(
        "Printed On: " +
        QLocale(QLocale::English).toString(report.definition.printDate, "MMMM d, yyyy") +
        " Page 1"));
}

TEST_F(VerifyInputTest, AOneTrialShowHasOneClassColumn)
{
    dbf::Table& dates = *data().ShowDates();
    dates.edit();
    dates.setNumber("num_trials", 1);
    dates.post();
    const QString pdf = QString::fromStdString((fixture.dir / "verify.pdf").string());
    ASSERT_TRUE(ReportPrintout(ReportLayout::layout(build(VerifyOrder::InputOrder)))
                    .write(PrintFormat::Pdf, pdf));
    QStringList lines;
    for (const QString& line : pdfText(pdf).split(u'\n'))
        lines << line.simplified();
    EXPECT_TRUE(lines.contains("Saturday"));
    EXPECT_FALSE(lines.join(' ').contains("Sunday"));
    // Mary Smith's Open B of trial 2 is not shown beside her Novice B.
    EXPECT_TRUE(lines.contains("(Ob) Novice B")) << s(lines.join('\n'));
    EXPECT_FALSE(lines.contains("(Ob) Novice B (Ob) Open B"));
}

} // namespace
