#pragma once

#include "CliContext.h"

// `catalog build --show N [--order TAG]`: builds show N's catalog work table
// as the catalog windows do when they open, walking the entries in the order
// of TAG (the entry desk's Last Name order, NAME, unless given); prints
// "N catalog rows".
int catalogCommand(CliContext& context);
