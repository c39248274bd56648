#include "TextRules.h"

#include <QLocale>

#include <algorithm>

namespace TextRules
{

int TextToInt(const QString& text, int minimum, int maximum)
{
    QString t = text.trimmed();
    if (t.startsWith(u'+'))
        t.remove(0, 1);
    t.remove(u'$');
    const bool pointIsDecimal = QLocale().decimalPoint() == QStringLiteral(".");
    t.remove(pointIsDecimal ? u',' : u'.');
    const qsizetype blank = t.indexOf(u' ');
    if (blank >= 0)
        t.truncate(blank);
    const auto stop =
        std::find_if(t.cbegin(), t.cend(), [](QChar c) { return !c.isDigit() && c != u'-'; });
    t.truncate(stop - t.cbegin());
    bool ok = false;
    const qlonglong value = t.toLongLong(&ok);
    if (!ok)
        return 0;
    return static_cast<int>(std::clamp<qlonglong>(value, minimum, maximum));
}

int IdToInt(const QString& text)
{
    return TextToInt(text, 0, kLargestId);
}

QString ZeroPad(int number, int width)
{
    return QString::number(number).rightJustified(width, u' ').replace(u' ', u'0');
}

QString RightAligned(qint64 number, int width)
{
    return QString::number(number).rightJustified(width, u' ');
}

QString DoubleAmpersands(const QString& text)
{
    QString result = text;
    return result.replace(QStringLiteral(" & "), QStringLiteral(" && "));
}

// When the text is shorter than the width it stays whole. Otherwise the search
// for a break character (blank, comma, hyphen, period) runs back from the
// width; the first part ends with it, a second break character right after it
// is dropped, and the rest follows. Without one the text splits at the width.
std::pair<QString, QString> SplitAtBreak(const QString& text, int width)
{
    if (text.size() < width || width <= 0)
        return {text, {}};
    const auto isBreak = [](QChar c) { return c == u' ' || c == u',' || c == u'-' || c == u'.'; };
    for (qsizetype i = std::min<qsizetype>(width, text.size()) - 1; i >= 0; --i) {
        if (isBreak(text.at(i))) {
            qsizetype rest = i + 1;
            if (rest < text.size() && isBreak(text.at(rest)))
                ++rest;
            return {text.left(i + 1), text.mid(rest)};
        }
    }
    return {text.left(width), text.mid(width)};
}

double TimeToSeconds(const QString& text)
{
    const QString t = text.trimmed();
    const QStringList parts = t.split(u'.');
    if (parts.size() >= 3) {
        const double minutes = parts.at(0).toDouble();
        const double seconds = parts.at(1).toDouble();
        const double hundredths = QStringLiteral("0.%1").arg(parts.at(2)).toDouble();
        return minutes * 60 + seconds + hundredths;
    }
    if (parts.size() == 2)
        return t.toDouble();
    return t.isEmpty() ? 0 : QStringLiteral("0.%1").arg(t).toDouble();
}

QString LongDateText(const QDate& date)
{
    return QLocale(QLocale::English).toString(date, QStringLiteral("MMMM d, yyyy"));
}

QString FullDateText(const QDate& date)
{
    if (!date.isValid())
        return {};
    const int day = date.day();
    const QString suffix = (day % 100 >= 11 && day % 100 <= 13) ? QStringLiteral("th")
                           : day % 10 == 1                      ? QStringLiteral("st")
                           : day % 10 == 2                      ? QStringLiteral("nd")
                           : day % 10 == 3                      ? QStringLiteral("rd")
                                                                : QStringLiteral("th");
    const QLocale english(QLocale::English);
    return english.toString(date, QStringLiteral("dddd, MMMM ")) + QString::number(day) + suffix +
           english.toString(date, QStringLiteral(", yyyy"));
}

} // namespace TextRules
