#include "print/RichListing.h"
#include "print/RtfReader.h"
#include "print/RtfWriter.h"

#include <QTextBlock>
#include <QTextDocument>

#include <gtest/gtest.h>

namespace
{

QStringList paragraphs(const QTextDocument& document)
{
    QStringList texts;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        texts << block.text();
    return texts;
}

QTextCharFormat formatAt(const QTextDocument& document, int block, int position)
{
    const QTextBlock b = document.findBlockByNumber(block);
    for (auto it = b.begin(); !it.atEnd(); ++it) {
        const QTextFragment f = it.fragment();
        if (position >= f.position() - b.position() &&
            position < f.position() - b.position() + f.length())
            return f.charFormat();
    }
    return {};
}

TEST(RtfReader, ReadsTextFormatsAndEscapesAndSkipsWhatIsNotText)
{
    const QByteArray rtf =
        "{\\rtf1\\ansi\\deff0{\\fonttbl{\\f0\\fnil Arial;}{\\f1\\fmodern Courier New;}}"
        "{\\colortbl;\\red255\\green0\\blue0;}{\\*\\generator Some Writer;}"
        "\\pard\\fs32\\b How to start a show\\b0\\par\n"
        "\\fs20 Caf\\'e9 {\\i one}\\tab two\\line three \\{x\\}\\par\n"
        "\\f1 Zo\\u235?\\par}";
    QTextDocument document;
    RtfReader::read(rtf, document);
    EXPECT_EQ(paragraphs(document),
              QStringList({"How to start a show", QString::fromUtf8("Café one\ttwo\u2028three {x}"),
                           QString::fromUtf8("Zoë"), ""}));
    EXPECT_EQ(formatAt(document, 0, 0).fontWeight(), QFont::Bold);
    EXPECT_EQ(formatAt(document, 0, 0).fontPointSize(), 16);
    EXPECT_TRUE(formatAt(document, 1, 5).fontItalic());
    EXPECT_FALSE(formatAt(document, 1, 0).fontItalic());
    EXPECT_EQ(formatAt(document, 2, 0).fontFamilies().toStringList(), QStringList{"Courier New"});
}

// What our own listings write, the help viewer reads back.
TEST(RtfReader, ReadsWhatTheWriterWrites)
{
    RichListing listing;
    listing.setFont("Arial", 10);
    listing.setBold(true);
    listing.addLine("Heading");
    listing.setBold(false);
    listing.addLine("Name\tAddress {and} more");
    QTextDocument document;
    RtfReader::read(RtfWriter::toRtf(listing.document(), QPageLayout::Portrait), document);
    EXPECT_EQ(paragraphs(document).mid(0, 2), QStringList({"Heading", "Name\tAddress {and} more"}));
}

TEST(RtfReader, TakesPlainTextAsItIs)
{
    QTextDocument document;
    RtfReader::read("Version 2.6\nFirst release.\n", document);
    EXPECT_EQ(document.toPlainText(), "Version 2.6\nFirst release.\n");
}

} // namespace
