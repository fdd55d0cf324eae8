// Times reading, writing and searching line lists against cp of the same file, in one run, and
// prints the ratios. Usage: bench_line_list [folder for the scratch files]
//
// Both wall-clock and processor time (user + system) are shown: on a busy machine the processor
// time of this program against that of the cp processes is the steadier comparison.
#include "bench/support/BestOf.h"
#include "cycle/LineList.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <string>
#include <sys/resource.h>

namespace {

constexpr int runs = 5;

Timing bestOf(const std::function<void()>& action, int who = RUSAGE_SELF, int times = runs)
{
    return bestOfRuns(action, who, times);
}

void shell(const std::string& command)
{
    if (std::system(command.c_str()) != 0) {
        std::fprintf(stderr, "failed: %s\n", command.c_str());
        std::exit(1);
    }
}

Timing cp(const std::string& from, const std::string& to, bool sync = false)
{
    std::string command = "cp '" + from + "' '" + to + "'";
    if (sync)
        command += " && sync '" + to + "'";
    return bestOf([&] { shell(command); }, RUSAGE_CHILDREN);
}

void writeListFile(const std::string& path, int entries)
{
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < entries; ++i)
        out << "C:\\My Documents\\Pictures\\Holiday " << (1990 + i % 20) << "\\picture" << i << ".bmp\r\n";
}

void writeWinIni(const std::string& path, int lines)
{
    std::ofstream out(path, std::ios::binary);
    for (int i = 0; i < lines; ++i) {
        if (i % 50 == 0)
            out << "[Section" << i / 50 << "]\r\n";
        else if (i == lines / 2 + 1)
            out << "Wallpaper=C:\\WINDOWS\\Clouds.bmp\r\n";
        else
            out << "Entry" << i << "=some value of a typical length\r\n";
    }
}

void header()
{
    std::printf("  %-42s %10s %10s %8s %8s\n", "", "wall ms", "cpu ms", "wall/cp", "cpu/cp");
}

void report(const char* what, Timing t, Timing base)
{
    std::printf("  %-42s %10.2f %10.2f %8.2f %8.2f\n", what, t.wall, t.cpu, t.wall / base.wall, t.cpu / base.cpu);
}

} // namespace

int main(int argc, char** argv)
{
    namespace fs = std::filesystem;
    fs::path scratch = fs::path(argc > 1 ? argv[1] : fs::temp_directory_path().string()) / "zentrel-bench-cycle";
    fs::create_directories(scratch);
    const std::string list = (scratch / "murello.dat").string();
    const std::string copy = (scratch / "copy.dat").string();
    const std::string written = (scratch / "written.dat").string();
    const std::string winIni = (scratch / "win.ini").string();
    writeListFile(list, 1000000);
    writeWinIni(winIni, 100000);

    const Timing cpList = cp(list, copy);
    const Timing cpSync = cp(list, copy, true);
    // Each read fills a fresh list, as at program start; freeing the last one is not timed.
    LineList lines;
    Timing read;
    for (int run = 0; run < runs; ++run) {
        LineList fresh;
        Timing once = bestOf([&] { readLineList(list, fresh); }, RUSAGE_SELF, 1);
        read = { std::min(read.wall, once.wall), std::min(read.cpu, once.cpu) };
        lines.swap(fresh);
    }
    const Timing write = bestOf([&] { writeLineList(written, lines); });

    std::printf("1,000,000-entry list file, %.1f MB, best of %d runs\n", fs::file_size(list) / 1e6, runs);
    header();
    report("cp", cpList, cpList);
    report("cp, then sync of the copy", cpSync, cpList);
    report("readLineList", read, cpList);
    report("writeLineList (temporary, fsync, rename)", write, cpList);
    report("  the same against cp + sync", write, cpSync);

    const Timing cpIni = cp(winIni, copy);
    LineList ini;
    readLineList(winIni, ini);
    std::size_t found = 0;
    const Timing find = bestOf([&] { found = findLinesByPrefix(ini, 10, "WALLPAPER=").size(); });
    const Timing readFind = bestOf([&] {
        readLineList(winIni, ini);
        found = findLinesByPrefix(ini, 10, "WALLPAPER=").size();
    });
    std::printf("100,000-line win.ini, %.1f MB, %zu match\n", fs::file_size(winIni) / 1e6, found);
    header();
    report("cp", cpIni, cpIni);
    report("findLinesByPrefix", find, cpIni);
    report("readLineList + findLinesByPrefix", readFind, cpIni);

    fs::remove_all(scratch);
    return 0;
}
