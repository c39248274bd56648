#include "trialday/ArmbandRanges.h"

namespace
{

std::optional<int> wholeNumber(const QString& armband)
{
    if (armband.isEmpty())
        return std::nullopt;
    for (QChar c : armband) {
        if (!c.isDigit())
            return std::nullopt;
    }
    bool ok = false;
    const int number = armband.toInt(&ok);
    return ok ? std::optional(number) : std::nullopt;
}

} // namespace

void ArmbandRanges::add(const QString& armband)
{
    const QString trimmed = armband.trimmed();
    const std::optional<int> number = wholeNumber(trimmed);
    if (count_ == 0) {
        list_ = trimmed;
    } else if (number && lastNumber_ && *number == *lastNumber_ + 1) {
        if (!rangeOpen_)
            list_ += u'-';
        rangeOpen_ = true;
    } else {
        list_ = text() + QStringLiteral(", ") + trimmed;
        rangeOpen_ = false;
    }
    ++count_;
    last_ = trimmed;
    lastNumber_ = number;
}

QString ArmbandRanges::text() const
{
    return rangeOpen_ ? list_ + last_ : list_;
}
