#pragma once

#include <QString>

#include <optional>

// The armbands of one class as the judging schedule gives them: runs of
// consecutive numbers as ranges, the rest one by one, "101-103, 105,
// 107-108", with their count. Armbands come in the order the class lists
// them. One that is not a whole number ("8 01", typed by hand) stands on its
// own and joins no range.
class ArmbandRanges
{
public:
    void add(const QString& armband);

    int count() const { return count_; }
    // The list so far, the open range closed.
    QString text() const;
    // "Nos. " and the list.
    QString numbersLine() const { return QStringLiteral("Nos. ") + text(); }
    // "6 Entries" (no singular).
    QString countText() const { return QString::number(count_) + QStringLiteral(" Entries"); }

private:
    QString list_;
    QString last_; // the last armband added, trimmed
    std::optional<int> lastNumber_;
    bool rangeOpen_ = false;
    int count_ = 0;
};
