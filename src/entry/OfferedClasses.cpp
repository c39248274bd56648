#include "entry/OfferedClasses.h"

#include "dbf/Table.h"

OfferedClasses::OfferedClasses(const dbf::RecordView& showDates)
{
    for (std::size_t c = 0; c < ClassCodes::classes.size(); ++c) {
        for (int trial = 1; trial <= ClassCodes::maxTrials; ++trial)
            offered_[c][trial - 1] = showDates.logical(
                ClassCodes::offeredFlagName(ClassCodes::classes[c], trial).toStdString());
    }
}

bool OfferedClasses::offered(const ClassCodes::ClassCode& cls, int trial) const
{
    const auto index = std::size_t(&cls - ClassCodes::classes.data());
    if (index >= ClassCodes::classes.size() || trial < 1 || trial > ClassCodes::maxTrials)
        return false;
    return offered_[index][trial - 1];
}

bool OfferedClasses::offersSection(ClassCodes::Section section) const
{
    for (std::size_t c = 0; c < ClassCodes::classes.size(); ++c) {
        if (ClassCodes::classes[c].section != section)
            continue;
        for (bool on : offered_[c])
            if (on)
                return true;
    }
    return false;
}
