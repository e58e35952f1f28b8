// Runs independent jobs on two worker threads; each job writes only its own result slot, so output never depends on timing.
#pragma once
#include <atomic>
#include <functional>
#include <thread>
#include <vector>

inline void parallel_for(int count, const std::function<void(int)>& job, int threads = 2)
{
    std::atomic<int> next{0};
    auto worker = [&]() {
        for (int i = next++; i < count; i = next++) job(i);
    };
    std::vector<std::thread> pool;
    for (int t = 1; t < threads; t++) pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool) t.join();
}
