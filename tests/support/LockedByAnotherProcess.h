#pragma once

#include <QProcess>
#include <QStringList>

// Holds an exclusive lock on files from another process, as another program
// (or a second Ringvale) would, until it is destroyed. Uses util-linux's
// flock(1), which takes the same advisory lock the table engine takes.
class LockedByAnotherProcess
{
public:
    explicit LockedByAnotherProcess(const QStringList& files);
    ~LockedByAnotherProcess();
    LockedByAnotherProcess(const LockedByAnotherProcess&) = delete;
    LockedByAnotherProcess& operator=(const LockedByAnotherProcess&) = delete;

    // True once every file is locked.
    bool holding() const { return holding_; }

private:
    QProcess process_;
    bool holding_ = false;
};
