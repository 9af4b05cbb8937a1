#include "othercore.h"

#include <pthread.h>
#include <sched.h>

namespace quorvel {

int currentCore()
{
    return sched_getcpu();
}

void keepOffCore(int core)
{
    if (core < 0 || core >= CPU_SETSIZE)
        return;
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (sched_getaffinity(0, sizeof allowed, &allowed) != 0 || !CPU_ISSET(core, &allowed) || CPU_COUNT(&allowed) < 2)
        return;
    CPU_CLR(core, &allowed);
    pthread_setaffinity_np(pthread_self(), sizeof allowed, &allowed);
}

} // namespace quorvel
