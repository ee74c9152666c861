// Tests of the batch workers: every item done once, by slices, failures raised by Wait.
#include <gtest/gtest.h>

#include <atomic>
#include <stdexcept>
#include <vector>

#include "platform/rtl/BatchWorkers.h"

namespace {

// Each item of batches of several sizes (fewer items than workers, none,
// many) is visited exactly once, whatever the number of workers, and a
// worker index stays within the slices.
TEST(BatchWorkers, VisitsEveryItemOnceInSlices)
{
    for (int workers : {0, 1, 3}) {
        rtl::TBatchWorkers pool(workers);
        for (std::size_t count : {std::size_t{0}, std::size_t{2}, std::size_t{1000}}) {
            std::vector<std::atomic<int>> visits(count);
            std::atomic<bool> workerInRange{true};
            pool.Start(count, [&](int worker, std::size_t begin, std::size_t end) {
                if (worker < 0 || worker >= pool.Slices()) workerInRange = false;
                for (std::size_t i = begin; i < end; ++i) ++visits[i];
            });
            pool.Wait();
            for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(visits[i].load(), 1) << workers << " " << count << " " << i;
            EXPECT_TRUE(workerInRange);
        }
    }
}

// A slice that throws: Wait raises it once, the other slices still finish,
// and the workers take the next batch.
TEST(BatchWorkers, WaitRaisesAFailedSliceAndTheWorkersGoOn)
{
    for (int workers : {0, 2}) {
        rtl::TBatchWorkers pool(workers);
        std::atomic<int> done{0};
        pool.Start(10, [&](int, std::size_t begin, std::size_t end) {
            if (begin == 0) throw std::runtime_error("row 1 failed");
            done += static_cast<int>(end - begin);
        });
        try {
            pool.Wait();
            ADD_FAILURE() << "no failure raised";
        } catch (const std::runtime_error& e) {
            EXPECT_STREQ(e.what(), "row 1 failed");
        }
        EXPECT_EQ(done.load(), workers == 0 ? 0 : 5);
        pool.Wait();
        pool.Start(4, [&](int, std::size_t begin, std::size_t end) { done += static_cast<int>(end - begin); });
        pool.Wait();
        EXPECT_EQ(done.load(), workers == 0 ? 4 : 9);
    }
}

}  // namespace
