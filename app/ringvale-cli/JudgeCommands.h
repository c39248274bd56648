#pragma once

#include "CliContext.h"

// `judges assign|replace|remove|list ...`: the judge assignments of a show, as
// the judge assignments window keeps them.
int judgesCommand(CliContext& context);
