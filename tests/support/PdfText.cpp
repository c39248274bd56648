#include "PdfText.h"

#include "CliRun.h"

#include <QRegularExpression>

#include <gtest/gtest.h>

namespace
{

// pdftotext writes a word's text with XML entities.
QString unescaped(QString text)
{
    return text.replace("&apos;", "'")
        .replace("&quot;", "\"")
        .replace("&lt;", "<")
        .replace("&gt;", ">")
        .replace("&amp;", "&");
}

} // namespace

const PdfWord* PdfWords::find(const QString& text, int page) const
{
    for (const PdfWord& word : words)
        if (word.text == text && (page == 0 || word.page == page))
            return &word;
    return nullptr;
}

PdfWords pdfWords(const QString& pdf)
{
    const CliRun run = runProgram(QStringLiteral("pdftotext"), {"-bbox", pdf, "-"});
    EXPECT_EQ(run.exitCode, 0) << "pdftotext could not read " << pdf.toStdString() << ": "
                               << run.err.toStdString();
    static const QRegularExpression pattern(
        R"re(<page width="([\d.]+)" height="([\d.]+)">|<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re");
    PdfWords result;
    for (auto it = pattern.globalMatch(run.out); it.hasNext();) {
        const auto m = it.next();
        if (!m.captured(1).isEmpty()) {
            ++result.pages;
            result.pageSize = QSizeF(m.captured(1).toDouble(), m.captured(2).toDouble());
            continue;
        }
        result.words.push_back({unescaped(m.captured(7)), result.pages, m.captured(3).toDouble(),
                                m.captured(4).toDouble(), m.captured(5).toDouble(),
                                m.captured(6).toDouble()});
    }
    return result;
}

QString pdfText(const QString& pdf)
{
    const CliRun run = runProgram(QStringLiteral("pdftotext"), {"-layout", pdf, "-"});
    return run.exitCode == 0 ? run.out : QString();
}
