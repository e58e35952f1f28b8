// Test helper: other processes that keep every core busy while a test runs.
#pragma once
#include <vector>

class CpuLoad {
public:
    // Starts this many spinning child processes (each ends by itself after at most lifetimeSeconds).
    explicit CpuLoad(int processes, int lifetimeSeconds = 120);
    // Stops them, by their own process ids.
    ~CpuLoad();
    CpuLoad(const CpuLoad&) = delete;
    CpuLoad& operator=(const CpuLoad&) = delete;
    int running() const { return int(pids_.size()); }

private:
    std::vector<int> pids_;
};
