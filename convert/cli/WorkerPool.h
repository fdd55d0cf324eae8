#pragma once

#include <cstddef>
#include <functional>

// Runs job(0) to job(count - 1), each exactly once, on up to `workers` threads (the calling thread
// among them), and returns when all have finished. Jobs must not throw.
void runOnWorkers(std::size_t count, unsigned workers, const std::function<void(std::size_t)>& job);

// One worker per processor the system reports (at least one).
unsigned processorCount();
