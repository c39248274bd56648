#pragma once

#include "ui/MasterTableBrowser.h"

// The save rules of the catalog groupings. The catalog finds a grouping by its
// section and group code, both compared in upper case with those of the class
// table, so a grouping needs a group code (stored in upper case, as the class
// table's codes are), a section that is one of the class table's ("Obedience"
// or "Rally", stored so spelled), and no other grouping, marked deleted or
// not, may have the same section and code: the catalog would print only one
// of them.
class CatGroupSaveRules : public MasterSaveRules
{
public:
    Done prepareSave(dbf::Table& groups) override;
};
