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

// The day's ordinal suffix: "st", "nd" and "rd" after 1, 2 and 3 unless the
// day is 11 to 13; "th" after every other day. No date gives no text.
TEST(TextRules, FullDateTextGivesEachDayItsOrdinal)
{
    const struct {
        int day;
        const char* text;
    } cases[] = {{1, "Sunday, August 1st, 2027"},      {2, "Monday, August 2nd, 2027"},
                 {3, "Tuesday, August 3rd, 2027"},     {4, "Wednesday, August 4th, 2027"},
                 {11, "Wednesday, August 11th, 2027"}, {12, "Thursday, August 12th, 2027"},
                 {13, "Friday, August 13th, 2027"},    {21, "Saturday, August 21st, 2027"},
                 {22, "Sunday, August 22nd, 2027"},    {23, "Monday, August 23rd, 2027"},
                 {24, "Tuesday, August 24th, 2027"},   {30, "Monday, August 30th, 2027"},
                 {31, "Tuesday, August 31st, 2027"}};
    for (const auto& c : cases)
        EXPECT_EQ(FullDateText(QDate(2027, 8, c.day)).toStdString(), c.text);
    EXPECT_EQ(FullDateText(QDate()).toStdString(), "");
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
