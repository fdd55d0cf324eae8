#include "convert/cli/WorkerPool.h"

#include <atomic>
#include <gtest/gtest.h>
#include <vector>

TEST(WorkerPool, everyJobRunsExactlyOnceWhateverTheWorkerCount)
{
    for (std::size_t count : { 0u, 1u, 7u, 500u })
        for (unsigned workers : { 0u, 1u, 2u, 16u }) {
            std::vector<std::atomic<int>> runs(count);
            runOnWorkers(count, workers, [&](std::size_t i) { ++runs[i]; });
            for (std::size_t i = 0; i < count; ++i)
                EXPECT_EQ(runs[i], 1) << "job " << i << " of " << count << " on " << workers << " workers";
        }
    EXPECT_GE(processorCount(), 1u);
}
