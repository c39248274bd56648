#include "storage/DefaultsValues.h"
#include "storage/Preferences.h"
#include "storage/SessionSettings.h"

#include "TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

#include <functional>

namespace
{

class PreferencesTest : public ::testing::Test
{
protected:
    QString root() const { return QString::fromStdString(dir.path().string()); }

    void store(const QByteArray& bytes) const
    {
        QFile file(root() + "/gendefs.ini");
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    TempDir dir;
};

struct TextCase {
    const char* name;
    std::function<QString(const Preferences&)> read;
    QString expected;
};

// Every key, read from a data root without gendefs.ini, as the text it reads as.
const TextCase kFreshDefaults[] = {
    {"ClubName", [](const Preferences& p) { return p.clubName(); }, "Unknown"},
    {"Name", [](const Preferences& p) { return p.secretary().name; }, "Unknown"},
    {"Address", [](const Preferences& p) { return p.secretary().address; }, "Unknown"},
    {"City", [](const Preferences& p) { return p.secretary().city; }, "Unknown"},
    {"State", [](const Preferences& p) { return p.secretary().state; }, "Unknown"},
    {"Zip", [](const Preferences& p) { return p.secretary().zip; }, "Unknown"},
    {"Phone", [](const Preferences& p) { return p.secretary().phone; }, "Unknown"},
    {"Email", [](const Preferences& p) { return p.secretary().email; }, "Unknown"},
    {"Line1", [](const Preferences& p) { return p.slipCommentLine(); }, "Unknown"},
    {"EnterAsTab", [](const Preferences& p) { return Preferences::boolText(p.enterAsTab()); }, "1"},
    {"PgdnAsSave", [](const Preferences& p) { return Preferences::boolText(p.pgdnAsSave()); }, "1"},
    {"AutoCaps", [](const Preferences& p) { return Preferences::boolText(p.autoCaps()); }, "1"},
    {"Armbands",
     [](const Preferences& p) { return Preferences::armbandCreationText(p.armbandCreation()); },
     "AfterAutomatic"},
    {"Digits", [](const Preferences& p) { return QString::number(p.armbandDigits()); }, "3"},
    {"ArmbandStart", [](const Preferences& p) { return p.armbandStart(); }, "101"},
    {"LastOpenedShow", [](const Preferences& p) { return p.lastOpenedShow(); }, "Unknown"},
    {"LastShow", [](const Preferences& p) { return p.lastShow(); }, "Unknown"},
};

TEST_F(PreferencesTest, FreshDataRootGivesEveryDefault)
{
    const Preferences preferences(root());
    for (const TextCase& c : kFreshDefaults)
        EXPECT_EQ(c.read(preferences), c.expected) << c.name;

    for (CatalogLayout layout : {CatalogLayout::Booklet, CatalogLayout::FullPage}) {
        const CatalogPrintSettings s = preferences.catalogPrintSettings(layout);
        EXPECT_EQ(s.clubName, 0);
        EXPECT_EQ(s.showDate, 0);
        EXPECT_EQ(s.eachPage, 0);
        EXPECT_FALSE(s.classBreaks);
        EXPECT_TRUE(s.catBreak);
        EXPECT_EQ(s.classLines, 1);
        EXPECT_EQ(s.catLines, 2);
        EXPECT_EQ(s.footerLines, 1);
        EXPECT_EQ(s.placeLines, 1);
        EXPECT_EQ(s.entryLines, 1);
        EXPECT_TRUE(s.bold);
        EXPECT_FALSE(s.caps);
        EXPECT_TRUE(s.save);
    }
    EXPECT_EQ(preferences.windowGeometry("TDogForm"), (WindowGeometrySettings{-1, -1, -1, -1}));
    EXPECT_FALSE(QFile::exists(preferences.filePath())) << "reading must not create the file";
}

struct StoredCase {
    const char* name;
    QByteArray file;
    std::function<QString(const Preferences&)> read;
    QString expected;
};

class PreferencesStored : public PreferencesTest, public ::testing::WithParamInterface<StoredCase>
{
};

TEST_P(PreferencesStored, ReadsAsItsType)
{
    store(GetParam().file);
    EXPECT_EQ(GetParam().read(Preferences(root())), GetParam().expected);
}

QString enterAsTab(const Preferences& p)
{
    return Preferences::boolText(p.enterAsTab());
}
QString enterAsTabOff(const Preferences& p)
{
    return Preferences::boolText(p.enterAsTab(false));
}
QString creation(const Preferences& p)
{
    return Preferences::armbandCreationText(p.armbandCreation());
}
QString digits(const Preferences& p)
{
    return QString::number(p.armbandDigits());
}
QString bookletCatBreak(const Preferences& p)
{
    return Preferences::boolText(p.catalogPrintSettings(CatalogLayout::Booklet).catBreak);
}
QString fullPageCatLines(const Preferences& p)
{
    return QString::number(p.catalogPrintSettings(CatalogLayout::FullPage).catLines);
}
QString dogFormTop(const Preferences& p)
{
    return QString::number(p.windowGeometry("TDogForm").top);
}

INSTANTIATE_TEST_SUITE_P(
    Values, PreferencesStored,
    ::testing::Values(
        StoredCase{"BoolZero", "[Preferences]\nEnterAsTab=0\n", enterAsTab, "0"},
        StoredCase{"BoolWordTrue", "[Preferences]\nEnterAsTab=TRUE\n", enterAsTabOff, "1"},
        StoredCase{"BoolWordFalse", "[Preferences]\nEnterAsTab=false\n", enterAsTab, "0"},
        StoredCase{"BoolJunkGivesDefault", "[Preferences]\nEnterAsTab=yes\n", enterAsTab, "1"},
        StoredCase{"BoolTwoGivesDefault", "[Preferences]\nEnterAsTab=2\n", enterAsTabOff, "0"},
        StoredCase{"BoolEmptyGivesCallersDefault", "[Preferences]\nEnterAsTab=\n", enterAsTabOff,
                   "0"},
        StoredCase{"ArmbandsFirstLetterOnly", "[Preferences]\nArmbands=input as we go\n", creation,
                   "InputAutomatic"},
        StoredCase{"ArmbandsManual", "[Preferences]\nArmbands=m\n", creation, "Manual"},
        StoredCase{"ArmbandsUnknownLetter", "[Preferences]\nArmbands=Xyz\n", creation,
                   "AfterAutomatic"},
        StoredCase{"DigitsFive", "[Preferences]\nDigits= 5 \n", digits, "5"},
        StoredCase{"DigitsText", "[Preferences]\nDigits=four\n", digits, "3"},
        StoredCase{"DigitsOutOfRange", "[Preferences]\nDigits=7\n", digits, "3"},
        StoredCase{"CatalogBoolJunk", "[BookletSettings]\nCatBreak=maybe\n", bookletCatBreak, "1"},
        StoredCase{"CatalogIntJunk", "[FullPageSettings]\nCatLines=2.5\n", fullPageCatLines, "2"},
        StoredCase{"CatalogOtherLayoutIgnored", "[BookletSettings]\nCatLines=9\n", fullPageCatLines,
                   "2"},
        StoredCase{"GeometryJunk", "[TDogForm]\nTop=abc\n", dogFormTop, "-1"},
        StoredCase{"GeometryNegative", "[tdogform]\ntop=-20\n", dogFormTop, "-20"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(PreferencesTest, CatalogSettingsAndGeometryRoundTripPerSection)
{
    Preferences preferences(root());
    CatalogPrintSettings booklet;
    booklet.clubName = 2;
    booklet.classBreaks = true;
    booklet.catBreak = false;
    booklet.entryLines = 0;
    booklet.caps = true;
    ASSERT_TRUE(preferences.setCatalogPrintSettings(CatalogLayout::Booklet, booklet));
    ASSERT_TRUE(preferences.setWindowGeometry("TMainForm", {10, 20, 300, 400}));

    EXPECT_EQ(preferences.catalogPrintSettings(CatalogLayout::Booklet), booklet);
    EXPECT_EQ(preferences.catalogPrintSettings(CatalogLayout::FullPage), CatalogPrintSettings{});
    EXPECT_EQ(preferences.windowGeometry("TMainForm"), (WindowGeometrySettings{10, 20, 300, 400}));
    EXPECT_EQ(preferences.windowGeometry("TDogForm"), WindowGeometrySettings{});
}

TEST_F(PreferencesTest, EveryReadSeesTheLatestFile)
{
    const Preferences reader(root());
    Preferences writer(root());
    EXPECT_EQ(reader.lastShow(), "Unknown");
    ASSERT_TRUE(writer.setLastShow("12"));
    EXPECT_EQ(reader.lastShow(), "12");
    store("[LastShow]\nLastShow=13\n");
    EXPECT_EQ(reader.lastShow(), "13");
}

TEST_F(PreferencesTest, DefaultsValuesShowTheSlipDefaultForAnUnsetCommentLine)
{
    EXPECT_EQ(readDefaultsValues(Preferences(root())).slipComment,
              DefaultsValues::kDefaultSlipComment);
    store("[Preferences]\nLine1=Unknown\n");
    EXPECT_EQ(readDefaultsValues(Preferences(root())).slipComment,
              DefaultsValues::kDefaultSlipComment);
    store("[Preferences]\nLine1=\n");
    EXPECT_EQ(readDefaultsValues(Preferences(root())).slipComment, QString());
}

TEST_F(PreferencesTest, WritingDefaultsValuesWritesEveryKeyAndKeepsTheRest)
{
    store("[LastShow]\nLastOpenedShow=C:\\shows\\show00012.dbf\n[Preferences]\nCustom=kept\n");
    Preferences preferences(root());
    DefaultsValues values = readDefaultsValues(preferences);
    values.clubName = "Hills Obedience Club";
    values.secretary = {"Ann Lee", "1 Main St", "Dale", "OH", "44101", "555-123-4567", "a@b.org"};
    values.enterAsTab = false;
    values.autoCaps = false;
    values.armbandCreation = ArmbandCreation::Manual;
    values.armbandDigits = 5;
    values.armbandStart = "201";
    values.slipComment = QString("Thank you\nsecond line") + QString(200, 'x');
    ASSERT_TRUE(writeDefaultsValues(preferences, values));

    const DefaultsValues back = readDefaultsValues(preferences);
    EXPECT_EQ(back.clubName, "Hills Obedience Club");
    EXPECT_EQ(back.secretary.name, "Ann Lee");
    EXPECT_EQ(back.secretary.address, "1 Main St");
    EXPECT_EQ(back.secretary.city, "Dale");
    EXPECT_EQ(back.secretary.state, "OH");
    EXPECT_EQ(back.secretary.zip, "44101");
    EXPECT_EQ(back.secretary.phone, "555-123-4567");
    EXPECT_EQ(back.secretary.email, "a@b.org");
    EXPECT_FALSE(back.enterAsTab);
    EXPECT_TRUE(back.pgdnAsSave);
    EXPECT_FALSE(back.autoCaps);
    EXPECT_EQ(back.armbandCreation, ArmbandCreation::Manual);
    EXPECT_EQ(back.armbandDigits, 5);
    EXPECT_EQ(back.armbandStart, "201");
    EXPECT_EQ(back.slipComment, "Thank you");
    EXPECT_EQ(preferences.lastOpenedShow(), "C:\\shows\\show00012.dbf");
    EXPECT_EQ(preferences.readText({"Preferences", "Custom"}, {}), "kept");

    // Written as the file's readers elsewhere expect them: booleans as 1 and 0,
    // the armband choice as its full word.
    EXPECT_EQ(preferences.readText(PreferenceKeys::pgdnAsSave, {}), "1");
    EXPECT_EQ(preferences.readText(PreferenceKeys::autoCaps, {}), "0");
    EXPECT_EQ(preferences.readText(PreferenceKeys::armbands, {}), "Manual");
}

TEST_F(PreferencesTest, SlipCommentIsCutToTheSlipsWidth)
{
    Preferences preferences(root());
    DefaultsValues values = readDefaultsValues(preferences);
    values.slipComment = QString(200, 'x');
    ASSERT_TRUE(writeDefaultsValues(preferences, values));
    EXPECT_EQ(preferences.slipCommentLine().size(), DefaultsValues::kSlipCommentMaxLength);
}

TEST_F(PreferencesTest, SessionCopiesFollowTheLastReading)
{
    Preferences preferences(root());
    SessionSettings session;
    session.keyboard = {false, false, false, false};
    session.armbands = {ArmbandCreation::Manual, 5};

    session.reload(preferences);
    EXPECT_TRUE(session.keyboard.mainEnterAsTab);
    EXPECT_TRUE(session.keyboard.enterAsTab);
    EXPECT_TRUE(session.keyboard.pgdnAsSave);
    EXPECT_TRUE(session.keyboard.autoCaps);
    EXPECT_EQ(session.armbands.creation, ArmbandCreation::AfterAutomatic);
    EXPECT_EQ(session.armbands.digits, 3);

    // The owner dialog reads with false as default and leaves the main window's copy alone.
    session.reloadKeyboard(preferences, false);
    EXPECT_TRUE(session.keyboard.mainEnterAsTab);
    EXPECT_FALSE(session.keyboard.enterAsTab);
    EXPECT_FALSE(session.keyboard.pgdnAsSave);
    EXPECT_FALSE(session.keyboard.autoCaps);

    // The return address labels window reads into the main window's copy.
    session.reloadMainEnterAsTab(preferences, false);
    EXPECT_FALSE(session.keyboard.mainEnterAsTab);

    store("[Preferences]\nEnterAsTab=1\nArmbands=InputAutomatic\nDigits=4\n");
    session.reload(preferences);
    EXPECT_TRUE(session.keyboard.mainEnterAsTab);
    EXPECT_EQ(session.armbands.creation, ArmbandCreation::InputAutomatic);
    EXPECT_EQ(session.armbands.digits, 4);
}

} // namespace
