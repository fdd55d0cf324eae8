// A theme with 28 colours and 30 sound events applied to a stand-in machine, again and again: the
// registry store is replaced and flushed for what is written, which is most of the time.
// Usage: bench_theme_apply [rounds] [folder for the scratch machine]
#include "cycle/LineFiles.h"
#include "cycle/PosixSystem.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInMachine.h"
#include "panels/theme/ThemeApplier.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

constexpr int soundEvents = 30;
constexpr int colours = 28;

std::string eventName(int index)
{
    return "Event" + std::to_string(index);
}

// The stand-in machine holds Windows 98's events; the theme's made-up ones need their keys.
void addEventKeys(const std::string& registryPath)
{
    std::ofstream store(registryPath, std::ios::binary | std::ios::app);
    for (int event = 2; event < soundEvents; ++event)
        store << "[HKEY_CURRENT_USER\\AppEvents\\Schemes\\Apps\\.Default\\" << eventName(event)
              << "\\.Current]\r\n@=\"\"\r\n\r\n";
}

std::string themeText(int round)
{
    std::string text = "[Control Panel\\Desktop]\r\nWallpaper=%WinDir%sea" + std::to_string(round)
        + ".bmp\r\nTileWallpaper=0\r\n[Control Panel\\Colors]\r\n";
    for (int colour = 0; colour < colours; ++colour)
        text += "Colour" + std::to_string(colour) + "=" + std::to_string(round % 256) + " 0 " + std::to_string(colour)
            + "\r\n";
    for (int event = 0; event < soundEvents; ++event) {
        std::string name = event == 0 ? "SystemStart" : event == 1 ? "SystemExit" : eventName(event);
        text += "[AppEvents\\Schemes\\Apps\\.Default\\" + name + "\\.Current]\r\nDefaultValue=%WinDir%Media\\" + name
            + std::to_string(round) + ".wav\r\n";
    }
    return text;
}

} // namespace

int main(int argc, char** argv)
{
    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    const fs::path folder = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path() / "zentrel-theme-bench";
    fs::remove_all(folder);
    fs::create_directories(folder);
    const std::string program = folder.string() + "/";
    StandInMachine machine(program);
    machine.ensureExists();
    addEventKeys(machine.registryPath());

    auto registry = std::make_shared<RegistryFile>(machine.registryPath());
    ThemeApplier applier(registry, std::make_shared<LineFiles>(), std::make_shared<PosixSystem>());
    std::vector<double> times;
    for (int round = 0; round < rounds; ++round) {
        const std::string themePath = program + "Sea.theme";
        std::ofstream(themePath, std::ios::binary) << themeText(round);
        auto start = std::chrono::steady_clock::now();
        auto failures = applier.apply(themePath).failures;
        times.push_back(std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start).count());
        if (!failures.empty()) {
            std::printf("failed: %s\n", failures.front().c_str());
            return 1;
        }
    }
    std::sort(times.begin(), times.end());
    std::printf(
        "theme apply, %d colours and %d sound events: median %.1f ms, best %.1f ms, worst %.1f ms (%d rounds)\n",
        colours, soundEvents, times[times.size() / 2], times.front(), times.back(), rounds);
    fs::remove_all(folder);
    return 0;
}
