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

struct Launch {
    int callerCore;
    cpu_set_t callerCores;
    cpu_set_t workCores; // where the work may run
};

// Starts work on another core from a thread limited to the given cores.
Launch launchFrom(const cpu_set_t &cores)
{
    return std::async(std::launch::async, [&cores] {
               pthread_setaffinity_np(pthread_self(), sizeof cores, &cores);
               Launch launch{currentCore(), allowedCores(), {}};
               launch.workCores = startOnOtherCore([] { return allowedCores(); }).get();
               return launch;
           })
        .get();
}

} // namespace

class OtherCoreTest : public QObject {
    Q_OBJECT
private slots:
    void workRunsOffTheCallersCore();
    void oneCoreStillRunsTheWork();
};

void OtherCoreTest::workRunsOffTheCallersCore()
{
    const cpu_set_t all = allowedCores();
    if (CPU_COUNT(&all) < 2)
        QSKIP("needs two cores");
    Launch launch = launchFrom(all);
    QVERIFY(!CPU_ISSET(launch.callerCore, &launch.workCores));
    CPU_CLR(launch.callerCore, &launch.callerCores);
    QVERIFY(CPU_EQUAL(&launch.workCores, &launch.callerCores));
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
    QVERIFY(CPU_EQUAL(&launch.workCores, &one));
}

QTEST_APPLESS_MAIN(OtherCoreTest)
#include "tst_othercore.moc"
