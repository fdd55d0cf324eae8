#include "cycle/PosixSystem.h"

#include "cycle/PosixLaunch.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>
#include <climits>
#include <sys/stat.h>
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

std::string wine()
{
    return QStandardPaths::findExecutable("wine").toLocal8Bit().toStdString();
}

void start(const PosixLaunch& launch)
{
    QStringList arguments;
    for (const std::string& argument : launch.arguments)
        arguments.push_back(QString::fromLocal8Bit(argument));
    QProcess::startDetached(QString::fromLocal8Bit(launch.program), arguments);
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

// There is no hidden attribute here, and read-only is the lack of write permission: clearing it
// gives the owner write permission back, so that a logo.sys copied with mode 0444 can be replaced.
void PosixSystem::setFileAttributes(const std::string& path, FileAttributes attributes)
{
    struct stat status { };
    if (::stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return;
    const mode_t mode = status.st_mode & 07777;
    const mode_t wanted
        = hasAttribute(attributes, FileAttributes::ReadOnly) ? mode & ~mode_t(0222) : mode | mode_t(S_IWUSR);
    if (wanted != mode)
        ::chmod(path.c_str(), wanted);
}

void PosixSystem::deleteFile(const std::string& path)
{
    ::unlink(path.c_str());
}

void PosixSystem::shellExecute(const std::string& verb, const std::string& target)
{
    PosixLaunch launch = verb == "open" ? PosixLaunch::forOpen(target, wine()) : PosixLaunch {};
    if (launch.program.empty())
        QDesktopServices::openUrl(urlFor(target));
    else
        start(launch);
}

void PosixSystem::runProgram(const std::string& commandLine)
{
    PosixLaunch launch = PosixLaunch::forCommandLine(commandLine, wine());
    if (!launch.program.empty())
        start(launch);
}
