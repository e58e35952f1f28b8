// One running copy per browser: the page holds a lock while the game runs; a later tab asks it to the front.
#include "platform/instance.h"
#include <emscripten.h>

// The page decides before the game starts (an async lock the program cannot wait for); it tells the result
// through Module.vorlaineOtherTab, and counts "come to the front" requests from later tabs.
InstanceResult instance_acquire(const char*)
{
    return EM_ASM_INT({ return Module.vorlaineOtherTab ? 1 : 0; }) ? InstanceResult::OtherRunning
                                                                   : InstanceResult::First;
}

bool instance_poll_raise()
{
    return EM_ASM_INT({
        const asked = Module.vorlaineRaiseRequests | 0;
        Module.vorlaineRaiseRequests = 0;
        return asked;
    }) != 0;
}

void instance_release() {}
