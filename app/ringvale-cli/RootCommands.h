#pragma once

#include "CliContext.h"

// The commands that work on a whole data root.
int initCommand(CliContext& context);
int checkRootCommand(CliContext& context);
int showsCommand(CliContext& context);
int dumpCommand(CliContext& context);
int checkFilesCommand(CliContext& context);
