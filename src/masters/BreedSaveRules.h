#pragma once

#include "ui/MasterTableBrowser.h"

// The save rules of the breeds table. The pick lists skip a breed without a
// name and the breed lookups find a breed by its name without regard to case,
// so a breed must have a name, and a name given or changed must not be one
// that another breed has already, marked deleted or not (undeleting it would
// bring the twin back). A breed kept under a name it had before is not
// checked again, so a table that came with twins can still be edited.
class BreedSaveRules : public MasterSaveRules
{
public:
    Done prepareSave(dbf::Table& breeds) override;
};
