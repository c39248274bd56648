#pragma once

#include <QDate>
#include <QString>

#include <utility>

// The number and text rules shared by every part of the program.
namespace TextRules
{

// The range of the desktop program's integers, and the wider one in which
// owner IDs, judge numbers and show numbers are read (five digits).
inline constexpr int kSmallestInt = -32768;
inline constexpr int kLargestInt = 32767;
inline constexpr int kLargestId = 99999;

// Reads a number typed or stored as text: a leading "+" and every "$" are
// dropped, and so is the locale's thousands separator (the comma where the
// decimal separator is a point, else the point); the text is cut at its first
// blank and before the first character that is neither a digit nor "-"; an
// empty remainder (or one that is no number) gives 0; the value is limited to
// [minimum, maximum].
int TextToInt(const QString& text, int minimum = kSmallestInt, int maximum = kLargestInt);
// TextToInt over the range of owner IDs, judge numbers and show numbers.
int IdToInt(const QString& text);

// The number right-aligned in `width` with leading zeros (12, 5 gives "00012").
QString ZeroPad(int number, int width);
// The number right-aligned in `width` with leading blanks.
QString RightAligned(qint64 number, int width);

// Every " & " becomes " && ", so a caption shows the ampersand.
QString DoubleAmpersands(const QString& text);

// Splits a text to fit `width`: see the definition for the break rule.
std::pair<QString, QString> SplitAtBreak(const QString& text, int width);

// Run time text to seconds: "1.05.30" (minutes.seconds.hundredths) gives
// 65.30, "45.20" gives 45.20, "30" gives 0.30.
double TimeToSeconds(const QString& text);

// "October 14, 2006", English whatever the machine's locale.
QString LongDateText(const QDate& date);
// "Saturday, March 5th, 2005"; empty for no date.
QString FullDateText(const QDate& date);

} // namespace TextRules
