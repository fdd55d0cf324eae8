#include "cycle/ProgramFolder.h"

#include "cycle/Exception.h"
#include "cycle/PosixSystem.h"

#include <cerrno>
#include <cstdlib>
#include <sys/stat.h>

namespace {

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

std::string withSeparator(const std::string& folder)
{
    return folder.ends_with('/') ? folder : folder + "/";
}

// Like "mkdir -p", but every folder made is the user's alone, as the base directories ask for.
void makeFolder(const std::string& folder)
{
    for (std::size_t slash = folder.find('/', 1); slash != std::string::npos; slash = folder.find('/', slash + 1)) {
        std::string part = folder.substr(0, slash);
        if (::mkdir(part.c_str(), 0700) != 0 && errno != EEXIST)
            throw Exception(formatMessage("Cannot create folder %s", part));
    }
    struct stat status;
    if (::stat(folder.c_str(), &status) != 0 || !S_ISDIR(status.st_mode))
        throw Exception(formatMessage("Cannot create folder %s", folder));
}

} // namespace

std::string ProgramFolder::chosen() const
{
    if (given)
        return withSeparator(*given);
    if (installation == Installation::BuiltHere)
        return executableFolder;
    // The base directories must be absolute; a relative one is to be ignored.
    if (dataHome.starts_with('/'))
        return withSeparator(dataHome) + "zentrel/";
    if (!home.starts_with('/'))
        throw Exception("Cannot find the user's folders: HOME is not set");
    return withSeparator(home) + ".local/share/zentrel/";
}

std::string ProgramFolder::forThisRun(const std::optional<std::string>& given, Installation installation)
{
    ProgramFolder folder { given, PosixSystem().programDirectory(), installation, environment("HOME"),
        environment("XDG_DATA_HOME") };
    std::string chosen = folder.chosen();
    if (folder.isUsersOwn())
        makeFolder(chosen);
    return chosen;
}
