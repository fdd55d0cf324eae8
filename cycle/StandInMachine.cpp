#include "cycle/StandInMachine.h"

#include "cycle/AtomicFile.h"
#include "cycle/Exception.h"
#include "cycle/RegistryServices.h"
#include "cycle/StaleTemporaries.h"
#include "cycle/StandInFiles.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>
#include <vector>

namespace {

// Removes a half-made machine unless it has been moved into place.
class Scaffold {
public:
    // Named as a temporary file of this process, so that the sweep at start removes one that a
    // killed first start left behind.
    explicit Scaffold(const std::string& programDirectory)
    {
        for (int attempt = 0; attempt < 100 && m_path.empty(); ++attempt) {
            std::string path = programDirectory + temporaryFileName("machine", ::getpid(), nextTemporaryNumber());
            if (::mkdir(path.c_str(), 0700) == 0)
                m_path = path + "/";
            else if (errno != EEXIST)
                return;
        }
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
        // Relative to the program folder, so that a copied or moved folder keeps its own machine.
        writeFileAtomically(scaffold.path() + "registry.reg", StandInFiles::registry(relativeWindowsDirectory));
    } catch (const Exception&) {
        throw Exception(failure);
    }
    // The scaffold was made private; the machine is as open as any folder the user makes.
    mode_t mask = ::umask(0);
    ::umask(mask);
    ::chmod(scaffold.path().c_str(), 0777 & ~mask);
    // Another start may have made the machine meanwhile; then that one stands.
    if (!scaffold.moveTo(target) && !isThere(target))
        throw Exception(failure);
}

void StandInMachine::removeStaleTemporaries() const
{
    std::vector<std::string> places { m_programDirectory, folder(), windowsDirectory(), folder() + "c" };
    // The Windows directory the registry names may be elsewhere (a mounted disk), and so its drive root.
    try {
        RegistryFile registry(registryPath());
        std::string windows = ::windowsDirectory(registry);
        if (!windows.empty()) {
            places.push_back(windows);
            places.push_back(std::filesystem::path(windows).parent_path().string());
        }
    } catch (const std::exception&) {
        // A store that can't be read is reported where it is used.
    }
    for (const std::string& place : places)
        ::removeStaleTemporaries(place);
    removeOldScaffolds();
}

// Earlier first starts made their machine in ".machine-" and six random characters, without the
// maker's process in the name; once the machine stands, such a folder is what a killed start left.
void StandInMachine::removeOldScaffolds() const
{
    if (!isThere(folder()))
        return;
    std::error_code ignored;
    for (const auto& entry : std::filesystem::directory_iterator(m_programDirectory, ignored)) {
        std::string name = entry.path().filename().string();
        if (name.size() == 15 && name.starts_with(".machine-") && entry.is_directory(ignored)
            && !entry.is_symlink(ignored))
            std::filesystem::remove_all(entry.path(), ignored);
    }
}

std::unique_ptr<RegistryFile> StandInMachine::openRegistry() const
{
    ensureExists();
    return std::make_unique<RegistryFile>(registryPath());
}
