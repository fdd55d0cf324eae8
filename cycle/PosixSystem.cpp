#include "cycle/PosixSystem.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>
#include <climits>
#include <unistd.h>

namespace {

std::string folderWithSeparator(const std::string& path)
{
    auto slash = path.rfind('/');
    return slash == std::string::npos ? std::string("./") : path.substr(0, slash + 1);
}

// "mailto:" and "http:" addresses are handed over as they are; anything else names a file.
QUrl urlFor(const std::string& target)
{
    QString text = QString::fromLocal8Bit(target);
    QUrl url(text, QUrl::StrictMode);
    if (url.isValid() && url.scheme().size() > 1 && !text.startsWith('/'))
        return url;
    return QUrl::fromLocalFile(text);
}

} // namespace

std::string PosixSystem::programDirectory()
{
    char path[PATH_MAX];
    ssize_t length = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (length > 0)
        return folderWithSeparator(std::string(path, static_cast<std::size_t>(length)));
    if (QCoreApplication::instance())
        return QCoreApplication::applicationDirPath().toLocal8Bit().toStdString() + "/";
    return "./";
}

std::string PosixSystem::shortPath(const std::string& path)
{
    return path;
}

void PosixSystem::setFileAttributes(const std::string&, FileAttributes)
{
}

void PosixSystem::deleteFile(const std::string& path)
{
    ::unlink(path.c_str());
}

void PosixSystem::shellExecute(const std::string&, const std::string& target)
{
    QDesktopServices::openUrl(urlFor(target));
}

void PosixSystem::runProgram(const std::string& commandLine)
{
    // The whole line may name a program whose path holds blanks, as Windows would find it.
    QString line = QString::fromLocal8Bit(commandLine);
    if (QFileInfo(line).isFile()) {
        QProcess::startDetached(line, {});
        return;
    }
    QStringList words = QProcess::splitCommand(line);
    if (words.isEmpty())
        return;
    QString program = words.takeFirst();
    QProcess::startDetached(program, words);
}
