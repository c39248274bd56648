#include "print/RtfWriter.h"

#include <QIODevice>
#include <QStringList>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

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

void appendRun(QByteArray& out, const QTextCharFormat& format, const QString& text,
               const QStringList& fonts, const QFont& fallback)
{
    out += "{\\f" + QByteArray::number(fonts.indexOf(familyOf(format, fallback)));
    out += "\\fs" + QByteArray::number(std::lround(pointsOf(format, fallback) * 2));
    if (format.fontWeight() >= QFont::Bold)
        out += "\\b";
    out += " ";
    appendEscaped(out, text);
    out += "}";
}

// The text of one paragraph: its runs, each with its font, size and weight.
// An empty one keeps its font, so an empty table cell is as tall as the
// others of its row.
void appendRuns(QByteArray& out, const QTextBlock& block, const QStringList& fonts,
                const QFont& fallback)
{
    if (block.begin().atEnd() && block.charFormat().hasProperty(QTextFormat::FontPointSize))
        appendRun(out, block.charFormat(), {}, fonts, fallback);
    for (auto it = block.begin(); !it.atEnd(); ++it)
        appendRun(out, it.fragment().charFormat(), it.fragment().text(), fonts, fallback);
}

// A paragraph's indents: \li for its lines, \fi for its first line's
// difference from them (negative for a hanging indent).
void appendIndents(QByteArray& out, const QTextBlock& block)
{
    const QTextBlockFormat format = block.blockFormat();
    if (format.leftMargin() != 0)
        out += "\\li" + QByteArray::number(twipsFromDocumentUnits(format.leftMargin()));
    if (format.textIndent() != 0)
        out += "\\fi" + QByteArray::number(twipsFromDocumentUnits(format.textIndent()));
}

void appendTabStops(QByteArray& out, const QTextBlock& block)
{
    for (const QTextOption::Tab& tab : block.blockFormat().tabPositions())
        out += "\\tx" + QByteArray::number(twipsFromDocumentUnits(tab.position));
}

// A table row by row, the columns at the widths the listing gave them (a
// share of the text width); the heading rows repeat on every page.
void appendTable(QByteArray& out, const QTextTable& table, int textWidthTwips,
                 const QStringList& fonts, const QFont& fallback)
{
    const QTextTableFormat format = table.format();
    const QList<QTextLength> widths = format.columnWidthConstraints();
    QByteArray row = "\\trowd\\trgaph30";
    double right = 0;
    for (int column = 0; column < table.columns(); ++column) {
        const QTextLength width = widths.value(column);
        right += width.type() == QTextLength::PercentageLength
                     ? width.rawValue() / 100 * textWidthTwips
                     : double(textWidthTwips) / table.columns();
        row += "\\cellx" + QByteArray::number(std::lround(right));
    }
    for (int r = 0; r < table.rows(); ++r) {
        out += row;
        if (r < format.headerRowCount())
            out += "\\trhdr";
        out += "\n";
        for (int column = 0; column < table.columns(); ++column) {
            const QTextTableCell cell = table.cellAt(r, column);
            out += "\\pard\\intbl ";
            for (QTextFrame::iterator it = cell.begin(); !it.atEnd(); ++it) {
                if (it != cell.begin())
                    out += "\\par ";
                appendRuns(out, it.currentBlock(), fonts, fallback);
            }
            out += "\\cell\n";
        }
        out += "\\row\n";
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

    const int textWidth = twipsFromMillimetres((landscape ? 279.4 : 215.9) - 25 - 15);
    bool first = true;
    for (QTextFrame::iterator it = text.rootFrame()->begin(); !it.atEnd(); ++it) {
        if (const auto* table = qobject_cast<const QTextTable*>(it.currentFrame())) {
            if (!first)
                out += "\\par\n";
            appendTable(out, *table, textWidth, fonts, fallback);
            first = true;
            continue;
        }
        const QTextBlock block = it.currentBlock();
        // Paragraphs are separated, not ended: the last one has no \\par.
        if (!first)
            out += "\\par\n";
        first = false;
        out += "\\pard";
        appendIndents(out, block);
        appendTabStops(out, block);
        out += " ";
        appendRuns(out, block, fonts, fallback);
    }
    out += "\n";
    out += "}\n";
    return out;
}
