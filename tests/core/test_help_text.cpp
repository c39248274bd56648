#include "DataRootFixture.h"

#include "storage/ShippedData.h"
#include "ui/HelpText.h"

#include <QFile>
#include <QTextDocument>

#include <gtest/gtest.h>

// Reading the help folder's texts for the help viewer.

namespace
{

std::string s(const QString& text)
{
    return text.toStdString();
}

void write(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    file.write(bytes);
}

} // namespace

TEST(HelpText, EveryShippedTextReadsAsText)
{
    DataRootFixture fixture;
    for (const QString& name : ShippedData::helpFiles()) {
        SCOPED_TRACE(s(name));
        QTextDocument document;
        ASSERT_TRUE(HelpText::read(fixture.data().root(), name, document).ok());
        const QString text = document.toPlainText();
        EXPECT_GT(text.size(), 400) << "a help text says something";
        EXPECT_FALSE(text.contains(u'\\') || text.contains(u'{') || text.contains("fonttbl"))
            << "no rich-text code shows: " << s(text.left(200));
    }
}

// A plain text is UTF-8, or Windows-1252 as the secretary's own editor on
// Windows wrote it; the name is found whatever its case.
TEST(HelpText, PlainTextsInEitherEncodingAndAnyCase)
{
    DataRootFixture fixture;
    const QString folder = fixture.root() + "/help/";
    QFile::remove(folder + "NurNewSec.txt");
    write(folder + "nurnewsec.TXT", "Caf\xe9 for the new secretary\r\nline two");
    QTextDocument document;
    ASSERT_TRUE(HelpText::read(fixture.data().root(), HelpText::newSecretary, document).ok());
    EXPECT_EQ(s(document.toPlainText()), "Café for the new secretary\nline two");

    write(folder + "~nur26Notes.txt", "Caf\xc3\xa9 2.6");
    ASSERT_TRUE(HelpText::read(fixture.data().root(), HelpText::versionHistory, document).ok());
    EXPECT_EQ(s(document.toPlainText()), "Café 2.6");

    QFile::remove(folder + "classkeys.rtf");
    document.setPlainText("before");
    const Done missing = HelpText::read(fixture.data().root(), HelpText::classKeys, document);
    ASSERT_FALSE(missing.ok());
    EXPECT_EQ(s(missing.message()), "The help file " + s(folder) +
                                        "classkeys.rtf is missing.;It belongs in the help folder "
                                        "of the data folder " +
                                        s(fixture.root()) + ".");
    EXPECT_EQ(s(document.toPlainText()), "before");
}
