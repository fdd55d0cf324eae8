#include "desktop/ProcessRunner.h"

#include <QProcess>
#include <QStringList>

CommandRunner::Result ProcessRunner::run(const std::string& program, const std::vector<std::string>& arguments)
{
    QStringList words;
    for (const std::string& argument : arguments)
        words << QString::fromLocal8Bit(argument);
    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    process.start(QString::fromLocal8Bit(program), words);
    Result result;
    if (!process.waitForStarted())
        return result;
    result.started = true;
    // A desktop tool answers at once; one that hangs is not waited for beyond this.
    if (!process.waitForFinished(patienceSeconds * 1000)) {
        process.kill();
        process.waitForFinished();
        result.exitCode = -1;
        result.timedOut = true;
        return result;
    }
    result.exitCode = process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    result.output = process.readAllStandardOutput().toStdString();
    return result;
}
