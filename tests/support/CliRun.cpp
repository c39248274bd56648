#include "CliRun.h"

#include <QProcess>

CliRun runProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    // A program that did not start, or never finished, must not pass for one
    // that ended well: QProcess reports exit code 0 until a process has ended.
    const bool finished = process.waitForFinished(60000);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

CliRun runCli(const QStringList& arguments)
{
    return runProgram(QStringLiteral(RINGVALE_CLI), arguments);
}
