#pragma once

#include "masters/OwnerEditing.h"

// The owner dialog as the entry desk and the dog master use it: it creates a
// new owner from a typed name, or edits the owner the owners table stands on,
// and hands back what became of it. The desktop shows "Owner Information";
// tests script it; the command line fills it from the data it was given.
class OwnerDialog
{
public:
    virtual ~OwnerDialog() = default;
    virtual OwnerHandOver run(bool adding, const QString& typedName) = 0;
};
