#pragma once

#include "CliContext.h"

// `ringvale-cli print`: the command line's front end over the print jobs of
// the core (print/PrintJobs.h), which the windows' Print and Save commands
// print through as well. `print --list` shows every job with its options;
// `print NAME [options] --FORMAT FILE` writes one. A bad option value is a
// usage error (exit code 2); a job that cannot be done or a file that cannot
// be written ends with exit code 1.
int printCommand(CliContext& context);
