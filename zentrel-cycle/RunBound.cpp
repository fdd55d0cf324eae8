#include "zentrel-cycle/RunBound.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>

RunBound::RunBound(unsigned seconds)
    : m_watch([this, seconds] {
        std::unique_lock lock(m_mutex);
        if (m_finished.wait_for(lock, std::chrono::seconds(seconds), [this] { return m_done; }))
            return;
        std::fprintf(stderr, "zentrel-cycle: stopped after %u seconds without finishing.\n", seconds);
        std::fflush(stderr);
        std::_Exit(1);
    })
{
}

RunBound::~RunBound()
{
    {
        std::lock_guard lock(m_mutex);
        m_done = true;
    }
    m_finished.notify_one();
    m_watch.join();
}
