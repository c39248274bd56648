#pragma once

#include "CliContext.h"

// `sortkeys --show N`: Confirm Sort Keys over show N's entries; prints
// "N entries, M changed".
int sortKeysCommand(CliContext& context);
