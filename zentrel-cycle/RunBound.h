#pragma once

#include <condition_variable>
#include <mutex>
#include <thread>

// A time bound on a run, and so on how long it holds the run lock: a file that never answers (a
// network folder that hangs, say) must not keep the next login waiting for good. When the bound
// passes before the bound is destroyed, the process says so on standard error and ends with exit
// status 1; the lock goes with it. Files are replaced whole or not at all, so an end at any moment
// leaves each one whole.
class RunBound {
public:
    explicit RunBound(unsigned seconds);
    ~RunBound();
    RunBound(const RunBound&) = delete;
    RunBound& operator=(const RunBound&) = delete;

private:
    std::mutex m_mutex;
    std::condition_variable m_finished;
    bool m_done = false;
    std::thread m_watch; // last: it starts once the others are there
};
