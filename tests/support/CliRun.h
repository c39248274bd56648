#pragma once

#include <QList>
#include <QProcessEnvironment>
#include <QString>
#include <QStringList>

// Runs ringvale-cli (or another program) and keeps what it printed. A program
// that cannot start or runs past a minute ends with exit code -1, and so does
// one that a signal ends.
struct CliRun {
    int exitCode = -1;
    QString out;
    QString err;
};

CliRun runCli(const QStringList& arguments);
CliRun
runProgram(const QString& program, const QStringList& arguments,
           const QProcessEnvironment& environment = QProcessEnvironment::systemEnvironment());
// Starts every command line of ringvale-cli at once and waits for them all.
QList<CliRun> runCliTogether(const QList<QStringList>& argumentLists);
