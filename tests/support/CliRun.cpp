#include "CliRun.h"

#include <QProcess>

CliRun runProgram(const QString& program, const QStringList& arguments)
{
    QProcess process;
    process.start(program, arguments);
    process.waitForFinished(60000);
    return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

CliRun runCli(const QStringList& arguments)
{
    return runProgram(QStringLiteral(RINGVALE_CLI), arguments);
}
