#pragma once

#include <QString>
#include <QStringList>

// Runs ringvale-cli (or another program) and keeps what it printed. A program
// that cannot start or runs past a minute ends with exit code -1.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& arguments);
CliRun runProgram(const QString& program, const QStringList& arguments);
