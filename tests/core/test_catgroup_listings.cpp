#include "setup/CatGroupListing.h"

#include "DataRootFixture.h"
#include "PdfText.h"

#include <QFile>

#include <gtest/gtest.h>

namespace
{

class CatGroupListings : public ::testing::Test
{
protected:
    CatGroupListings()
    {
        fixture.data().OpenCatGroups();
        dbf::Table& groups = this->groups();
        groups.zap();
        add("Rally", "RNV", "RALLY NOVICE", {"Q 70", "", "Time breaks ties", ""});
        add("Obedience", "nov", "NOVICE", {"", "", "", ""});
        add("Obedience", "OLD", "GONE", {"x", "", "", ""});
        groups.setDeleted(true);
        add("Obedience", "OPN", "OPEN", {" Rosettes ", "", "HC", ""});
    }

    dbf::Table& groups() { return *fixture.data().CatGroups(); }

    void add(const char* section, const char* code, const char* header,
             const std::array<const char*, 4>& footers)
    {
        groups().append();
        groups().setText("section", section);
        groups().setText("catgroup", code);
        groups().setText("header", header);
        for (int i = 0; i < 4; ++i)
            groups().setText("footer" + std::to_string(i + 1), footers[i]);
        groups().post();
    }

    DataRootFixture fixture;
};

QStringList expected(std::initializer_list<const char*> lines)
{
    QStringList out;
    for (const char* line : lines)
        out << QString::fromUtf8(line);
    return out;
}

TEST_F(CatGroupListings, ListOfCodesInSectionOrder)
{
    EXPECT_EQ(CatGroupListing::lines(groups(), CatGroupListing::Kind::Codes),
              expected({" ", "Obedience      \tnov\tNOVICE", "Obedience      \tOPN\tOPEN",
                        "Rally          \tRNV\tRALLY NOVICE"}));
}

TEST_F(CatGroupListings, FullListWithTheFootersThatAreFilled)
{
    groups().go(2);
    EXPECT_EQ(CatGroupListing::lines(groups(), CatGroupListing::Kind::Full),
              expected({" ", "nov\tObedience\tNOVICE", " ", "OPN\tObedience\tOPEN", "\t\tRosettes",
                        "\t\tHC", " ", "RNV\tRally\tRALLY NOVICE", "\t\tQ 70",
                        "\t\tTime breaks ties", " "}));
    EXPECT_EQ(groups().order(), "GroupKEY");
    EXPECT_EQ(groups().recno(), 2u) << "the record stays current";
}

TEST_F(CatGroupListings, SavedAsTextWithTabsAndPrintedWithTabsSetOut)
{
    const QStringList lines = CatGroupListing::lines(groups(), CatGroupListing::Kind::Full);
    const CanvasListing listing = CatGroupListing::listing(lines, CatGroupListing::font());
    EXPECT_EQ(listing.title().toStdString(), "Catalog Grouping Codes");
    EXPECT_EQ(listing.layout().heading.toStdString(), "Catalog Grouping Codes");
    EXPECT_EQ(listing.layout().font.pointSize(), 12);

    const QString file = fixture.root() + "/groups.txt";
    const Done written = listing.write(PrintFormat::Text, file);
    ASSERT_TRUE(written) << written.message().toStdString();
    QFile saved(file);
    ASSERT_TRUE(saved.open(QIODevice::ReadOnly | QIODevice::Text));
    EXPECT_EQ(QString::fromUtf8(saved.readAll()), lines.join('\n') + '\n');

    // On paper a tab goes to the next eighth column of the fixed-pitch font,
    // as the text area shows it.
    const QString pdf = fixture.root() + "/groups.pdf";
    ASSERT_TRUE(listing.write(PrintFormat::Pdf, pdf));
    const PdfWords words = pdfWords(pdf);
    const PdfWord* code = words.find("nov");
    const PdfWord* section = words.find("Obedience");
    const PdfWord* footer = words.find("Rosettes");
    ASSERT_TRUE(code && section && footer);
    const double column = (section->xMin - code->xMin) / 8;
    EXPECT_NEAR(column, 12 * 0.6, 0.2) << "a Courier character is six tenths of its size";
    EXPECT_NEAR(footer->xMin - code->xMin, 16 * column, 0.5);

    const Done refused = listing.write(PrintFormat::Text, fixture.root() + "/no/such/folder/x.txt");
    EXPECT_FALSE(refused);
    EXPECT_TRUE(refused.message().contains("no/such/folder")) << refused.message().toStdString();
}

} // namespace
