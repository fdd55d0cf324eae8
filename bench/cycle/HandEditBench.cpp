// Hand edits of win.ini, system.ini and the registry store while the program cycles: one editor
// per file saves it every 20 ms, by turns writing a copy and renaming it over (as most editors do)
// and rewriting it in place (as others do), and looks 20 ms later whether its edit is still there.
// A save the program overwrites is lost; so is one whose mark the program's edit of a torn read
// dropped. Cycles that fail (a file read while an editor was writing it) are counted apart.
// Meanwhile the program applies a wallpaper (win.ini and the store) and a screen saver (system.ini)
// at every cycle, as zentrel-cycle does at each login.
// Usage: bench_hand_edits [--unchecked] [cycles] [folder for the scratch machine]
// --unchecked writes win.ini and system.ini as they were written before: read, edit, write over,
// with no check before the replacement (the registry store keeps its own check).
#include "bench/support/ReadAll.h"
#include "cycle/Exception.h"
#include "cycle/LineFiles.h"
#include "cycle/PosixSystem.h"
#include "cycle/RegistryFile.h"
#include "cycle/StandInMachine.h"
#include "panels/saver/SaverApply.h"
#include "panels/wallpaper/WallpaperApply.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

namespace fs = std::filesystem;

struct EditedFile {
    const char* name;
    fs::path path;
    std::string key; // the editor's line starts with it; the value follows up to the line end
};

// Over the old bytes, then cut to length: the file is never empty in between, as it would be for a
// while after a truncating open on a busy machine (the program would then read an empty file).
void saveInPlace(const fs::path& path, const std::string& text)
{
    int fd = ::open(path.c_str(), O_WRONLY);
    if (fd >= 0) {
        if (::pwrite(fd, text.data(), text.size(), 0) != static_cast<ssize_t>(text.size())
            || ::ftruncate(fd, static_cast<off_t>(text.size())) != 0)
            std::perror("in-place save");
        ::close(fd);
    }
}

// Runs in a process of its own until the stop file appears; prints what it lost.
void edit(const EditedFile& file, const fs::path& stop)
{
    int edits = 0, lost = 0, lostInPlace = 0;
    for (; !fs::exists(stop); ++edits) {
        std::string text = readAll(file.path);
        auto at = text.find(file.key);
        if (at == std::string::npos) {
            std::printf("%s: the editor's line is gone\n", file.name);
            break;
        }
        at += file.key.size();
        const std::string mark = file.key + std::to_string(edits) + "\"";
        text.replace(at - file.key.size(), text.find("\r\n", at) - at + file.key.size(), mark);
        const bool inPlace = edits % 2 == 1;
        if (inPlace) {
            saveInPlace(file.path, text);
        } else {
            fs::path copy = file.path;
            copy += ".edit";
            std::ofstream(copy, std::ios::binary) << text;
            fs::rename(copy, file.path);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        if (readAll(file.path).find(mark) == std::string::npos) {
            ++lost;
            lostInPlace += inPlace ? 1 : 0;
        }
    }
    std::printf("%s: hand edits lost %d of %d (%d of them saved in place)\n", file.name, lost, edits, lostInPlace);
    std::fflush(stdout);
}

class UncheckedLineFiles : public LineFiles {
public:
    void edit(const std::string& path, LineList& lines, const std::function<void(LineList&)>& change) override
    {
        readChangeWrite(path, lines, change);
    }
};

} // namespace

int main(int argc, char** argv)
{
    const bool unchecked = argc > 1 && std::string(argv[1]) == "--unchecked";
    if (unchecked) {
        --argc;
        ++argv;
    }
    const int cycles = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1000;
    const fs::path folder = (argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path())
        / ("zentrel-bench-hand-edits-" + std::to_string(::getpid()));
    fs::create_directories(folder);
    const std::string program = folder.string() + "/";
    StandInMachine machine(program);
    machine.ensureExists();
    const fs::path windows = machine.windowsDirectory();
    std::ofstream(windows / "win.ini", std::ios::binary | std::ios::app) << "[Editor]\r\nHand=\"-\"\r\n";
    std::ofstream(windows / "system.ini", std::ios::binary | std::ios::app) << "[Editor]\r\nHand=\"-\"\r\n";
    std::ofstream(machine.registryPath(), std::ios::binary | std::ios::app)
        << "[HKEY_CURRENT_USER\\Editor]\r\n\"Hand\"=\"-\"\r\n\r\n";

    const fs::path stop = folder / "stop";
    const std::vector<EditedFile> files = {
        { "win.ini", windows / "win.ini", "\r\nHand=\"" },
        { "system.ini", windows / "system.ini", "\r\nHand=\"" },
        { "registry store", machine.registryPath(), "\r\n\"Hand\"=\"" },
    };
    std::fflush(stdout);
    std::vector<pid_t> editors;
    for (const EditedFile& file : files) {
        pid_t editor = ::fork();
        if (editor == 0) {
            edit(file, stop);
            ::_exit(0);
        }
        editors.push_back(editor);
    }

    auto registry = std::make_shared<RegistryFile>(machine.registryPath());
    std::shared_ptr<LineFiles> lineFiles = std::make_shared<LineFiles>();
    if (unchecked)
        lineFiles = std::make_shared<UncheckedLineFiles>();
    WallpaperApply wallpaper(registry, lineFiles);
    SaverApply saver(registry, lineFiles, std::make_shared<PosixSystem>());
    int failed = 0;
    std::map<std::string, int> failures;
    const auto start = std::chrono::steady_clock::now();
    for (int cycle = 0; cycle < cycles; ++cycle) {
        const AppliedEntry entry { 1, "/pictures/" + std::to_string(cycle) + ".bmp", cycle % 2 ? "t" : "f" };
        try {
            wallpaper.readWinIni();
            wallpaper.writeWinIni(entry);
            wallpaper.setDesktopValues(entry);
            saver.apply("/savers/" + std::to_string(cycle) + ".scr");
        } catch (const Exception& error) {
            ++failed;
            ++failures[error.what()];
        }
    }
    const std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    std::ofstream(stop) << "";
    for (pid_t editor : editors)
        ::waitpid(editor, nullptr, 0);
    std::printf("cycles: %d in %.1f s, failed: %d\n", cycles, spent.count(), failed);
    for (const auto& [message, count] : failures)
        std::printf("  %d x %s\n", count, message.c_str());
    fs::remove_all(folder);
}
