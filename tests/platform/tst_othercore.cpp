#include "othercore.h"

#include <QTest>

#include <pthread.h>
#include <sched.h>

using namespace quorvel;

namespace {

struct Where {
    int core;
    cpu_set_t allowed;
};

Where here()
{
    Where where{currentCore(), {}};
    sched_getaffinity(0, sizeof where.allowed, &where.allowed);
    return where;
}

} // namespace

class OtherCoreTest : public QObject {
    Q_OBJECT
private slots:
    void workStartsOffTheCallersCore_data();
    void workStartsOffTheCallersCore();
};

void OtherCoreTest::workStartsOffTheCallersCore_data()
{
    QTest::addColumn<bool>("oneCore"); // the caller may run on one core only
    QTest::newRow("every core") << false;
    QTest::newRow("one core") << true;
}

void OtherCoreTest::workStartsOffTheCallersCore()
{
    QFETCH(bool, oneCore);
    cpu_set_t cores = here().allowed;
    if (oneCore) {
        const int first = [&] { int c = 0; while (!CPU_ISSET(c, &cores)) ++c; return c; }();
        CPU_ZERO(&cores);
        CPU_SET(first, &cores);
    } else if (CPU_COUNT(&cores) < 2) {
        QSKIP("needs two cores");
    }
    // From a thread limited to those cores, so that the caller's core is known.
    const auto [caller, work] = std::async(std::launch::async, [&cores] {
                                    pthread_setaffinity_np(pthread_self(), sizeof cores, &cores);
                                    const Where caller = here();
                                    return std::pair(caller, startOnOtherCore(here).get());
                                }).get();
    QCOMPARE(work.core != caller.core, !oneCore);
    QVERIFY(CPU_EQUAL(&work.allowed, &cores)); // not tied to its new core
}

QTEST_APPLESS_MAIN(OtherCoreTest)
#include "tst_othercore.moc"
