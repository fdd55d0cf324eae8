#include "cycle/PosixLaunch.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

bool startsWithMz(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && file.read(2) == "MZ";
}

bool isScreenSaver(const QFileInfo& file)
{
    return file.suffix().compare("scr", Qt::CaseInsensitive) == 0;
}

} // namespace

PosixLaunch PosixLaunch::forOpen(const std::string& target, const std::string& wine)
{
    QFileInfo file(QString::fromLocal8Bit(target));
    if (wine.empty() || !file.isFile())
        return {};
    if (isScreenSaver(file))
        return { wine, { target, "/s" } };
    if (startsWithMz(file.filePath()))
        return { wine, { target } };
    return {};
}

PosixLaunch PosixLaunch::forCommandLine(const std::string& commandLine, const std::string& wine)
{
    QString line = QString::fromLocal8Bit(commandLine);
    if (QFileInfo(line).isFile()) {
        if (!wine.empty() && startsWithMz(line))
            return { wine, { commandLine } };
        return { commandLine, {} };
    }
    QStringList words = QProcess::splitCommand(line);
    if (words.isEmpty())
        return {};
    PosixLaunch launch { words.takeFirst().toLocal8Bit().toStdString(), {} };
    for (const QString& word : words)
        launch.arguments.push_back(word.toLocal8Bit().toStdString());
    return launch;
}
