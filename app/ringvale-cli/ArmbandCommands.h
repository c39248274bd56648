#pragma once

#include "CliContext.h"

// `armbands assign --show N --order ORDER [--jump-heights yes|no] [--digits D]
// [--start TEXT]` and `armbands clear --show N`.
int armbandsCommand(CliContext& context);
