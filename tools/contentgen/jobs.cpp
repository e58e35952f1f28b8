// Runs independent generator jobs on the machine's cores.
#include "jobs.h"
#include <algorithm>
#include <atomic>
#include <cstdio>
#include <thread>

bool run_jobs(const std::vector<Job>& jobs, unsigned threads)
{
    if (threads == 0) threads = std::max(1u, std::thread::hardware_concurrency());
    threads = std::min<unsigned>(threads, unsigned(jobs.size()));
    std::atomic<size_t> next{0};
    std::atomic<bool> ok{true};
    auto worker = [&]() {
        for (size_t i = next++; i < jobs.size(); i = next++) {
            if (!jobs[i].run()) {
                std::fprintf(stderr, "contentgen: %s failed\n", jobs[i].name.c_str());
                ok = false;
            }
        }
    };
    std::vector<std::thread> pool;
    for (unsigned t = 1; t < threads; t++) pool.emplace_back(worker);
    worker();
    for (std::thread& t : pool) t.join();
    return ok;
}
