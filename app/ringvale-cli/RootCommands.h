#pragma once

#include "CliContext.h"

// The commands that work on a whole data root.
int initCommand(CliContext& context);
// `check` of the files given, or of the whole data root without any.
int checkCommand(CliContext& context);
int showsCommand(CliContext& context);
int dumpCommand(CliContext& context);
