// One running copy per program folder: a lock file plus a local socket for "come to the front".
#pragma once

enum class InstanceResult { First, OtherRunning, Error };

// Takes the lock in folder; when another copy holds it, asks that copy to come to the front.
InstanceResult instance_acquire(const char* folder);
// Answers pending "come to the front" requests; true when one arrived.
bool instance_poll_raise();
void instance_release();
