#include "othercore.h"

#include <pthread.h>
#include <sched.h>

namespace quorvel {

int currentCore()
{
    return sched_getcpu();
}

void moveOffCore(int core)
{
    if (core < 0 || core >= CPU_SETSIZE)
        return;
    cpu_set_t allowed;
    CPU_ZERO(&allowed);
    if (pthread_getaffinity_np(pthread_self(), sizeof allowed, &allowed) != 0 || !CPU_ISSET(core, &allowed)
        || CPU_COUNT(&allowed) < 2)
        return;
    cpu_set_t others = allowed;
    CPU_CLR(core, &others);
    // Setting the affinity moves the thread at once; allowing every core again
    // leaves it where it is while it keeps busy, yet lets it use the caller's
    // core when that one falls idle, waiting for the result.
    if (pthread_setaffinity_np(pthread_self(), sizeof others, &others) == 0)
        pthread_setaffinity_np(pthread_self(), sizeof allowed, &allowed);
}

} // namespace quorvel
