#include "entry/FieldListChoice.h"

#include <algorithm>

namespace
{

FieldListChoice::Side other(FieldListChoice::Side side)
{
    return side == FieldListChoice::Side::Displayed ? FieldListChoice::Side::Hidden
                                                    : FieldListChoice::Side::Displayed;
}

} // namespace

FieldListChoice::FieldListChoice(QStringList displayed, QStringList hidden)
    : displayed_(std::move(displayed)), hidden_(std::move(hidden))
{
}

const QStringList& FieldListChoice::items(Side side) const
{
    return side == Side::Displayed ? displayed_ : hidden_;
}

QStringList& FieldListChoice::list(Side side)
{
    return side == Side::Displayed ? displayed_ : hidden_;
}

QList<int> FieldListChoice::selection(Side side) const
{
    return side == Side::Displayed ? displayedSelection_ : hiddenSelection_;
}

QList<int>& FieldListChoice::selected(Side side)
{
    return side == Side::Displayed ? displayedSelection_ : hiddenSelection_;
}

void FieldListChoice::setSelection(Side side, QList<int> rows)
{
    const qsizetype count = items(side).size();
    rows.removeIf([count](int row) { return row < 0 || row >= count; });
    std::ranges::sort(rows);
    rows.erase(std::unique(rows.begin(), rows.end()), rows.end());
    selected(side) = std::move(rows);
}

void FieldListChoice::selectOnly(Side side, int row)
{
    const int last = int(items(side).size()) - 1;
    selected(side).clear();
    if (last >= 0)
        selected(side) << std::clamp(row, 0, last);
}

void FieldListChoice::moveSelected(Side from)
{
    QStringList& source = list(from);
    QStringList& target = list(other(from));
    const QList<int> rows = selected(from);
    for (auto row = rows.crbegin(); row != rows.crend(); ++row)
        target << source.takeAt(*row);
    selectOnly(from, rows.isEmpty() ? 0 : rows.front());
    focus_ = from;
}

void FieldListChoice::moveAll(Side from)
{
    list(other(from)) << list(from);
    list(from).clear();
    selected(from).clear();
    focus_ = from;
}

void FieldListChoice::drop(int from, std::optional<int> onto)
{
    const int count = int(displayed_.size());
    if (count < 2 || from < 0 || from >= count)
        return;
    const int to = onto && *onto >= 0 && *onto < count ? *onto : count - 1;
    displayed_.move(from, to);
    selectOnly(Side::Displayed, to);
}
