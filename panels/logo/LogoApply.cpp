#include "panels/logo/LogoApply.h"

#include "cycle/AtomicFile.h"
#include "cycle/Exception.h"
#include "cycle/FileExists.h"
#include "cycle/RegistryServices.h"
#include "cycle/System.h"
#include "panels/logo/LogoFormatCheck.h"

namespace {

constexpr const char* createFailure = "Cannot create file %s";

} // namespace

LogoApply::LogoApply(std::shared_ptr<Registry> registry, std::shared_ptr<System> system)
    : m_registry(std::move(registry))
    , m_system(std::move(system))
{
}

ApplyHooks LogoApply::hooks(std::shared_ptr<LogoApply> apply)
{
    ApplyHooks hooks;
    hooks.apply = [apply](const AppliedEntry& entry) { apply->writeLogo(entry.path); };
    return hooks;
}

#ifdef _WIN32
std::string LogoApply::logoPathFor(const std::string& windowsDirectory)
{
    if (windowsDirectory.empty())
        return {};
    std::string path = "c:\\logo.sys";
    path[0] = windowsDirectory[0];
    return path;
}
#else
std::string LogoApply::logoPathFor(const std::string& windowsDirectory)
{
    std::string folder = windowsDirectory;
    while (folder.size() > 1 && folder.back() == '/')
        folder.pop_back();
    // A relative directory would put the logo wherever the program happens to run.
    auto slash = folder.rfind('/');
    if (slash == std::string::npos || folder == "/")
        return {};
    return folder.substr(0, slash) + "/logo.sys";
}
#endif

std::string LogoApply::logoPath() const
{
    std::string path = logoPathFor(windowsDirectory(*m_registry));
    if (path.empty())
        throw Exception("The Windows directory is not known (no SystemRoot is set), so the logo file has no place");
    return path;
}

void LogoApply::writeLogo(const std::string& entryPath)
{
    std::string bytes = bitmapFileBytes(readCheckedLogo(entryPath));
    std::string logo = logoPath();

    bool replacing = fileExists(logo);
    // Where the system keeps DOS attributes, a hidden or read-only file can't be replaced.
    if (replacing)
        m_system->setFileAttributes(logo, FileAttributes::None);
    try {
        writeFileAtomically(logo, bytes, createFailure);
    } catch (...) {
        if (replacing)
            m_system->setFileAttributes(logo, FileAttributes::Hidden);
        throw;
    }
    m_system->setFileAttributes(logo, FileAttributes::Hidden);
}

bool LogoApply::restore()
{
    std::string logo = logoPath();
    if (!fileExists(logo))
        return false;
    m_system->setFileAttributes(logo, FileAttributes::None);
    m_system->deleteFile(logo);
    // Telling the user the logo is gone while it is still there would be a false report.
    if (fileExists(logo)) {
        m_system->setFileAttributes(logo, FileAttributes::Hidden);
        throw Exception(formatMessage("Cannot delete file %s", logo));
    }
    return true;
}
