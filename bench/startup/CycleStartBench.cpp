// Times one zentrel-cycle run with all five modules enabled and lists of 100,000 entries, beside
// the windowed program's start-up (to the first paint of its Control Center) on the same folder.
//
//   zentrel_bench_cycle_start [runs]
//
// Both are fresh processes, so loading the libraries counts: zentrel-cycle itself, and the
// start-up benchmark's child, which starts the program and leaves at its first paint.

#include "cycle/StandInMachine.h"

#include <QDir>
#include <QImage>
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <fstream>
#include <spawn.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

extern char** environ;

namespace {

constexpr int entries = 100000;

// The folder the lists are made in; removed however the benchmark ends.
std::string scratch;

void removeScratch()
{
    if (!scratch.empty())
        QDir(QString::fromStdString(scratch)).removeRecursively();
}

void prepareLarge(const std::string& folder)
{
    struct List {
        const char* file;
        const char* extension;
    };
    for (List list : { List { "murello.dat", "bmp" }, List { "tonvikst.dat", "wav" }, List { "tonvikxt.dat", "wav" },
             List { "dozarn.dat", "scr" } }) {
        std::ofstream out(folder + list.file, std::ios::binary);
        for (int i = 0; i < entries; ++i)
            out << "/home/user/collection/" << list.file << "/entry number " << i << "." << list.extension << "\r\n";
    }
    // The logo and theme steps read their entry, so those lists name files that are there.
    QImage logo(320, 400, QImage::Format_Indexed8);
    logo.setColorTable(QList<QRgb>(256, qRgb(0, 0, 128)));
    logo.fill(0);
    logo.save(QString::fromStdString(folder + "logo.bmp"), "BMP");
    std::ofstream logos(folder + "brisko.dat", std::ios::binary);
    for (int i = 0; i < entries; ++i)
        logos << folder << "logo.bmp\r\n";
    std::ofstream themes(folder + "ambrel.dat", std::ios::binary);
    for (int i = 0; i < entries; ++i)
        themes << folder << "plain.theme\r\n";
    std::ofstream(folder + "plain.theme", std::ios::binary) << "[Control Panel\\Desktop]\r\n";
    std::ofstream flags(folder + "murello.cfg", std::ios::binary);
    flags << "t\r\n1\r\n";
    for (int i = 0; i < entries; ++i)
        flags << (i % 2 ? "t\r\n" : "f\r\n");
    std::ofstream(folder + "tonvik.cfg", std::ios::binary) << "t\r\n1\r\nt\r\n1\r\n";
    for (const char* settings : { "dozarn.cfg", "brisko.cfg", "ambrel.cfg" })
        std::ofstream(folder + settings, std::ios::binary) << "t\r\n1\r\n";
    StandInMachine(folder).ensureExists();
}

struct Sample {
    double milliseconds; // wall clock, process start to its end (or to the first paint)
    double cpuMilliseconds;
    long peakKilobytes;
};

// Runs a program to its end; a child that reports through the pipe is timed to its report.
Sample run(std::vector<std::string> words, bool reportsThroughPipe)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        std::exit(1);
    if (reportsThroughPipe)
        words.push_back(std::to_string(pipeEnds[1]));
    std::vector<char*> args;
    for (std::string& word : words)
        args.push_back(word.data());
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    auto start = std::chrono::steady_clock::now();
    pid_t child = 0;
    if (posix_spawn(&child, args[0], &actions, nullptr, args.data(), environ) != 0)
        std::exit(1);
    posix_spawn_file_actions_destroy(&actions);
    close(pipeEnds[1]);
    char report[64] = {};
    if (reportsThroughPipe && read(pipeEnds[0], report, sizeof report - 1) <= 0) {
        std::fprintf(stderr, "%s did not report\n", args[0]);
        std::exit(1);
    }
    int status = 0;
    rusage usage {};
    auto reported = std::chrono::steady_clock::now();
    wait4(child, &status, 0, &usage);
    auto ended = std::chrono::steady_clock::now();
    close(pipeEnds[0]);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed\n", args[0]);
        std::exit(1);
    }
    auto cpu = [](timeval t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    return { std::chrono::duration<double, std::milli>((reportsThroughPipe ? reported : ended) - start).count(),
        cpu(usage.ru_utime) + cpu(usage.ru_stime), usage.ru_maxrss };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

} // namespace

int main(int argc, char** argv)
{
    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    std::string bin = QDir(QString::fromLocal8Bit(argv[0])).absolutePath().toStdString();
    bin = bin.substr(0, bin.rfind('/') + 1);
    std::string folder
        = QDir::tempPath().toStdString() + "/zentrel-bench-cycle-start-" + std::to_string(getpid()) + "/";
    QDir().mkpath(QString::fromStdString(folder));
    scratch = folder;
    std::atexit(removeScratch);
    prepareLarge(folder);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);
    setenv("SDL_AUDIODRIVER", "dummy", 1);

    std::vector<std::string> cycle { bin + "zentrel-cycle", "--program-dir", folder };
    std::vector<std::string> dryRun { bin + "zentrel-cycle", "--dry-run", "--program-dir", folder };
    std::vector<std::string> window { bin + "zentrel_bench_startup", "--child", folder };
    run(cycle, false);
    run(window, true);
    std::vector<double> cycleTimes, windowTimes, cycleCpu, windowCpu, dryTimes, dryCpu;
    long cyclePeak = 0, windowPeak = 0;
    for (int i = 0; i < runs; ++i) {
        Sample dry = run(dryRun, false);
        dryTimes.push_back(dry.milliseconds);
        dryCpu.push_back(dry.cpuMilliseconds);
        Sample a = run(cycle, false);
        Sample b = run(window, true);
        cycleTimes.push_back(a.milliseconds);
        cycleCpu.push_back(a.cpuMilliseconds);
        windowTimes.push_back(b.milliseconds);
        windowCpu.push_back(b.cpuMilliseconds);
        cyclePeak = std::max(cyclePeak, a.peakKilobytes);
        windowPeak = std::max(windowPeak, b.peakKilobytes);
    }

    std::printf(
        "%-44s %9s %9s %10s\n", "five modules, lists of 100,000 entries", "wall (ms)", "cpu (ms)", "peak (MiB)");
    std::printf("%-44s %9.1f %9.1f %10.1f\n", "zentrel-cycle, one whole run", median(cycleTimes), median(cycleCpu),
        cyclePeak / 1024.0);
    std::printf("%-44s %9.1f %9.1f\n", "zentrel-cycle --dry-run, no writes", median(dryTimes), median(dryCpu));
    std::printf("%-44s %9.1f %9.1f %10.1f\n", "zentrel, start to the Control Center's paint", median(windowTimes),
        median(windowCpu), windowPeak / 1024.0);
    std::printf("cycle / window start: %.2f x wall, %.2f x cpu (medians of %d runs each)\n",
        median(cycleTimes) / median(windowTimes), median(cycleCpu) / median(windowCpu), runs);
    return 0;
}
