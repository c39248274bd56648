#include "ShowDatesClassBoxes.h"

#include "storage/ClassCodes.h"

#include "dbf/Error.h"

namespace ShowDatesClassBoxes
{

static_assert(ClassCodes::obedienceOfferedCodes.size() == kFirstRallyBox);
static_assert(ClassCodes::obedienceOfferedCodes.size() + ClassCodes::rallyOfferedCodes.size() ==
              kCount);

QStringView offeredCode(int box)
{
    if (box < 0 || box >= kCount)
        throw dbf::Error("class box " + std::to_string(box) + " out of range");
    return box < kFirstRallyBox ? ClassCodes::obedienceOfferedCodes[box]
                                : ClassCodes::rallyOfferedCodes[box - kFirstRallyBox];
}

QString caption(int box)
{
    // Every class an offered flag enables carries the flag's caption.
    return ClassCodes::classesOfferedBy(offeredCode(box)).first()->offeredCaption.toString();
}

QString offeredFlag(int trial, int box)
{
    if (trial < 1 || trial > ClassCodes::maxTrials)
        throw dbf::Error("Trial " + std::to_string(trial) + " is not a trial from 1 to 4");
    return u't' + QString::number(trial) + offeredCode(box).toString();
}

std::optional<int> boxOf(QStringView code)
{
    for (int box = 0; box < kCount; ++box) {
        if (offeredCode(box).compare(code, Qt::CaseInsensitive) == 0)
            return box;
    }
    return std::nullopt;
}

} // namespace ShowDatesClassBoxes
