#include "analysis/parallel_for.h"

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

namespace vork {

void ParallelFor(size_t count, int jobs, const std::function<void(size_t)>& work) {
    std::atomic<size_t> next{0};
    auto worker = [&] {
        for (size_t i = next++; i < count; i = next++)
            work(i);
    };
    size_t threads = std::min(count, static_cast<size_t>(std::max(jobs, 1)));
    std::vector<std::thread> pool;
    for (size_t t = 1; t < threads; ++t)
        pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool)
        t.join();
}

}  // namespace vork
