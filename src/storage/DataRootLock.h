#pragma once

#include "Result.h"

#include <QString>

// The one writer of a data root. Whatever writes to a root (the application
// for its whole life, each writing command of ringvale-cli) holds this lock
// first, so two of them never lay out, fill or change the same tables at
// once. It is an advisory lock of the operating system on the file
// ringvale.lock in the root: a process that ends in any way, killed
// included, lets go of it, so no stale lock is ever left to clear.
class DataRootLock
{
public:
    // Takes the lock, making the root folder when it is missing. Fails with
    // "The data folder <path> is in use by another Ringvale." while another
    // process (or another lock of this one) holds it. Throws dbf::Error when
    // the folder or the lock file cannot be made.
    static Result<DataRootLock> take(const QString& root);

    DataRootLock(DataRootLock&& other) noexcept;
    DataRootLock& operator=(DataRootLock&& other) noexcept;
    DataRootLock(const DataRootLock&) = delete;
    DataRootLock& operator=(const DataRootLock&) = delete;
    ~DataRootLock();

private:
    explicit DataRootLock(int fd) : fd_(fd) {}
    void release();

    int fd_ = -1;
};
