#include "CliRun.h"

#include <QProcess>

#include <memory>
#include <vector>

namespace
{

// A program that did not start, or never finished, must not pass for one
// that ended well: QProcess reports exit code 0 until a process has ended.
CliRun finish(QProcess& process)
{
    const bool finished = process.waitForFinished(60000);
    if (!finished) {
        process.kill();
        process.waitForFinished();
    }
    return {finished && process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
            QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError())};
}

} // namespace

CliRun runProgram(const QString& program, const QStringList& arguments,
                  const QProcessEnvironment& environment)
{
    QProcess process;
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    return finish(process);
}

CliRun runCli(const QStringList& arguments)
{
    return runProgram(QStringLiteral(RINGVALE_CLI), arguments);
}

QList<CliRun> runCliTogether(const QList<QStringList>& argumentLists)
{
    std::vector<std::unique_ptr<QProcess>> processes;
    for (const QStringList& arguments : argumentLists) {
        processes.push_back(std::make_unique<QProcess>());
        processes.back()->start(QStringLiteral(RINGVALE_CLI), arguments);
    }
    QList<CliRun> runs;
    for (const auto& process : processes)
        runs << finish(*process);
    return runs;
}
