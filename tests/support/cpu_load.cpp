// CpuLoad: spinning child processes, stopped by their process ids.
#include "support/cpu_load.h"
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

CpuLoad::CpuLoad(int processes, int lifetimeSeconds)
{
    for (int i = 0; i < processes; i++) {
        pid_t pid = ::fork();
        if (pid == 0) {
            // Only async-signal-safe calls here: the parent may have threads.
            ::alarm(unsigned(lifetimeSeconds));
            volatile unsigned long spin = 0;
            for (;;) spin = spin + 1;
        }
        if (pid > 0) pids_.push_back(pid);
    }
}

CpuLoad::~CpuLoad()
{
    for (int pid : pids_) ::kill(pid, SIGKILL);
    for (int pid : pids_) ::waitpid(pid, nullptr, 0);
}
