#pragma once

#include <QString>

// `check` over a whole data root. One line per finding, the path relative to
// the root: a root or layout folder that is missing or not a folder, every
// table file of the root ("ok N" or "error: ..."), and every laid-out table
// that is missing. A table is at fault when it cannot be read, holds nothing
// (0 bytes), has fields other than its definition's, or is a shipped table
// (class table, catalog groupings) without records. Returns the exit code:
// 0 when all is well, 1 otherwise.
int checkRoot(const QString& rootPath);
