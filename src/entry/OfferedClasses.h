#pragma once

#include "storage/ClassCodes.h"

#include <array>
#include <optional>

namespace dbf
{
class RecordView;
}

// Which class check boxes of the entry desk a show enables: a class in a trial
// whose offered flag is set in the show's record (the regular classes of a
// section share one flag per trial).
class OfferedClasses
{
public:
    OfferedClasses() = default;
    explicit OfferedClasses(const dbf::RecordView& showDates);

    bool offered(const ClassCodes::ClassCode& cls, int trial) const;
    // Any class of the section in any trial.
    bool offersSection(ClassCodes::Section section) const;

private:
    std::array<std::array<bool, ClassCodes::maxTrials>, ClassCodes::classes.size()> offered_{};
};
