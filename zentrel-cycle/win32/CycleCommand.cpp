#include "zentrel-cycle/CycleCommand.h"

#include "cycle/LineFiles.h"
#include "cycle/win32/Win32Registry.h"
#include "cycle/win32/Win32System.h"
#include "zentrel-cycle/CycleOptions.h"
#include "zentrel-cycle/CycleRun.h"
#include "zentrel-cycle/RunBound.h"
#include "zentrel-cycle/RunLock.h"

#include <optional>
#include <ostream>

// zentrel-cycle on Windows: the lists are cycled into the real registry, win.ini and system.ini.
// Showing the result on the running desktop and the login entries belong to the POSIX desktops;
// Windows reads what was written at its next start.

namespace {

// The options end a given folder in "/"; on Windows a folder ends in "\".
std::string windowsFolder(std::string folder)
{
    if (folder.ends_with('/'))
        folder.pop_back();
    if (!folder.empty() && !folder.ends_with('\\') && !folder.ends_with(':'))
        folder += '\\';
    return folder;
}

bool cycle(const CycleOptions& options, const std::string& programDirectory, std::ostream& out, std::ostream& errors)
{
    CycleServices services;
    services.programDirectory = programDirectory;
    services.registry = std::make_shared<Win32Registry>();
    services.files = std::make_shared<LineFiles>();
    services.system = std::make_shared<Win32System>();
    RunBound bound(options.timeLimitSeconds);
    CycleRun run(services, out, errors);
    std::vector<CycleEntry> entries = chosen(cycleEntries(), options.only);
    try {
        std::optional<RunLock> lock;
        if (!options.dryRun) {
            try {
                lock.emplace(programDirectory);
            } catch (const std::exception& error) {
                run.failAll(entries, error.what());
                return false;
            }
        }
        return run.run(entries, options.dryRun);
    } catch (const std::exception& error) {
        errors << error.what() << "." << std::endl;
        return false;
    }
}

} // namespace

// Windows has no per-user folder of lists yet: the lists stay beside the program, however it was built.
int runCycleCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors, Installation)
{
    return runCycleCommand(arguments, out, errors);
}

int runCycleCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors)
{
    CycleOptions options;
    if (std::optional<int> answered = readCycleCommandLine(arguments, namesOf(cycleEntries()), options, out, errors))
        return *answered;
    if (options.action != CycleOptions::Action::Cycle) {
        errors << "zentrel-cycle: the login entries are made on Linux desktops only\n";
        return 2;
    }
    if (options.present) {
        errors << "zentrel-cycle: --present shows the result on Linux desktops only; Windows reads it at its "
                  "next start\n";
        return 2;
    }
    std::string programDirectory
        = options.programDirectory ? windowsFolder(*options.programDirectory) : Win32System().programDirectory();
    return cycle(options, programDirectory, out, errors) ? 0 : 1;
}
