// Times the screen-saver Save and Exit on a 100,000-line system.ini and a 100,000-entry list
// against cp of the same files, in one run, and prints the ratios.
// Usage: bench_saver [folder for the scratch files]
//
// Both wall-clock and processor time (user + system) are shown: on a busy machine the processor
// time of this program against that of the cp processes is the steadier comparison.
#include "bench/support/BestOf.h"
#include "cycle/LineFiles.h"
#include "cycle/PosixSystem.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInMachine.h"
#include "panels/saver/SaverApply.h"
#include "panels/saver/SaverPanel.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <sys/resource.h>

namespace {

constexpr int runs = 7;
constexpr int lineCount = 100000;

Timing bestOf(const std::function<void()>& action, int who = RUSAGE_SELF)
{
    return bestOfRuns(action, who, runs);
}

Timing shell(const std::string& command)
{
    return bestOf(
        [&] {
            if (std::system(command.c_str()) != 0) {
                std::fprintf(stderr, "failed: %s\n", command.c_str());
                std::exit(1);
            }
        },
        RUSAGE_CHILDREN);
}

// A system.ini grown to 100,000 lines: [boot] first, the screen-saver line halfway down.
void writeSystemIni(const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    out << "[boot]\r\nshell=Explorer.exe\r\n";
    for (int i = 2; i < lineCount; ++i) {
        if (i % 50 == 0)
            out << "[Section" << i / 50 << "]\r\n";
        else if (i == lineCount / 2)
            out << "SCRNSAVE.EXE=C:\\WINDOWS\\BLANK.SCR\r\n";
        else
            out << "device" << i << "=C:\\WINDOWS\\SYSTEM\\driver" << i << ".vxd\r\n";
    }
}

void writeList(const std::string& path)
{
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < lineCount; ++i)
        out << "C:\\Program Files\\Screen Savers\\Collection " << (1990 + i % 20) << "\\saver" << i << ".scr\r\n";
}

void header()
{
    std::printf("  %-44s %10s %10s %8s %8s\n", "", "wall ms", "cpu ms", "wall/cp", "cpu/cp");
}

void report(const char* what, Timing t, Timing base)
{
    std::printf("  %-44s %10.2f %10.2f %8.2f %8.2f\n", what, t.wall, t.cpu, t.wall / base.wall, t.cpu / base.cpu);
}

std::string quoted(const std::string& path)
{
    return "'" + path + "'";
}

} // namespace

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    fs::path scratch = fs::path(argc > 1 ? argv[1] : fs::temp_directory_path().string()) / "zentrel-bench-saver";
    fs::remove_all(scratch);
    fs::create_directories(scratch);
    const std::string program = scratch.string() + "/";
    StandInMachine machine(program);
    machine.ensureExists();
    const std::string systemIni = machine.windowsDirectory() + "/system.ini";
    const std::string list = program + "dozarn.dat";
    const std::string copy = program + "copy";
    writeSystemIni(systemIni);
    writeList(list);

    auto registry = std::make_shared<RegistryFile>(machine.registryPath());
    auto system = std::make_shared<PosixSystem>();
    SaverPanel panel(program, registry, system);
    if (!panel.load().empty())
        return 1;
    SaverApply apply(registry, std::make_shared<LineFiles>(), system);

    const Timing cp = shell("cp " + quoted(systemIni) + " " + quoted(copy));
    const Timing cpSync = shell("cp " + quoted(systemIni) + " " + quoted(copy) + " && sync " + quoted(copy));
    const Timing applyStep = bestOf([&] { apply.apply("C:\\SAVERS\\MYSTIFY.SCR"); });
    const Timing cpBoth = shell(
        "cp " + quoted(systemIni) + " " + quoted(copy) + " && cp " + quoted(list) + " " + quoted(copy + ".dat"));
    const Timing cpBothSync = shell("cp " + quoted(systemIni) + " " + quoted(copy) + " && cp " + quoted(list) + " "
        + quoted(copy + ".dat") + " && sync " + quoted(copy) + " " + quoted(copy + ".dat"));
    const Timing save = bestOf([&] { panel.save(); });

    std::printf("system.ini of %d lines (%.1f MB), dozarn.dat of %d entries (%.1f MB), best of %d runs\n", lineCount,
        fs::file_size(systemIni) / 1e6, lineCount, fs::file_size(list) / 1e6, runs);
    header();
    report("cp system.ini", cp, cp);
    report("cp system.ini, then sync", cpSync, cp);
    report("apply step (read, edit, write system.ini)", applyStep, cp);
    report("  the same against cp + sync", applyStep, cpSync);
    report("cp system.ini and dozarn.dat", cpBoth, cp);
    report("cp of both, then sync", cpBothSync, cp);
    report("Save and Exit (list, settings, system.ini)", save, cp);
    report("  the same against cp of both", save, cpBoth);
    report("  the same against cp of both + sync", save, cpBothSync);

    fs::remove_all(scratch);
    return 0;
}
