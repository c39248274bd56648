#include "print/RtfWriter.h"

#include "print/OutputFile.h"

#include <QIODevice>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>

#include <cmath>

namespace
{

// RTF measures in twips, 1/1440 inch.
int twipsFromMillimetres(double mm)
{
    return int(std::lround(mm * 1440 / 25.4));
}
int twipsFromDocumentUnits(double units)
{
    return int(std::lround(units * 15));
}

QString familyOf(const QTextCharFormat& format, const QFont& fallback)
{
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty() && !families.first().isEmpty())
        return families.first();
    return fallback.family();
}

double pointsOf(const QTextCharFormat& format, const QFont& fallback)
{
    return format.hasProperty(QTextFormat::FontPointSize) ? format.fontPointSize()
                                                          : fallback.pointSizeF();
}

// Plain ASCII as it is; the RTF specials escaped; Latin-1 as Windows-1252
// hex escapes (the two agree from 0xA0 up); everything else as Unicode with
// "?" for readers that know no Unicode.
void appendEscaped(QByteArray& out, const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == '\\' || u == '{' || u == '}') {
            out += '\\';
            out += char(u);
        } else if (u == '\t') {
            out += "\\tab ";
        } else if (u == QChar::LineSeparator || u == '\n') {
            out += "\\line ";
        } else if (u >= 0x20 && u < 0x80) {
            out += char(u);
        } else if (u >= 0xA0 && u <= 0xFF) {
            out += "\\'" + QByteArray::number(int(u), 16).rightJustified(2, '0');
        } else if (u >= 0x80) {
            out += "\\u" + QByteArray::number(int(qint16(u))) + "?";
        }
    }
}

} // namespace

QByteArray RtfWriter::toRtf(const QTextDocument& text, QPageLayout::Orientation orientation)
{
    const QFont fallback = text.defaultFont();
    QStringList fonts{fallback.family()};
    for (QTextBlock block = text.begin(); block.isValid(); block = block.next())
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QString family = familyOf(it.fragment().charFormat(), fallback);
            if (!fonts.contains(family))
                fonts.append(family);
        }

    QByteArray out = "{\\rtf1\\ansi\\ansicpg1252\\deff0\\uc1\n{\\fonttbl";
    for (qsizetype i = 0; i < fonts.size(); ++i) {
        out += "{\\f" + QByteArray::number(i) + "\\fnil\\fcharset0 ";
        appendEscaped(out, fonts[i]);
        out += ";}";
    }
    out += "}\n";
    const bool landscape = orientation == QPageLayout::Landscape;
    const int letterShort = 12240;
    const int letterLong = 15840;
    out += landscape ? "\\landscape" : "";
    out += "\\paperw" + QByteArray::number(landscape ? letterLong : letterShort);
    out += "\\paperh" + QByteArray::number(landscape ? letterShort : letterLong);
    out += "\\margt" + QByteArray::number(twipsFromMillimetres(30));
    out += "\\margb" + QByteArray::number(twipsFromMillimetres(25));
    out += "\\margl" + QByteArray::number(twipsFromMillimetres(25));
    out += "\\margr" + QByteArray::number(twipsFromMillimetres(15));
    out += "\n";

    for (QTextBlock block = text.begin(); block.isValid(); block = block.next()) {
        out += "\\pard";
        for (const QTextOption::Tab& tab : block.blockFormat().tabPositions())
            out += "\\tx" + QByteArray::number(twipsFromDocumentUnits(tab.position));
        out += " ";
        for (auto it = block.begin(); !it.atEnd(); ++it) {
            const QTextCharFormat format = it.fragment().charFormat();
            out += "{\\f" + QByteArray::number(fonts.indexOf(familyOf(format, fallback)));
            out += "\\fs" + QByteArray::number(std::lround(pointsOf(format, fallback) * 2));
            if (format.fontWeight() >= QFont::Bold)
                out += "\\b";
            out += " ";
            appendEscaped(out, it.fragment().text());
            out += "}";
        }
        if (block.next().isValid())
            out += "\\par";
        out += "\n";
    }
    out += "}\n";
    return out;
}

Done RtfWriter::save(const QTextDocument& text, QPageLayout::Orientation orientation,
                     const QString& path)
{
    return OutputFile::write(path, [&](QIODevice& file) {
        if (file.write(toRtf(text, orientation)) < 0)
            return Done::failure("Cannot write " + path + ": " + file.errorString());
        return Done::success();
    });
}
