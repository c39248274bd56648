#include "dbf/Codepage437.h"

#include <gtest/gtest.h>

using namespace dbf;

TEST(Codepage437, RoundTripsAccentedNames)
{
    for (const std::string text : {"Zoë Müller", "Señor Ñandú", "Ça va", "plain ASCII 123"}) {
        const auto bytes = cp437::fromUtf8(text);
        ASSERT_TRUE(bytes.has_value()) << text;
        EXPECT_EQ(cp437::toUtf8(*bytes), text);
    }
    EXPECT_EQ(*cp437::fromUtf8("ë"), "\x89");
}

TEST(Codepage437, ReportsTheCharacterItCannotHold)
{
    std::string bad;
    EXPECT_FALSE(cp437::fromUtf8("Zoë €uro", &bad).has_value());
    EXPECT_EQ(bad, "€");
    EXPECT_FALSE(cp437::fromUtf8("\xff\xfe", &bad).has_value());
}

TEST(Codepage437, UpperCasesLettersWithAnUpperForm)
{
    EXPECT_EQ(cp437::upper('a'), 'A');
    EXPECT_EQ(cp437::upper(0x81), 0x9A); // ü -> Ü
    EXPECT_EQ(cp437::upper(0xA4), 0xA5); // ñ -> Ñ
    EXPECT_EQ(cp437::upper(0x83), 0x83); // â has no upper form in the code page
    EXPECT_EQ(cp437::upper('1'), '1');
}
