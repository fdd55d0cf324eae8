#include "zentrel-cycle/CycleCommand.h"

#include "cycle/Exception.h"
#include "cycle/LineFiles.h"
#include "cycle/PosixSystem.h"
#include "cycle/ProgramFolder.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInMachine.h"
#include "desktop/MediaWavePlayer.h"
#include "desktop/PresentStep.h"
#include "desktop/ProcessRunner.h"
#include "desktop/SessionEnd.h"
#include "desktop/SessionEndParts.h"
#include "resources/SkinResources.h"
#include "shell/skin/TWindowGeometry.h"
#include "zentrel-cycle/CycleOptions.h"
#include "zentrel-cycle/CycleRun.h"
#include "zentrel-cycle/DesktopEntries.h"
#include "zentrel-cycle/RunBound.h"
#include "zentrel-cycle/RunLock.h"

#include <QFile>
#include <cstdlib>
#include <filesystem>
#include <optional>
#include <ostream>

namespace {

CycleServices servicesFor(const std::string& programDirectory)
{
    CycleServices services;
    services.programDirectory = programDirectory;
    services.registry = std::make_shared<RegistryFile>(StandInMachine(programDirectory).registryPath());
    services.files = std::make_shared<LineFiles>();
    services.system = std::make_shared<PosixSystem>();
    return services;
}

// Applies the lists under the run lock. A folder that can't be locked fails every list.
bool cycleLocked(const std::vector<CycleEntry>& entries, const CycleServices& services, const CycleOptions& options,
    std::ostream& errors, CycleRun& run)
{
    RunBound bound(options.timeLimitSeconds);
    if (options.dryRun)
        return run.run(entries, true);
    std::optional<RunLock> lock;
    try {
        lock.emplace(services.programDirectory);
    } catch (const std::exception& error) {
        run.failAll(entries, error.what());
        return false;
    }
    bool allWell = true;
    StandInMachine machine(services.programDirectory);
    // A login before the program's first start makes the machine as that start would; if it
    // can't, each module still says so on its own line.
    try {
        machine.ensureExists();
    } catch (const std::exception& error) {
        errors << error.what() << "." << std::endl;
        allWell = false;
    }
    machine.removeStaleTemporaries();
    return run.run(entries, false) && allWell;
}

bool cycle(const CycleOptions& options, const std::string& programDirectory, std::ostream& out, std::ostream& errors)
{
    std::vector<CycleEntry> entries = chosen(cycleEntries(), options.only);
    CycleServices services = servicesFor(programDirectory);
    CycleRun run(services, out, errors);
    bool allWell = false;
    try {
        allWell = cycleLocked(entries, services, options, errors, run);
    } catch (const std::exception& error) {
        errors << error.what() << "." << std::endl;
    }
    if (!options.present)
        return allWell;
    return presentOnDesktop(services, options.dryRun, out, errors) && allWell;
}

std::string environment(const char* name)
{
    const char* value = std::getenv(name);
    return value ? value : "";
}

// The shutdown sound's unit stops (--session-end), or the login entry of a session without
// systemd waits for the end (--await-session-end); the unit's stop after --remove-autostart plays
// nothing.
bool endSession(
    const CycleOptions& options, const std::string& programDirectory, std::ostream& out, std::ostream& errors)
{
    bool await = options.action == CycleOptions::Action::AwaitSessionEnd;
    if (options.unitFile && !std::filesystem::exists(*options.unitFile)) {
        out << "shutdown sound: its unit was removed, nothing played" << std::endl;
        return true;
    }
    std::string runtime = environment("XDG_RUNTIME_DIR");
    if (await && SessionEndParts::systemdRunsFor(runtime)) {
        out << "shutdown sound: left to the systemd user unit" << std::endl;
        return true;
    }
    SessionEnd end(servicesFor(programDirectory), std::make_shared<MediaWavePlayer>(), out, errors);
    return await ? end.awaitAndPlay(environment("DISPLAY"), options.dryRun) : end.playShutdownSound(options.dryRun);
}

std::string iconBytes()
{
    initSkinResources();
    QFile icon(QString::fromStdString(":/" + iconResource("zentrel")));
    if (!icon.open(QIODevice::ReadOnly))
        throw Exception("The program's icon is missing from its resources");
    return icon.readAll().toStdString();
}

// The entries name the programs where this one runs; a folder of lists given here goes along. The
// installed program has its menu entry and icons from the package: only the login entry is the
// user's.
bool changeAutostart(const CycleOptions& options, Installation installation, std::ostream& out, std::ostream& errors)
{
    try {
        std::vector<std::string> cycleArguments;
        // The login runs the entry from another folder: a relative folder is made absolute here.
        if (options.programDirectory)
            cycleArguments
                = { "--program-dir", std::filesystem::absolute(*options.programDirectory).lexically_normal().string() };
        DesktopPlaces places = DesktopPlaces::fromEnvironment();
        DesktopEntries entries(places, PosixSystem().programDirectory(), cycleArguments);
        SessionEndParts sessionEnd(std::filesystem::path(places.autostartFolder).parent_path().string(),
            PosixSystem().programDirectory() + "zentrel-cycle", cycleArguments);
        ProcessRunner runner;
        bool systemd = SessionEndParts::systemdRunsFor(environment("XDG_RUNTIME_DIR"));
        if (options.action == CycleOptions::Action::RemoveAutostart) {
            bool removed = entries.removeAutostart();
            out << "autostart: " << (removed ? "removed " : "none at ") << entries.autostartPath() << std::endl;
            removed = sessionEnd.remove(runner, systemd);
            out << "shutdown sound: " << (removed ? "removed " : "none at ") << sessionEnd.unitPath() << std::endl;
            return true;
        }
        if (installation == Installation::Installed) {
            entries.installAutostart();
            out << "autostart: " << entries.autostartPath() << std::endl;
            return true;
        }
        entries.install(iconBytes());
        out << "autostart: " << entries.autostartPath() << "\nmenu: " << entries.menuPath()
            << "\nicon: " << entries.iconPath() << std::endl;
        sessionEnd.install(runner, systemd);
        out << "shutdown sound: " << sessionEnd.unitPath() << (systemd ? " (started)" : "") << "\n"
            << "shutdown sound without systemd: " << sessionEnd.fallbackPath() << std::endl;
        return true;
    } catch (const std::exception& error) {
        errors << error.what() << "." << std::endl;
        return false;
    }
}

} // namespace

int runCycleCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors)
{
    return runCycleCommand(arguments, out, errors, Installation::BuiltHere);
}

int runCycleCommand(
    const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors, Installation installation)
{
    CycleOptions options;
    if (std::optional<int> answered = readCycleCommandLine(arguments, namesOf(cycleEntries()), options, out, errors))
        return *answered;
    if (options.action != CycleOptions::Action::Cycle && options.action != CycleOptions::Action::SessionEnd
        && options.action != CycleOptions::Action::AwaitSessionEnd)
        return changeAutostart(options, installation, out, errors) ? 0 : 1;
    std::string programDirectory;
    try {
        programDirectory = ProgramFolder::forThisRun(options.programDirectory, installation);
    } catch (const std::exception& error) {
        errors << error.what() << "." << std::endl;
        return 1;
    }
    if (options.action == CycleOptions::Action::SessionEnd || options.action == CycleOptions::Action::AwaitSessionEnd)
        return endSession(options, programDirectory, out, errors) ? 0 : 1;
    return cycle(options, programDirectory, out, errors) ? 0 : 1;
}
