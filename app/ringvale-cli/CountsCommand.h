#pragma once

#include "CliContext.h"

// ringvale-cli counts --show N [--fees]: the class counts, or with --fees the
// fee counts, of show N as CSV, the figures the printed report shows.
int countsCommand(CliContext& context);
