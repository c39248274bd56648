#include "storage/IniFile.h"

#include "TempDir.h"

#include <QFile>
#include <gtest/gtest.h>

namespace
{

class IniFileTest : public ::testing::Test
{
protected:
    QString path() const { return QString::fromStdString((dir / "gendefs.ini").string()); }

    void store(const QByteArray& bytes) const
    {
        QFile file(path());
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    QByteArray stored() const
    {
        QFile file(path());
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }

    TempDir dir;
};

TEST_F(IniFileTest, MissingFileSectionOrKeyReadsAsNothing)
{
    IniFile ini(path());
    EXPECT_FALSE(ini.read("ClubInfo", "ClubName"));

    store("; ClubName=Commented\n[ClubInfo]\nName=Hills\n[Other]\nClubName=Elsewhere\n");
    EXPECT_FALSE(ini.read("ClubInfo", "ClubName"));
    EXPECT_FALSE(ini.read("Missing", "Name"));
}

TEST_F(IniFileTest, SectionsAndKeysMatchWithoutRegardToCase)
{
    store("[clubinfo]\n  CLUBNAME = Hills Obedience Club  \n[SECRETARYINFO]\nname=Ann\n");
    IniFile ini(path());
    EXPECT_EQ(ini.read("ClubInfo", "ClubName"), QString("Hills Obedience Club"));
    EXPECT_EQ(ini.read("SecretaryInfo", "Name"), QString("Ann"));
}

TEST_F(IniFileTest, WindowsPathIsWrittenAndReadVerbatim)
{
    const QString showFile = R"(C:\Ringvale\shows\show00012.dbf)";
    IniFile ini(path());
    ASSERT_TRUE(ini.write("LastShow", "LastOpenedShow", showFile));
    EXPECT_EQ(stored(),
              QByteArray("[LastShow]\nLastOpenedShow=C:\\Ringvale\\shows\\show00012.dbf\n"));
    EXPECT_EQ(ini.read("LastShow", "LastOpenedShow"), showFile);
}

struct EncodingCase {
    const char* name;
    QByteArray bytes;
    QString expected;
};

class IniFileEncoding : public IniFileTest, public ::testing::WithParamInterface<EncodingCase>
{
};

TEST_P(IniFileEncoding, DecodesUtf8OrElseWindows1252)
{
    store("[SecretaryInfo]\nName=" + GetParam().bytes + "\n");
    EXPECT_EQ(IniFile(path()).read("SecretaryInfo", "Name"), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Bytes, IniFileEncoding,
    ::testing::Values(EncodingCase{"Utf8", "Zo\xC3\xAB", QString::fromUtf8("Zo\xC3\xAB")},
                      EncodingCase{"Windows1252", "Zo\xEB", QString::fromUtf8("Zo\xC3\xAB")},
                      EncodingCase{"Windows1252Euro", "\x80 5",
                                   QString::fromUtf8("\xE2\x82\xAC 5")},
                      EncodingCase{"Windows1252Quotes", "\x93Hi\x94",
                                   QString::fromUtf8("\xE2\x80\x9CHi\xE2\x80\x9D")}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(IniFileTest, ByteOrderMarkIsSkippedAndNeverWritten)
{
    store("\xEF\xBB\xBF[ClubInfo]\nClubName=Hills\n");
    IniFile ini(path());
    EXPECT_EQ(ini.read("ClubInfo", "ClubName"), QString("Hills"));
    ASSERT_TRUE(ini.write("ClubInfo", "ClubName", "Dales"));
    EXPECT_EQ(stored(), QByteArray("[ClubInfo]\nClubName=Dales\n"));
}

TEST_F(IniFileTest, Windows1252FileIsRewrittenAsUtf8)
{
    store("[SecretaryInfo]\r\nName=Zo\xEB\r\n");
    IniFile ini(path());
    ASSERT_TRUE(ini.write("SecretaryInfo", "City", "Caf\xC3\xA9"));
    EXPECT_EQ(stored(), QByteArray("[SecretaryInfo]\r\nName=Zo\xC3\xAB\r\nCity=Caf\xC3\xA9\r\n"));
}

TEST_F(IniFileTest, WritingKeepsEveryOtherLineInPlace)
{
    store("; settings of the secretary's office\r\n"
          "[ClubInfo]\r\n"
          "ClubName=Hills\r\n"
          "Motto=Sit!\r\n"
          "\r\n"
          "[Preferences]\r\n"
          "enterastab=1\r\n"
          "# kept by hand\r\n"
          "\r\n"
          "[TMainForm]\r\n"
          "Top=10\r\n");
    IniFile ini(path());
    ASSERT_TRUE(ini.writeMany({{"PREFERENCES", "EnterAsTab", "0"},
                               {"ClubInfo", "Line2", "new key"},
                               {"Preferences", "Digits", "4"},
                               {"LastShow", "LastShow", "12"}}));
    EXPECT_EQ(stored(), QByteArray("; settings of the secretary's office\r\n"
                                   "[ClubInfo]\r\n"
                                   "ClubName=Hills\r\n"
                                   "Motto=Sit!\r\n"
                                   "Line2=new key\r\n"
                                   "\r\n"
                                   "[Preferences]\r\n"
                                   "enterastab=0\r\n"
                                   "# kept by hand\r\n"
                                   "Digits=4\r\n"
                                   "\r\n"
                                   "[TMainForm]\r\n"
                                   "Top=10\r\n"
                                   "[LastShow]\r\n"
                                   "LastShow=12\r\n"));
}

TEST_F(IniFileTest, FirstOfRepeatedKeysIsTheOneReadAndWritten)
{
    store("[A]\nKey=first\n[a]\nkey=second\nOther=x\n");
    IniFile ini(path());
    EXPECT_EQ(ini.read("A", "Key"), QString("first"));
    EXPECT_EQ(ini.read("A", "Other"), QString("x"));
    ASSERT_TRUE(ini.write("a", "KEY", "changed"));
    EXPECT_EQ(stored(), QByteArray("[A]\nKey=changed\n[a]\nkey=second\nOther=x\n"));
}

TEST_F(IniFileTest, LineBreakInValueCannotAddKeys)
{
    IniFile ini(path());
    ASSERT_TRUE(ini.write("Preferences", "Line1", "Thanks\r\nDigits=5"));
    EXPECT_EQ(ini.read("Preferences", "Line1"), QString("Thanks  Digits=5"));
    EXPECT_FALSE(ini.read("Preferences", "Digits"));
}

TEST_F(IniFileTest, FailedWriteSaysWhichFile)
{
    const QString missingFolder = QString::fromStdString((dir / "no-such-folder").string());
    IniFile ini(missingFolder + "/gendefs.ini");
    EXPECT_FALSE(ini.write("ClubInfo", "ClubName", "Hills"));
    EXPECT_TRUE(ini.errorString().contains("gendefs.ini")) << ini.errorString().toStdString();
}

} // namespace
