#include "LockedByAnotherProcess.h"

LockedByAnotherProcess::LockedByAnotherProcess(const QStringList& files)
{
    // flock -n FILE1 flock -n FILE2 ... sh -c 'echo locked; exec sleep 600'
    QStringList arguments;
    for (const QString& file : files)
        arguments << QStringLiteral("-n") << file << QStringLiteral("flock");
    arguments.removeLast();
    arguments << QStringLiteral("sh") << QStringLiteral("-c")
              << QStringLiteral("echo locked; exec sleep 600");
    process_.start(QStringLiteral("flock"), arguments);
    holding_ =
        process_.waitForReadyRead(10000) && process_.readAllStandardOutput().startsWith("locked");
}

LockedByAnotherProcess::~LockedByAnotherProcess()
{
    process_.kill();
    process_.waitForFinished(5000);
}
