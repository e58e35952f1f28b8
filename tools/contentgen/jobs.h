// Runs independent generator jobs on the machine's cores; each job writes its own files.
#pragma once
#include <functional>
#include <string>
#include <vector>

struct Job {
    std::string name;
    std::function<bool()> run;
};

// Runs every job (at most `threads` at once, 0 = one per core); true when all succeeded.
bool run_jobs(const std::vector<Job>& jobs, unsigned threads = 0);
