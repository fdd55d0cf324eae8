// The converter's only use of threads, kept here so that a port swaps this file alone.
#include "convert/cli/WorkerPool.h"

#include <algorithm>
#include <atomic>
#include <system_error>
#include <thread>
#include <vector>

void runOnWorkers(std::size_t count, unsigned workers, const std::function<void(std::size_t)>& job)
{
    std::atomic<std::size_t> next { 0 };
    auto work = [&] {
        for (std::size_t i = next++; i < count; i = next++)
            job(i);
    };
    const std::size_t helpers = std::min<std::size_t>(std::max(workers, 1u), count) - (count > 0 ? 1 : 0);
    std::vector<std::thread> threads;
    try {
        for (std::size_t i = 0; i < helpers; ++i)
            threads.emplace_back(work);
    } catch (const std::system_error&) {
        // Fewer threads than asked for still finish every job.
    }
    work();
    for (std::thread& thread : threads)
        thread.join();
}

unsigned processorCount()
{
    return std::max(std::thread::hardware_concurrency(), 1u);
}
