// Times the program's start-up from process start to the first paint of the Control Center, and
// reports the peak memory, for a program directory with empty module lists and for one with five
// lists of 100,000 entries each, side by side.
//
//   zentrel_bench_startup [runs]
//
// Each run is a fresh process (this program started again with --child) so that loading the
// libraries counts; the child runs the same start-up as the program and reports when the Control
// Center is first painted.

#include "shell/TStartup.h"
#include "shell/TWindowSet.h"
#include "shell/skin/TSkinnedForm.h"

#include <QApplication>
#include <QDir>
#include <QEvent>
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

void prepareLarge(const std::string& folder)
{
    struct List {
        const char* file;
        const char* extension;
    };
    for (List list : { List { "murello.dat", "bmp" }, List { "tonvikst.dat", "wav" }, List { "dozarn.dat", "scr" },
             List { "brisko.dat", "bmp" }, List { "ambrel.dat", "theme" } }) {
        std::ofstream out(folder + list.file, std::ios::binary);
        for (int i = 0; i < entries; ++i)
            out << "/home/user/collection/" << list.file << "/entry number " << i << "." << list.extension << "\r\n";
    }
    std::ofstream flags(folder + "murello.cfg", std::ios::binary);
    flags << "t\r\n1\r\n";
    for (int i = 0; i < entries; ++i)
        flags << (i % 2 ? "t\r\n" : "f\r\n");
}

struct Sample {
    double milliseconds; // wall clock, process start to first paint
    double cpuMilliseconds; // the child's own processor time, which a loaded machine disturbs less
    long peakKilobytes;
};

Sample runChild(const std::string& self, const std::string& folder)
{
    int pipeEnds[2];
    if (pipe(pipeEnds) != 0)
        std::exit(1);
    std::string fd = std::to_string(pipeEnds[1]);
    std::vector<char*> args { const_cast<char*>(self.c_str()), const_cast<char*>("--child"),
        const_cast<char*>(folder.c_str()), fd.data(), nullptr };
    auto start = std::chrono::steady_clock::now();
    // The offscreen platform's notices would drown the table.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t child = 0;
    int spawned = posix_spawn(&child, self.c_str(), &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0)
        std::exit(1);
    close(pipeEnds[1]);
    char report[64] = {};
    ssize_t got = read(pipeEnds[0], report, sizeof report - 1);
    auto shown = std::chrono::steady_clock::now();
    close(pipeEnds[0]);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    auto cpu = [](timeval t) { return t.tv_sec * 1000.0 + t.tv_usec / 1000.0; };
    if (got <= 0) {
        std::fprintf(stderr, "the child did not show the Control Center\n");
        std::exit(1);
    }
    return { std::chrono::duration<double, std::milli>(shown - start).count(),
        cpu(usage.ru_utime) + cpu(usage.ru_stime), std::atol(report) };
}

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Reports the first paint of the Control Center through the pipe and leaves at once.
class FirstPaint : public QObject {
public:
    explicit FirstPaint(int fd)
        : fd_(fd)
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::Paint) {
            rusage usage {};
            getrusage(RUSAGE_SELF, &usage);
            std::string report = std::to_string(usage.ru_maxrss) + "\n";
            if (write(fd_, report.data(), report.size()) < 0)
                std::_Exit(1);
            std::_Exit(0);
        }
        return false;
    }

private:
    int fd_;
};

int child(int argc, char** argv, const std::string& folder, int fd)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    TStartup startup(folder);
    FirstPaint watcher(fd);
    startup.windows().mainWindow().installEventFilter(&watcher);
    return startup.run();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 4 && std::string(argv[1]) == "--child")
        return child(1, argv, argv[2], std::atoi(argv[3]));

    int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 7;
    std::string self = QDir(QString::fromLocal8Bit(argv[0])).absolutePath().toStdString();
    std::string base = QDir::tempPath().toStdString() + "/zentrel-bench-startup-" + std::to_string(getpid());
    std::string empty = base + "/empty/", large = base + "/large/";
    QDir().mkpath(QString::fromStdString(empty));
    QDir().mkpath(QString::fromStdString(large));
    prepareLarge(large);

    // The first start makes the stand-in machine; it is not counted.
    runChild(self, empty);
    runChild(self, large);

    std::vector<double> emptyTimes, largeTimes, emptyCpu, largeCpu;
    long emptyPeak = 0, largePeak = 0;
    for (int i = 0; i < runs; ++i) {
        Sample a = runChild(self, empty);
        Sample b = runChild(self, large);
        emptyTimes.push_back(a.milliseconds);
        largeTimes.push_back(b.milliseconds);
        emptyCpu.push_back(a.cpuMilliseconds);
        largeCpu.push_back(b.cpuMilliseconds);
        emptyPeak = std::max(emptyPeak, a.peakKilobytes);
        largePeak = std::max(largePeak, b.peakKilobytes);
    }
    QDir(QString::fromStdString(base)).removeRecursively();

    double emptyWall = median(emptyTimes), largeWall = median(largeTimes);
    double emptyProcessor = median(emptyCpu), largeProcessor = median(largeCpu);
    std::printf("%-32s %11s %11s %11s\n", "program directory", "start (ms)", "cpu (ms)", "peak (MiB)");
    std::printf("%-32s %11.1f %11.1f %11.1f\n", "five empty lists", emptyWall, emptyProcessor, emptyPeak / 1024.0);
    std::printf(
        "%-32s %11.1f %11.1f %11.1f\n", "five lists of 100,000 entries", largeWall, largeProcessor, largePeak / 1024.0);
    std::printf("large / empty: %.2f x start, %.2f x cpu, %.2f x memory (medians of %d runs each)\n",
        largeWall / emptyWall, largeProcessor / emptyProcessor, double(largePeak) / double(emptyPeak), runs);
    return 0;
}
