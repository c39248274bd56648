#pragma once

#include "CliContext.h"

// ringvale-cli show new: creates a show as the show dates window's first save does.
int showCommand(CliContext& context);
