#pragma once

#include "CliContext.h"

// `demo [--entries N] [--dogs N] [--seed S]`: adds a sample show of invented
// exhibitors to the data root and prints "show N: E entries, D dogs, O owners".
int demoCommand(CliContext& context);
