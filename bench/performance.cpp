// The program's start-up, calculation and memory against a bare Qt window, measured
// in one run and printed as ratios (offscreen, with the shipped catalogs):
// - start-up: the six windows created, the main window shown maximised and its first
//   activation run (which loads the catalogs), against a QMainWindow holding two empty
//   QTableViews shown and activated the same way. Each is measured in fresh
//   processes, from the QApplication being ready to the activation, so both pay Qt's
//   first-use costs; the figure is the median of several processes each. The same
//   measured again inside one process shows what remains once that work is done.
// - calculation: the design calculation that "To Calculate" runs, on a project sheet
//   shown in two grids like the main window's, with the catalogs the program loaded,
//   its Save, Save as and Print buttons, and the pump and tank picks answered at once,
//   repeated; time per calculation.
// - memory: resident size right after start-up, the same processes.
// - phases: where a fresh process's start-up goes (the QApplication, the printer list,
//   the rest of the window construction, showing and painting the main window, its
//   first activation), medians of several processes.
//
//   performance [rounds]        (default 9 processes per kind)
#include "application.h"
#include "designcalculation.h"
#include "gridwidget.h"
#include "mainwindow.h"
#include "projectsheet.h"
#include "qtplatform.h"
#include "platform.h"
#include "messageboxes.h"
#include "residentmemory.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QFile>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QProcess>
#include <QTableView>
#include <QTemporaryDir>
#include <QToolButton>
#include <QWindow>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <utility>
#include <vector>

using namespace quorvel;

namespace {

constexpr qint64 activationTimeoutMs = 20000;

// Runs the event loop without waiting until the condition holds.
template <typename Condition>
void spinUntil(Condition condition, const char *what)
{
    QElapsedTimer timer;
    timer.start();
    while (!condition()) {
        QCoreApplication::processEvents(QEventLoop::AllEvents);
        if (timer.elapsed() > activationTimeoutMs) {
            std::fprintf(stderr, "%s did not happen within %lld ms\n", what, activationTimeoutMs);
            std::exit(2);
        }
    }
}

// Message boxes written to the error stream rather than shown: a machine without
// printers reports that at start-up, and a modal box would stop the measurement.
class LoggedMessages : public MessageBoxes {
public:
    void warning(const QString &text) override { log("warning", text); }
    bool question(const QString &text) override
    {
        log("question", text);
        return false;
    }
    bool questionDefaultNo(const QString &text) override { return question(text); }
    void information(const QString &text) override { log("information", text); }
    void error(const QString &text) override { log("error", text); }

private:
    static void log(const char *kind, const QString &text)
    {
        std::fprintf(stderr, "start-up %s: %s\n", kind, qPrintable(text));
    }
};

// The program's platform as the program entry builds it, message boxes aside.
struct ProgramPlatform {
    // Made as main() makes it, inside the timed start-up: making it starts loading the
    // print support.
    std::unique_ptr<QtPlatform> qt;
    LoggedMessages messages;
    std::unique_ptr<Application> app; // the running program, if any

    Platform wired;

    // The program's own platform, with the boxes written to standard error instead.
    Platform &platform()
    {
        if (!qt) {
            qt = std::make_unique<QtPlatform>();
            wired = qt->platform;
            wired.messages = &messages;
        }
        return wired;
    }
};

// As main() starts the program (its look set once per process).
void startProgram(ProgramPlatform &program)
{
    static const bool lookSetUp = (setUpApplicationLook(), true);
    Q_UNUSED(lookSetUp);
    program.app = std::make_unique<Application>(program.platform());
    program.app->mainWindow().showMaximized();
    // The first activation loads the catalogs, the pipes first.
    const Catalogs &catalogs = program.app->catalogs();
    spinUntil([&catalogs] { return catalogs.pipeCount > 0; }, "the main window's first activation");
}

// The printing platform with the time spent in it added up: at start-up that is the
// printer list filled into the printer choice window.
class TimedPrinting : public Printing {
public:
    explicit TimedPrinting(Printing &real) : real_(real) {}
    double milliseconds() const { return nanoseconds_ / 1e6; }

    // Counts the time also when the call raises (no default printer).
    template <typename Work>
    auto timed(Work work)
    {
        QElapsedTimer timer;
        timer.start();
        struct Add {
            QElapsedTimer &timer;
            qint64 &sum;
            ~Add() { sum += timer.nsecsElapsed(); }
        } add{timer, nanoseconds_};
        return work();
    }

    QStringList printers() override { return timed([&] { return real_.printers(); }); }
    int printerIndex() override { return timed([&] { return real_.printerIndex(); }); }
    void setPrinterIndex(int index) override { timed([&] { real_.setPrinterIndex(index); }); }
    bool printerSetup(QWidget *parent) override { return real_.printerSetup(parent); }
    void setOrientation(QPageLayout::Orientation o) override { real_.setOrientation(o); }
    QPageLayout::Orientation orientation() override { return real_.orientation(); }
    void setTitle(const QString &title) override { real_.setTitle(title); }
    QString title() const override { return real_.title(); }
    void beginDoc() override { real_.beginDoc(); }
    void endDoc() override { real_.endDoc(); }
    void setFont(const PrintFont &font) override { real_.setFont(font); }
    PrintFont font() const override { return real_.font(); }
    void textOut(int x, int y, const QString &text) override { real_.textOut(x, y, text); }
    void textRect(const QRect &box, int x, int y, const QString &text) override { real_.textRect(box, x, y, text); }

private:
    Printing &real_;
    qint64 nanoseconds_ = 0;
};

// The application with the time of the main window's expose and paint events and of
// its activation added up (outermost events only).
class PhaseApplication : public QApplication {
public:
    using QApplication::QApplication;

    QWidget *mainWindow = nullptr;
    qint64 paintNs = 0;
    qint64 activationNs = 0;

    bool notify(QObject *receiver, QEvent *event) override
    {
        qint64 *sum = nullptr;
        if (!measuring_ && mainWindow) {
            const QEvent::Type type = event->type();
            if (receiver == mainWindow->windowHandle() && (type == QEvent::Expose || type == QEvent::UpdateRequest))
                sum = &paintNs;
            else if (receiver == mainWindow && type == QEvent::WindowActivate)
                sum = &activationNs;
        }
        if (!sum)
            return QApplication::notify(receiver, event);
        measuring_ = true;
        QElapsedTimer timer;
        timer.start();
        const bool done = QApplication::notify(receiver, event);
        *sum += timer.nsecsElapsed();
        measuring_ = false;
        return done;
    }

private:
    bool measuring_ = false;
};

class BareWindow : public QMainWindow {
public:
    BareWindow()
    {
        auto *central = new QWidget(this);
        auto *layout = new QHBoxLayout(central);
        layout->addWidget(new QTableView(central));
        layout->addWidget(new QTableView(central));
        setCentralWidget(central);
    }
};

double median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

// One start-up of the given kind ("program" or "bare"), in milliseconds; the windows
// stay up until tearDown().
double startUp(const QString &kind, ProgramPlatform &program, std::unique_ptr<BareWindow> &bare)
{
    const auto start = std::chrono::steady_clock::now();
    if (kind == QLatin1String("program")) {
        startProgram(program);
    } else {
        bare = std::make_unique<BareWindow>();
        bare->showMaximized();
        spinUntil([&bare] { return bare->isActiveWindow(); }, "the bare window's activation");
    }
    const std::chrono::duration<double, std::milli> took = std::chrono::steady_clock::now() - start;
    return took.count();
}

void tearDown(ProgramPlatform &program, std::unique_ptr<BareWindow> &bare)
{
    bare.reset();
    program.app.reset();
    QCoreApplication::processEvents(); // deferred deletes
}

// Child process: one start-up of the given kind; prints the milliseconds of the
// start-up, the milliseconds since the process entered main(), and megabytes.
int measureStartUp(const QString &kind, std::chrono::steady_clock::time_point entered)
{
    ProgramPlatform program;
    std::unique_ptr<BareWindow> bare;
    const double milliseconds = startUp(kind, program, bare);
    const std::chrono::duration<double, std::milli> sinceEntry = std::chrono::steady_clock::now() - entered;
    std::printf("%.3f %.3f %.2f\n", milliseconds, sinceEntry.count(), residentMegabytes());
    tearDown(program, bare);
    return 0;
}

// Child process: one program start-up with its phases timed; prints their milliseconds:
// QApplication, printer list, the rest of the window construction, showing (show() and
// the first expose and paint), first activation, and the whole from before QApplication.
int measurePhases(int &argc, char **argv)
{
    QElapsedTimer whole;
    whole.start();
    PhaseApplication qtApplication(argc, argv);
    setUpApplicationLook();
    const double applicationMs = whole.nsecsElapsed() / 1e6;

    QElapsedTimer timer;
    timer.start(); // the platform too: making it starts loading the print support
    ProgramPlatform program;
    Platform platform = program.platform();
    TimedPrinting printing(program.qt->printing);
    platform.printing = &printing;
    Application application(platform);
    const double constructionMs = timer.nsecsElapsed() / 1e6;

    MainWindow &main = application.mainWindow();
    qtApplication.mainWindow = &main;
    timer.restart();
    main.showMaximized();
    const double showMs = timer.nsecsElapsed() / 1e6;
    const Catalogs &catalogs = application.catalogs();
    spinUntil([&catalogs] { return catalogs.pipeCount > 0; }, "the main window's first activation");
    const double wholeMs = whole.nsecsElapsed() / 1e6;
    qtApplication.mainWindow = nullptr;

    std::printf("%.3f %.3f %.3f %.3f %.3f %.3f\n", applicationMs, printing.milliseconds(),
                constructionMs - printing.milliseconds(), showMs + qtApplication.paintNs / 1e6,
                qtApplication.activationNs / 1e6, wholeMs);
    return 0;
}

// In this process, after a start-up of each kind: what start-up costs once Qt's
// one-time work (plugins, fonts, symbol binding) is done. Medians.
std::pair<double, double> measureWarmStartUps(int rounds)
{
    ProgramPlatform program;
    std::unique_ptr<BareWindow> bare;
    std::vector<double> programMs, bareMs;
    for (int i = 0; i <= rounds; ++i) {
        const double b = startUp(QStringLiteral("bare"), program, bare);
        tearDown(program, bare);
        const double p = startUp(QStringLiteral("program"), program, bare);
        tearDown(program, bare);
        if (i > 0) { // the first pair only warms up
            bareMs.push_back(b);
            programMs.push_back(p);
        }
    }
    return {median(programMs), median(bareMs)};
}

struct StartUp {
    double milliseconds;
    double sinceEntryMilliseconds;
    double megabytes;
};

StartUp runChild(const QString &kind)
{
    QProcess child;
    child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--start-up"), kind});
    if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
        std::fprintf(stderr, "the %s start-up process failed\n", qPrintable(kind));
        std::exit(2);
    }
    const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
    return {figures.value(0).toDouble(), figures.value(1).toDouble(), figures.value(2).toDouble()};
}

// Medians of the phases of several fresh program processes, in the order measurePhases prints them.
std::vector<double> phaseMedians(int rounds)
{
    std::vector<std::vector<double>> phases;
    for (int i = 0; i < rounds; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--phases")});
        if (!child.waitForFinished(60000) || child.exitStatus() != QProcess::NormalExit || child.exitCode() != 0) {
            std::fprintf(stderr, "the phase process failed\n");
            std::exit(2);
        }
        const QList<QByteArray> figures = child.readAllStandardOutput().trimmed().split(' ');
        phases.resize(figures.size());
        for (qsizetype k = 0; k < figures.size(); ++k)
            phases[k].push_back(figures[k].toDouble());
    }
    std::vector<double> medians;
    for (const std::vector<double> &values : phases)
        medians.push_back(median(values));
    return medians;
}

// Microseconds per calculation, the best of several rounds.
double measureCalculation()
{
    ProgramPlatform program;
    startProgram(program);
    Catalogs &catalogs = program.app->catalogs();

    // A project sheet shown as the main window shows its own.
    ProjectSheet sheet;
    sheet.createTables();
    QWidget view;
    auto *layout = new QHBoxLayout(&view);
    auto *inputGrid = new GridWidget(&view);
    inputGrid->setTable(&sheet.inputs);
    auto *resultGrid = new GridWidget(&view);
    resultGrid->setTable(&sheet.results);
    layout->addWidget(inputGrid);
    layout->addWidget(resultGrid);
    view.show();

    const QStringList inputs{"1000", "100", "150", "5000", "4", "25", "250"};
    for (int row = 1; row <= 7; ++row)
        sheet.inputs.setCell(2, row, inputs[row - 1]);
    DesignCalculation calculation;
    FixedPicks picks(3, 5); // the picks answered at once
    constexpr int perRound = 20000;
    double best = 1e300;
    for (int round = 0; round < 5; ++round) {
        const auto start = std::chrono::steady_clock::now();
        for (int i = 0; i < perRound; ++i)
            calculation.run(InputTexts::fromTable(sheet.inputs), catalogs.tables(), picks, &sheet.results);
        const std::chrono::duration<double, std::micro> took = std::chrono::steady_clock::now() - start;
        best = std::min(best, took.count() / perRound);
        QCoreApplication::processEvents(); // the views catch up between rounds
    }
    // The calculation must have run to its end on the worked example.
    if (sheet.results.cell(2, 7) != QLatin1String("13") || sheet.results.cell(2, 10) != QLatin1String("4")) {
        std::fprintf(stderr, "the calculation did not give the worked example's results\n");
        std::exit(2);
    }
    return best;
}

// The shipped database where the program looks for it: a fresh data folder.
bool installShippedDatabase(const QTemporaryDir &home)
{
    const QString database = home.filePath(QStringLiteral("data/Pellmarsh/Quorvel/Database/"));
    if (!QDir().mkpath(database))
        return false;
    const QDir shipped(QStringLiteral(QUORVEL_SHIPPED_DATABASE));
    for (const QString &name : shipped.entryList(QDir::Files)) {
        if (!QFile::copy(shipped.filePath(name), database + name))
            return false;
    }
    qputenv("XDG_DATA_HOME", QFile::encodeName(home.filePath(QStringLiteral("data"))));
    return true;
}

const char *verdict(bool met)
{
    return met ? "met" : "NOT met";
}

} // namespace

int main(int argc, char *argv[])
{
    const auto entered = std::chrono::steady_clock::now();
    qputenv("QT_QPA_PLATFORM", "offscreen");
    if (argc == 2 && qstrcmp(argv[1], "--phases") == 0)
        return measurePhases(argc, argv);
    if (argc == 3 && qstrcmp(argv[1], "--start-up") == 0) {
        QApplication app(argc, argv);
        return measureStartUp(QString::fromLatin1(argv[2]), entered);
    }

    const int rounds = argc > 1 ? std::max(1, std::atoi(argv[1])) : 9;
    QTemporaryDir home;
    if (!home.isValid() || !installShippedDatabase(home)) {
        std::fprintf(stderr, "cannot set up the shipped database\n");
        return 2;
    }
    QApplication app(argc, argv);

    std::vector<double> programMs, bareMs, programProcessMs, bareProcessMs, programMb, bareMb;
    for (int i = 0; i < rounds; ++i) {
        const StartUp bare = runChild(QStringLiteral("bare"));
        const StartUp program = runChild(QStringLiteral("program"));
        bareMs.push_back(bare.milliseconds);
        bareProcessMs.push_back(bare.sinceEntryMilliseconds);
        bareMb.push_back(bare.megabytes);
        programMs.push_back(program.milliseconds);
        programProcessMs.push_back(program.sinceEntryMilliseconds);
        programMb.push_back(program.megabytes);
    }
    const auto [warmProgramMs, warmBareMs] = measureWarmStartUps(rounds);
    const std::vector<double> phases = phaseMedians(rounds);
    const double calculationUs = measureCalculation();

    const double startUpRatio = median(programMs) / median(bareMs);
    const double extraMb = median(programMb) - median(bareMb);
    std::printf("Start-up (median of %d processes each):\n", rounds);
    std::printf("  program %.1f ms, bare window %.1f ms: ratio %.2f (goal <= 3, %s)\n", median(programMs),
                median(bareMs), startUpRatio, verdict(startUpRatio <= 3));
    std::printf("  counted from the process entering main() (QApplication included): program %.1f ms, bare window "
                "%.1f ms: ratio %.2f\n",
                median(programProcessMs), median(bareProcessMs), median(programProcessMs) / median(bareProcessMs));
    const double warmRatio = warmProgramMs / warmBareMs;
    std::printf("  again in one process, after Qt's one-time work: program %.1f ms, bare window %.1f ms: ratio %.2f "
                "(goal <= 3, %s)\n",
                warmProgramMs, warmBareMs, warmRatio, verdict(warmRatio <= 3));
    if (phases.size() == 6) {
        std::printf("Phases of a fresh program start-up (median of %d processes each, ms):\n", rounds);
        std::printf("  QApplication %.1f | printer list %.1f | windows without it %.1f | show and first paint %.1f | "
                    "first activation (catalogs) %.1f | whole, from before QApplication %.1f\n",
                    phases[0], phases[1], phases[2], phases[3], phases[4], phases[5]);
    }
    std::printf("Calculation with the picks answered at once:\n");
    std::printf("  %.2f microseconds per calculation (goal < 50, %s)\n", calculationUs,
                verdict(calculationUs < 50));
    std::printf("Memory, resident after start-up:\n");
    std::printf("  program %.1f MB, bare window %.1f MB: %+.1f MB, ratio %.2f (goal <= 15 MB more, %s)\n",
                median(programMb), median(bareMb), extraMb, median(programMb) / median(bareMb),
                verdict(extraMb <= 15));
    return 0;
}
