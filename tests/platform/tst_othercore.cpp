#include "othercore.h"

#include <QTest>

#include <pthread.h>
#include <sched.h>

using namespace quorvel;

namespace {

cpu_set_t allowedCores()
{
    cpu_set_t set;
    CPU_ZERO(&set);
    sched_getaffinity(0, sizeof set, &set);
    return set;
}

struct Where {
    int core;
    cpu_set_t allowed;
};

Where here()
{
    return {currentCore(), allowedCores()};
}

struct Launch {
    Where caller;
    Where work; // as the work found itself when it began
};

// Starts work on another core from a thread limited to the given cores.
Launch launchFrom(const cpu_set_t &cores)
{
    return std::async(std::launch::async, [&cores] {
               pthread_setaffinity_np(pthread_self(), sizeof cores, &cores);
               const Where caller = here();
               return Launch{caller, startOnOtherCore(here).get()};
           })
        .get();
}

} // namespace

class OtherCoreTest : public QObject {
    Q_OBJECT
private slots:
    void workStartsOffTheCallersCore();
    void oneCoreStillRunsTheWork();
};

void OtherCoreTest::workStartsOffTheCallersCore()
{
    const cpu_set_t all = allowedCores();
    if (CPU_COUNT(&all) < 2)
        QSKIP("needs two cores");
    const Launch launch = launchFrom(all);
    QVERIFY(launch.work.core != launch.caller.core);
    QVERIFY(CPU_EQUAL(&launch.work.allowed, &all)); // not tied to its new core
}

void OtherCoreTest::oneCoreStillRunsTheWork()
{
    const cpu_set_t all = allowedCores();
    cpu_set_t one;
    CPU_ZERO(&one);
    for (int core = 0; core < CPU_SETSIZE; ++core) {
        if (CPU_ISSET(core, &all)) {
            CPU_SET(core, &one);
            break;
        }
    }
    const Launch launch = launchFrom(one);
    QCOMPARE(launch.work.core, launch.caller.core);
    QVERIFY(CPU_EQUAL(&launch.work.allowed, &one));
}

QTEST_APPLESS_MAIN(OtherCoreTest)
#include "tst_othercore.moc"
