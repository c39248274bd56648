#pragma once

#include "CliContext.h"

class Tdmod;

// Opens show N's entry table for a command, as File, Open does once the file
// is chosen. Throws dbf::Error naming the show when it has no entry table;
// false (after the message) when the file is refused.
bool openShowForCommand(Tdmod& data, int show);
