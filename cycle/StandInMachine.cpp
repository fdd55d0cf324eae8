#include "cycle/StandInMachine.h"

#include "cycle/AtomicFile.h"
#include "cycle/Exception.h"
#include "cycle/StaleTemporaries.h"
#include "cycle/StandInFiles.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <stdlib.h>
#include <sys/stat.h>

namespace {

// Removes a half-made machine unless it has been moved into place.
class Scaffold {
public:
    explicit Scaffold(const std::string& programDirectory)
    {
        std::string pattern = programDirectory + ".machine-XXXXXX";
        if (::mkdtemp(pattern.data()) != nullptr)
            m_path = pattern + "/";
    }
    ~Scaffold()
    {
        if (m_path.empty())
            return;
        std::error_code ignored;
        std::filesystem::remove_all(m_path, ignored);
    }
    Scaffold(const Scaffold&) = delete;
    Scaffold& operator=(const Scaffold&) = delete;

    bool exists() const { return !m_path.empty(); }
    const std::string& path() const { return m_path; }

    bool moveTo(const std::string& folder)
    {
        if (::rename(m_path.c_str(), folder.c_str()) != 0)
            return false;
        m_path.clear();
        return true;
    }

private:
    std::string m_path;
};

bool isThere(const std::string& path)
{
    struct stat status { };
    return ::lstat(path.c_str(), &status) == 0;
}

} // namespace

StandInMachine::StandInMachine(std::string programDirectory)
    : m_programDirectory(std::move(programDirectory))
{
}

void StandInMachine::ensureExists() const
{
    const std::string target = folder().substr(0, folder().size() - 1);
    if (isThere(target))
        return;

    const std::string failure = formatMessage("Cannot create file %s", registryPath());
    Scaffold scaffold(m_programDirectory);
    if (!scaffold.exists() || ::mkdir((scaffold.path() + "c").c_str(), 0777) != 0
        || ::mkdir((scaffold.path() + "c/WINDOWS").c_str(), 0777) != 0)
        throw Exception(failure);
    try {
        writeFileAtomically(scaffold.path() + "c/WINDOWS/win.ini", StandInFiles::winIni());
        writeFileAtomically(scaffold.path() + "c/WINDOWS/system.ini", StandInFiles::systemIni());
        writeFileAtomically(scaffold.path() + "registry.reg", StandInFiles::registry(windowsDirectory()));
    } catch (const Exception&) {
        throw Exception(failure);
    }
    // mkdtemp made the folder private; the machine is as open as any folder the user makes.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(scaffold.path().c_str(), 0777 & ~mask);
    // Another start may have made the machine meanwhile; then that one stands.
    if (!scaffold.moveTo(target) && !isThere(target))
        throw Exception(failure);
}

void StandInMachine::removeStaleTemporaries() const
{
    for (const std::string& place : { m_programDirectory, folder(), windowsDirectory() })
        ::removeStaleTemporaries(place);
}

std::unique_ptr<RegistryFile> StandInMachine::openRegistry() const
{
    ensureExists();
    return std::make_unique<RegistryFile>(registryPath());
}
