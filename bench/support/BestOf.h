#pragma once

#include <algorithm>
#include <chrono>
#include <functional>
#include <sys/resource.h>

// A benchmark's best of several runs: the least disturbed by whatever else the machine does.
struct Timing {
    double wall = 1e300; // milliseconds
    double cpu = 1e300;
};

inline double cpuMilliseconds(int who)
{
    rusage usage {};
    ::getrusage(who, &usage);
    auto ms = [](const timeval& t) { return t.tv_sec * 1e3 + t.tv_usec / 1e3; };
    return ms(usage.ru_utime) + ms(usage.ru_stime);
}

// `who` is RUSAGE_SELF for work done here and RUSAGE_CHILDREN for work done by programs started here.
inline Timing bestOfRuns(const std::function<void()>& action, int who, int times)
{
    Timing best;
    for (int run = 0; run < times; ++run) {
        double cpuBefore = cpuMilliseconds(who);
        auto start = std::chrono::steady_clock::now();
        action();
        std::chrono::duration<double, std::milli> spent = std::chrono::steady_clock::now() - start;
        best.wall = std::min(best.wall, spent.count());
        best.cpu = std::min(best.cpu, cpuMilliseconds(who) - cpuBefore);
    }
    return best;
}
