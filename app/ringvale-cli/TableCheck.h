#pragma once

#include <filesystem>
#include <string>

// The result line of `check` for one table file, without the path:
// "ok N", "ok N (header says M; repaired on next open)", "error: in use" or
// "error: MESSAGE". Opens the file read-only, reads every record, builds no
// index and never writes.
struct TableCheckResult {
    bool ok = false;
    std::string text;
};

TableCheckResult checkTableFile(const std::filesystem::path& file);
