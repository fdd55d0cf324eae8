#include "cycle/cli/CycleCommand.h"

#include "cycle/LineFiles.h"
#include "cycle/PosixSystem.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInMachine.h"
#include "cycle/cli/CycleOptions.h"
#include "cycle/cli/CycleRun.h"
#include "cycle/cli/RunLock.h"

#include <algorithm>
#include <optional>
#include <ostream>

namespace {

std::vector<std::string> namesOf(const std::vector<CycleEntry>& entries)
{
    std::vector<std::string> names;
    for (const CycleEntry& entry : entries)
        names.push_back(entry.name);
    return names;
}

std::vector<CycleEntry> chosen(std::vector<CycleEntry> entries, const std::vector<std::string>& only)
{
    if (only.empty())
        return entries;
    std::erase_if(entries,
        [&](const CycleEntry& entry) { return std::find(only.begin(), only.end(), entry.name) == only.end(); });
    return entries;
}

CycleServices servicesFor(const std::string& programDirectory)
{
    CycleServices services;
    services.programDirectory = programDirectory;
    // The machine is the program's to make at its first start: a missing one is reported, not made.
    services.registry = std::make_shared<RegistryFile>(StandInMachine(programDirectory).registryPath());
    services.files = std::make_shared<LineFiles>();
    services.system = std::make_shared<PosixSystem>();
    return services;
}

bool cycle(const CycleOptions& options, const std::string& programDirectory, std::ostream& out, std::ostream& errors)
{
    std::vector<CycleEntry> entries = chosen(cycleEntries(), options.only);
    CycleRun run(servicesFor(programDirectory), out, errors);
    if (options.dryRun)
        return run.run(entries, true);
    std::optional<RunLock> lock;
    try {
        lock.emplace(programDirectory + "zentrel-cycle.lock");
    } catch (const std::exception& error) {
        errors << error.what() << "." << std::endl;
        return false;
    }
    return run.run(entries, false);
}

} // namespace

int runCycleCommand(const std::vector<std::string>& arguments, std::ostream& out, std::ostream& errors)
{
    CycleOptions options;
    try {
        options = CycleOptions::parse(arguments, namesOf(cycleEntries()));
    } catch (const UsageError& error) {
        errors << "zentrel-cycle: " << error.message << "\n" << cycleUsage;
        return 2;
    }
    switch (options.action) {
    case CycleOptions::Action::Help:
        out << cycleUsage;
        return 0;
    case CycleOptions::Action::Version:
        out << "zentrel-cycle 2.0\n";
        return 0;
    case CycleOptions::Action::Cycle:
        break;
    }
    std::string programDirectory = options.programDirectory.value_or(PosixSystem().programDirectory());
    return cycle(options, programDirectory, out, errors) ? 0 : 1;
}
