// Attacks the file writes the way acceptance testing did and counts the damage.
// Usage: bench_file_safety [kills] [folder for the scratch files]
//
// Kills: a process that keeps replacing a 60 MB list file is killed at a random moment, again and
// again; what is left beside the file afterwards is counted.
// Hand edits: while the program saves a registry value 400 times, an editor saves the store every
// 20 ms by writing a copy and renaming it over (as editors do), 60 times, and looks 20 ms later
// whether its edit is still there.
#include "bench/support/ReadAll.h"
#include "cycle/AtomicFile.h"
#include "cycle/RegistryFile.h"

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

namespace fs = std::filesystem;

void kills(const fs::path& folder, int count)
{
    fs::create_directories(folder);
    const fs::path target = folder / "murello.dat";
    std::mt19937 random(7);
    for (int kill = 0; kill < count; ++kill) {
        pid_t writer = ::fork();
        if (writer == 0) {
            std::string bytes(60 << 20, 'x');
            for (;;)
                writeFileAtomically(target.string(), bytes);
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(10 + random() % 90));
        ::kill(writer, SIGKILL);
        ::waitpid(writer, nullptr, 0);
    }
    std::uintmax_t leftFiles = 0, leftBytes = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
        if (entry.path() != target) {
            ++leftFiles;
            leftBytes += entry.file_size();
        }
    }
    std::printf("kills during saves: %d, files left beside the target: %ju (%ju bytes)\n", count, leftFiles, leftBytes);
}

void handEdits(const fs::path& folder)
{
    fs::create_directories(folder);
    const fs::path store = folder / "registry.reg";
    std::ofstream(store, std::ios::binary) << "REGEDIT4\r\n\r\n[HKEY_CURRENT_USER\\Control Panel\\Desktop]\r\n"
                                              "\"Wallpaper\"=\"(None)\"\r\n\"Hand\"=\"-\"\r\n\r\n";
    std::fflush(stdout);
    pid_t editor = ::fork();
    if (editor == 0) {
        int lost = 0;
        for (int edit = 0; edit < 60; ++edit) {
            std::string text = readAll(store), mark = "\"Hand\"=\"" + std::to_string(edit) + "\"";
            auto at = text.find("\"Hand\"=");
            text.replace(at, text.find("\r\n", at) - at, mark);
            std::ofstream(folder / "registry.edit", std::ios::binary) << text;
            fs::rename(folder / "registry.edit", store);
            std::this_thread::sleep_for(std::chrono::milliseconds(20));
            lost += readAll(store).find(mark) == std::string::npos ? 1 : 0;
        }
        std::printf("hand edits lost: %d of 60\n", lost);
        std::fflush(stdout);
        ::_exit(0);
    }
    RegistryFile registry(store.string());
    int failed = 0;
    auto start = std::chrono::steady_clock::now();
    for (int save = 0; save < 400; ++save) {
        auto key = registry.openKey(RegistryRoot::CurrentUser, "\\Control Panel\\Desktop");
        failed += key && key->setStringValue("Wallpaper", "/w/" + std::to_string(save)) ? 0 : 1;
    }
    std::chrono::duration<double> spent = std::chrono::steady_clock::now() - start;
    ::waitpid(editor, nullptr, 0);
    std::printf("registry saves: 400 in %.2f s, failed: %d\n", spent.count(), failed);
}

} // namespace

int main(int argc, char** argv)
{
    int count = argc > 1 ? std::atoi(argv[1]) : 100;
    fs::path scratch = argc > 2 ? fs::path(argv[2]) : fs::temp_directory_path();
    scratch /= "zentrel-bench-file-safety-" + std::to_string(::getpid());
    kills(scratch / "kills", count);
    handEdits(scratch / "edits");
    fs::remove_all(scratch);
}
