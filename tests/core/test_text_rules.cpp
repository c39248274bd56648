#include "storage/TextRules.h"

#include <QLocale>

#include <gtest/gtest.h>

using namespace TextRules;

TEST(TextRules, TextToIntFollowsTheDesktopRule)
{
    QLocale::setDefault(QLocale(QLocale::English, QLocale::UnitedStates));
    const struct {
        const char* text;
        int value;
    } cases[] = {{"17", 17}, {"+42", 42}, {"$1,234", 1234}, {"  12 34", 12},  {"12abc", 12},
                 {"abc", 0}, {"", 0},     {"-5", -5},       {"99999", 32767}, {"-40000", -32768}};
    for (const auto& c : cases)
        EXPECT_EQ(TextToInt(c.text), c.value) << c.text;
    EXPECT_EQ(IdToInt("40000"), 40000);
    EXPECT_EQ(IdToInt("123456"), 99999);
    QLocale::setDefault(QLocale(QLocale::German));
    EXPECT_EQ(TextToInt("1.234"), 1234) << "the point is the thousands separator there";
    QLocale::setDefault(QLocale::c());
}

TEST(TextRules, PaddingAndAmpersands)
{
    EXPECT_EQ(ZeroPad(12, 5).toStdString(), "00012");
    EXPECT_EQ(RightAligned(7, 5).toStdString(), "    7");
    EXPECT_EQ(DoubleAmpersands("Brace & Team").toStdString(), "Brace && Team");
}

TEST(TextRules, SplitAtBreak)
{
    const struct {
        const char* text;
        int width;
        const char* first;
        const char* rest;
    } cases[] = {{"Short", 10, "Short", ""},
                 {"Border Collie Rescue", 10, "Border ", "Collie Rescue"},
                 {"Smith, Jones", 6, "Smith,", "Jones"},
                 {"ABCDEFGHIJKL", 5, "ABCDE", "FGHIJKL"}};
    for (const auto& c : cases) {
        const auto [first, rest] = SplitAtBreak(c.text, c.width);
        EXPECT_EQ(first.toStdString(), c.first) << c.text;
        EXPECT_EQ(rest.toStdString(), c.rest) << c.text;
    }
}

TEST(TextRules, TimeToSeconds)
{
    EXPECT_NEAR(TimeToSeconds("1.05.30"), 65.30, 1e-9);
    EXPECT_NEAR(TimeToSeconds("45.20"), 45.20, 1e-9);
    EXPECT_NEAR(TimeToSeconds("30"), 0.30, 1e-9);
}

TEST(TextRules, DatesAreEnglishWhateverTheLocale)
{
    QLocale::setDefault(QLocale(QLocale::French));
    EXPECT_EQ(LongDateText(QDate(2006, 10, 14)).toStdString(), "October 14, 2006");
    EXPECT_EQ(FullDateText(QDate(2005, 3, 5)).toStdString(), "Saturday, March 5th, 2005");
    EXPECT_EQ(FullDateText(QDate(2005, 3, 12)).toStdString(), "Saturday, March 12th, 2005");
    EXPECT_EQ(FullDateText(QDate(2005, 3, 22)).toStdString(), "Tuesday, March 22nd, 2005");
    QLocale::setDefault(QLocale::c());
}
