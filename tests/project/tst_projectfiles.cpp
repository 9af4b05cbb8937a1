#include "error.h"
#include "files.h"
#include "filelock.h"
#include "projectsheet.h"
#include "errorguard.h"
#include "projectfiles.h"
#include "rowlist.h"
#include "support/fakefiledialogs.h"
#include "support/fakemessageboxes.h"
#include "support/tabletext.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <csignal>
#include <memory>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

using namespace quorvel;

namespace {

using Kind = FileDialogs::Kind;

const QByteArray defaultInputs = "Description,Unit,Value\r\n"
                                 "\"Pump discharge pipeline length\",Meter,\r\n"
                                 "\"Water source elevation\",Meter,100\r\n"
                                 "\"Storage elevation\",Meter,\r\n"
                                 "Population,People,\r\n"
                                 "\"Pumping Time\",Hours/day,4\r\n"
                                 "\"Daily Usage\",L/capita/day,25\r\n"
                                 "\"# people per tap\",people,250\r\n";

const QByteArray defaultResults = "Description,Unit,Result\r\n"
                                  "\"Q design\",LPM,\r\n"
                                  "\"Nominal Diameter\",\"\"\"\",\r\n"
                                  "HF,M,\r\n"
                                  "\"Pumping Head\",M,\r\n"
                                  "\"Theoretical Storage\",M^3,\r\n"
                                  "Pump,Unit,\r\n"
                                  "Storage,Unit,\r\n"
                                  "\"Actual Storage\",M^3,\r\n"
                                  "\"Estimated Actual Pumping Time\",Hours,\r\n"
                                  "\"# tapstand kits (6 taps)\",Unit,\r\n";

// A saved project as another run would have left it.
const QByteArray storedInputs = "Description,Unit,Value\r\n"
                                "\"Pump discharge pipeline length\",Meter,1200\r\n"
                                "\"Water source elevation\",Meter,100\r\n"
                                "\"Storage elevation\",Meter,145\r\n"
                                "Population,People,5000\r\n"
                                "\"Pumping Time\",Hours/day,6\r\n"
                                "\"Daily Usage\",L/capita/day,20\r\n"
                                "\"# people per tap\",people,250\r\n";

const QByteArray storedResults = "Description,Unit,Result\r\n"
                                 "\"Q design\",LPM,277.78\r\n"
                                 "\"Nominal Diameter\",\"\"\"\",3\r\n"
                                 "HF,M,8.1\r\n"
                                 "\"Pumping Head\",M,53.1\r\n"
                                 "\"Theoretical Storage\",M^3,50\r\n"
                                 "\"Diesel pump DP-30 model\",Unit,1\r\n"
                                 "\"Onion tank 10 m3\",Unit,5\r\n"
                                 "\"Actual Storage\",M^3,50\r\n"
                                 "\"Estimated Actual Pumping Time\",Hours,6\r\n"
                                 "\"# tapstand kits (6 taps)\",Unit,4\r\n";

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        return "<missing>";
    return f.readAll();
}

// The files of a folder as they are on disk (hidden files included): name -> bytes.
using FileSet = QMap<QString, QByteArray>;

FileSet fileSet(const QString &folder)
{
    FileSet files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden))
        files.insert(name, readFile(dir.filePath(name)));
    return files;
}

// The message of the error that the action raises.
template <typename Action>
QString errorOf(Action action)
{
    try {
        action();
    } catch (const Error &e) {
        return e.message();
    }
    return QStringLiteral("<no error>");
}

using Caption = ProjectSheet::Caption;

// The four captions over the schematic: source, storage, pipeline, population.
QStringList captions(const ProjectSheet &sheet)
{
    return {sheet.caption(Caption::SourceElevation), sheet.caption(Caption::StorageElevation),
            sheet.caption(Caption::PipelineLength), sheet.caption(Caption::Population)};
}

// The main window's project as the tests drive it: sheet, state, boxes, dialogs.
struct Fixture {
    ProjectSheet sheet;
    ProjectState &state = sheet.state;
    FakeMessageBoxes boxes;
    FakeFileDialogs dialogs;
    ProjectFiles files{sheet, boxes, dialogs, nullptr};
    QTemporaryDir dir;

    Fixture()
    {
        sheet.createTables();
        files.setInitialDir(dir.path() + "/");
    }
    QString path(const QString &name) const { return dir.filePath(name); }
    QStringList entries() const
    {
        return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden, QDir::Name);
    }
    void storeProject(const QString &base)
    {
        writeFile(path(base + ".qvl"), "Pump station\r\n");
        writeFile(path(base + ".dat"), storedInputs);
        writeFile(path(base + ".res"), storedResults);
    }
    void save(const QString &name)
    {
        dialogs.confirm(Kind::Save, path(name));
        files.saveProject();
    }
    void open(const QString &name, int filterIndex = 1)
    {
        dialogs.confirm(Kind::Open, path(name), filterIndex);
        files.openProject();
    }
};

} // namespace

class TestProjectFiles : public QObject {
    Q_OBJECT
private slots:
    void savesTheDefaultSheet();
    void naming_data();
    void naming();
    void savingOverAnExistingSet();
    void saveThatDoesNotComplete_data();
    void saveThatDoesNotComplete();
    void failedSaveKeepsTheOldSet_data();
    void failedSaveKeepsTheOldSet();
    void killedSaveKeepsTheOldSet();
    void saveKeepsLinksAndModes();
    void longNames_data();
    void longNames();
    void dialogsAreSeparateAndRemember();
    void opening_data();
    void opening();
    void openingNothing_data();
    void openingNothing();
    void shortResultsFileKeepsTheOtherRows();
    void surplusLinesChangeNothing();
    void nameFileWithoutALine();
    void missingFile_data();
    void missingFile();
    void roundTripTurnsEmptyCellsIntoBlanks();
    void exitPrompt_data();
    void exitPrompt();
    void failingSaveEscapesTheExitPrompt();
};

void TestProjectFiles::savesTheDefaultSheet()
{
    Fixture f;
    f.sheet.setProjectName("Camp 4");
    f.state.setModified(true);
    f.state.setPrintable(true);
    f.save("proj");

    QCOMPARE(f.entries(), (QStringList{"proj.dat", "proj.qvl", "proj.res"}));
    QCOMPARE(readFile(f.path("proj.qvl")), QByteArray("Camp 4\r\n"));
    QCOMPARE(readFile(f.path("proj.dat")), defaultInputs);
    QCOMPARE(readFile(f.path("proj.res")), defaultResults);
    QVERIFY(!f.state.isModified());
    QVERIFY(f.state.isPrintable()); // untouched
    QVERIFY(f.boxes.shown().isEmpty());

    const auto showings = f.dialogs.showings(Kind::Save);
    QCOMPARE(showings.size(), 1);
    QCOMPARE(showings[0].filter, QString("Main pipeline files (*.qvl)|*.qvl|All Files (*.*)|*.*"));
    QCOMPARE(showings[0].initialDir, f.dir.path() + "/");
    QCOMPARE(showings[0].filterIndex, 1);
}

void TestProjectFiles::naming_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<QString>("base"); // the three files' common path
    QTest::addColumn<QString>("remembered");
    QTest::newRow("no extension") << "proj" << "proj" << "proj.qvl";
    QTest::newRow(".qvl kept") << "proj.qvl" << "proj" << "proj.qvl";
    QTest::newRow("upper-case .QVL") << "proj.QVL" << "proj.QVL" << "proj.QVL.qvl";
    QTest::newRow("other extension") << "proj.txt" << "proj.txt" << "proj.txt.qvl";
    QTest::newRow("dot in folder") << "my.data/proj" << "my.data/proj" << "my.data/proj.qvl";
    QTest::newRow("dotted folder, .qvl") << "my.data/p.qvl" << "my.data/p" << "my.data/p.qvl";
    QTest::newRow("colon is plain") << "a:b.qvl" << "a:b" << "a:b.qvl";
    QTest::newRow("trailing dot") << "proj." << "proj." << "proj..qvl";
}

void TestProjectFiles::naming()
{
    QFETCH(QString, typed);
    QFETCH(QString, base);
    QFETCH(QString, remembered);
    Fixture f;
    QVERIFY(QDir(f.dir.path()).mkdir("my.data"));
    f.sheet.setProjectName("P");
    f.save(typed);

    for (const char *ext : {".qvl", ".dat", ".res"})
        QVERIFY2(QFile::exists(f.path(base + ext)), qPrintable(base + ext));
    const QString folder = QFileInfo(f.path(base + ".qvl")).absolutePath();
    QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 3);
    QCOMPARE(readFile(f.path(base + ".dat")), defaultInputs);

    // The name with ".qvl" appended is what the dialog offers next time.
    f.dialogs.cancel(Kind::Save);
    f.files.saveProject();
    QCOMPARE(f.dialogs.showings(Kind::Save).last().fileName, f.path(remembered));
}

void TestProjectFiles::savingOverAnExistingSet()
{
    Fixture f;
    writeFile(f.path("proj.qvl"), "Old name\r\nsecond line\r\n");
    writeFile(f.path("proj.dat"), QByteArray(4000, 'x'));
    writeFile(f.path("proj.res"), QByteArray(4000, 'y'));
    f.sheet.setProjectName("New name");
    f.save("proj.qvl");

    QCOMPARE(readFile(f.path("proj.qvl")), QByteArray("New name\r\n"));
    QCOMPARE(readFile(f.path("proj.dat")), defaultInputs);
    QCOMPARE(readFile(f.path("proj.res")), defaultResults);
    QVERIFY(f.boxes.shown().isEmpty()); // replaced without a question
}

void TestProjectFiles::saveThatDoesNotComplete_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<int>("showings");
    QTest::addColumn<QString>("error"); // %1: the folder
    QTest::newRow("empty name") << "" << true << QStringList{"warning: Enter the project name"} << 0
                                << "<no error>";
    QTest::newRow("cancelled") << "P" << false << QStringList{} << 1 << "<no error>";
    QTest::newRow("failing write") << "P" << true << QStringList{} << 1
                                   << "Cannot create file \"%1/proj.qvl\". Is a directory";
}

// Nothing is written and the project stays unsaved: Save and Save as on again.
void TestProjectFiles::saveThatDoesNotComplete()
{
    QFETCH(QString, name);
    QFETCH(bool, confirm);
    QFETCH(QStringList, boxes);
    QFETCH(int, showings);
    QFETCH(QString, error);
    Fixture f;
    QVERIFY(QDir(f.dir.path()).mkdir("proj.qvl"));
    f.state.setModified(true);
    f.state.setPrintable(true);
    f.sheet.setProjectName(name);
    if (confirm)
        f.dialogs.confirm(Kind::Save, f.path("proj"));
    else
        f.dialogs.cancel(Kind::Save);
    QList<bool> modifiedSeen;
    QObject::connect(&f.state, &ProjectState::modifiedChanged, [&](bool on) { modifiedSeen << on; });
    QCOMPARE(errorOf([&] { f.files.saveProject(); }), error.arg(f.dir.path()));

    QCOMPARE(f.boxes.shown(), boxes);
    QCOMPARE(f.dialogs.showings(Kind::Save).size(), showings);
    QVERIFY(f.entries().isEmpty());
    QCOMPARE(modifiedSeen, (QList<bool>{false, true})); // off while the save ran
    QVERIFY(f.state.isPrintable());
}

void TestProjectFiles::failedSaveKeepsTheOldSet_data()
{
    QTest::addColumn<QString>("blocked");
    QTest::addColumn<bool>("folder"); // else locked by another copy that reads it
    QTest::addColumn<QString>("reason");
    QTest::newRow("results file is a folder") << "proj.res" << true << "Is a directory";
    QTest::newRow("inputs file is a folder") << "proj.dat" << true << "Is a directory";
    QTest::newRow("results file read by another copy") << "proj.res" << false
                                                        << "Resource temporarily unavailable";
}

// A save that fails on any of the three files changes none of them and leaves no
// temporary file behind.
void TestProjectFiles::failedSaveKeepsTheOldSet()
{
    QFETCH(QString, blocked);
    QFETCH(bool, folder);
    QFETCH(QString, reason);
    Fixture f;
    f.storeProject("proj");
    std::unique_ptr<QFile> reader;
    std::unique_ptr<FileLock> lock;
    if (folder) {
        QVERIFY(QFile::remove(f.path(blocked)));
        QVERIFY(QDir(f.dir.path()).mkdir(blocked));
    } else {
        reader = std::make_unique<QFile>(f.path(blocked));
        QVERIFY(reader->open(QIODevice::ReadOnly));
        lock = std::make_unique<FileLock>(reader->handle(), FileLock::Mode::Shared);
        QVERIFY(lock->locked());
    }
    const FileSet before = fileSet(f.dir.path());
    f.sheet.setProjectName("New project");
    const QString message = errorOf([&] { f.save("proj"); });

    QCOMPARE(message, QString("Cannot create file \"%1\". %2").arg(f.path(blocked), reason));
    QCOMPARE(fileSet(f.dir.path()), before);
}

// A save killed while it writes (here by the file size limit's signal, in a child
// process) leaves the old set whole; the next save removes what it left behind.
void TestProjectFiles::killedSaveKeepsTheOldSet()
{
    Fixture f;
    f.storeProject("proj");
    const FileSet before = fileSet(f.dir.path());
    f.sheet.setProjectName("P");
    f.dialogs.confirm(Kind::Save, f.path("proj"));
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        const rlimit noCore{0, 0};
        const rlimit small{100, 100}; // the name file fits, the inputs file does not
        ::setrlimit(RLIMIT_CORE, &noCore);
        ::setrlimit(RLIMIT_FSIZE, &small);
        std::signal(SIGXFSZ, SIG_DFL);
        try {
            f.files.saveProject();
        } catch (...) {
        }
        ::_exit(0);
    }
    int status = 0;
    QCOMPARE(::waitpid(child, &status, 0), child);
    QVERIFY2(WIFSIGNALED(status) && WTERMSIG(status) == SIGXFSZ, qPrintable(QString::number(status)));

    FileSet left = fileSet(f.dir.path());
    QVERIFY2(left.size() > before.size(), qPrintable(left.keys().join(' ')));
    for (const QString &name : before.keys())
        QCOMPARE(left.take(name), before[name]);

    f.files.saveProject(); // the same answer, still queued in this process
    QCOMPARE(f.entries(), (QStringList{"proj.dat", "proj.qvl", "proj.res"}));
    QCOMPARE(readFile(f.path("proj.qvl")), QByteArray("P\r\n"));
    QCOMPARE(readFile(f.path("proj.dat")), defaultInputs);
    QCOMPARE(readFile(f.path("proj.res")), defaultResults);
}

// A linked file keeps its link and its target gets the new bytes; an existing file
// keeps its permissions.
void TestProjectFiles::saveKeepsLinksAndModes()
{
    Fixture f;
    QVERIFY(QDir(f.dir.path()).mkdir("shared"));
    writeFile(f.path("shared/name.qvl"), "Old\r\n");
    QVERIFY(QFile::link("shared/name.qvl", f.path("proj.qvl")));
    writeFile(f.path("proj.res"), storedResults);
    QVERIFY(QFile::setPermissions(f.path("proj.res"), QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup));
    const auto mode = QFile::permissions(f.path("proj.res"));
    f.sheet.setProjectName("P");
    f.save("proj");

    QVERIFY(QFileInfo(f.path("proj.qvl")).isSymLink());
    QCOMPARE(readFile(f.path("shared/name.qvl")), QByteArray("P\r\n"));
    QCOMPARE(QDir(f.path("shared")).entryList(QDir::Files | QDir::Hidden), QStringList{"name.qvl"});
    QCOMPARE(readFile(f.path("proj.res")), defaultResults);
    QCOMPARE(QFile::permissions(f.path("proj.res")), mode);
    QCOMPARE(f.entries(), (QStringList{"proj.dat", "proj.qvl", "proj.res"}));
}

void TestProjectFiles::longNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("saves");
    QTest::newRow("250 bytes") << QString(250, u'n') << true;
    QTest::newRow("125 two-byte letters") << QString(125, u'\u00e9') << true;
    QTest::newRow("253 bytes") << QString(253, u'n') << false;
    QTest::newRow("127 two-byte letters") << QString(127, u'\u00e9') << false;
    QTest::newRow("path over the system's limit") << QString("d/").repeated(2100) + "proj" << false;
}

// A name that the file system takes saves, however little room is left for a
// temporary name; one that it cannot take is refused before anything is written.
void TestProjectFiles::longNames()
{
    QFETCH(QString, typed);
    QFETCH(bool, saves);
    Fixture f;
    f.sheet.setProjectName("P");
    const QString message = errorOf([&] { f.save(typed); });
    if (saves) {
        QCOMPARE(message, QString("<no error>"));
        QCOMPARE(f.entries(), (QStringList{typed + ".dat", typed + ".qvl", typed + ".res"}));
        QCOMPARE(readFile(f.path(typed + ".res")), defaultResults);
    } else {
        QCOMPARE(message, "Cannot create file \"" + f.path(typed + ".qvl") + "\". File name too long");
        QVERIFY(f.entries().isEmpty());
    }
}

void TestProjectFiles::dialogsAreSeparateAndRemember()
{
    Fixture f;
    QCOMPARE(f.dialogs.created(Kind::Save), 1);
    QCOMPARE(f.dialogs.created(Kind::Open), 1);
    f.sheet.setProjectName("P");
    f.save("proj");
    f.open("proj.qvl", 2);
    f.dialogs.cancel(Kind::Open);
    f.files.openProject();
    f.dialogs.cancel(Kind::Save);
    f.files.saveProject();

    const auto opens = f.dialogs.showings(Kind::Open);
    QCOMPARE(opens.size(), 2);
    QCOMPARE(opens[0].fileName, QString()); // the save's name is not the open dialog's
    QCOMPARE(opens[0].filterIndex, 1);
    QCOMPARE(opens[1].fileName, f.path("proj.qvl"));
    QCOMPARE(opens[1].filterIndex, 2);
    QCOMPARE(opens[1].filter, QString("Main pipeline files (*.qvl)|*.qvl|All Files (*.*)|*.*"));
    QCOMPARE(opens[1].initialDir, f.dir.path() + "/");
    QCOMPARE(f.dialogs.showings(Kind::Save).last().fileName, f.path("proj.qvl"));
    QCOMPARE(f.dialogs.created(Kind::Save), 1);
    QCOMPARE(f.dialogs.created(Kind::Open), 1);
}

void TestProjectFiles::opening_data()
{
    QTest::addColumn<QString>("chosen");
    QTest::addColumn<int>("filterIndex");
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("marksClean"); // Save/Save as off, Print on
    QTest::newRow("project file, first filter") << "proj.qvl" << 1 << "Pump station" << true;
    QTest::newRow("inputs file, all files") << "proj.dat" << 2 << "Before" << false;
    QTest::newRow("project file, all files") << "proj.qvl" << 2 << "Before" << false;
    QTest::newRow("inputs file, first filter") << "proj.dat" << 1 << "Description,Unit,Value" << true;
    QTest::newRow("no extension, first filter") << "proj" << 1 << "Name only" << true;
}

void TestProjectFiles::opening()
{
    QFETCH(QString, chosen);
    QFETCH(int, filterIndex);
    QFETCH(QString, name);
    QFETCH(bool, marksClean);
    Fixture f;
    f.storeProject("proj");
    writeFile(f.path("proj"), "Name only\r\n");
    f.sheet.setProjectName("Before");
    f.state.setModified(true);
    f.sheet.inputCellSelected(2, 4);
    f.open(chosen, filterIndex);

    QCOMPARE(f.sheet.projectName(), name);
    QCOMPARE(f.state.isModified(), !marksClean);
    QCOMPARE(f.state.isPrintable(), marksClean);
    QCOMPARE(column(f.sheet.inputs, 2),
             (QStringList{"Value", "1200", "100", "145", "5000", "6", "20", "250"}));
    QCOMPARE(column(f.sheet.results, 1).at(2), QString("\""));
    QCOMPARE(f.sheet.results.cell(0, 6), QString("Diesel pump DP-30 model"));
    QCOMPARE(column(f.sheet.results, 2).last(), QString("4"));
    QCOMPARE(captions(f.sheet),
             (QStringList{"Water Source Elevation= 100", "Storage Elevation= 145",
                          "Pipeline Length= 1200", "Population= 5000"}));
    QCOMPARE(f.sheet.currentColumn, 2);
    QCOMPARE(f.sheet.currentRow, 4);
    QVERIFY(f.boxes.shown().isEmpty());
}

void TestProjectFiles::openingNothing_data()
{
    QTest::addColumn<bool>("confirm");
    QTest::addColumn<QString>("chosen");
    QTest::newRow("cancelled") << false << "proj.qvl";
    QTest::newRow("no such file") << true << "other.qvl";
    QTest::newRow("a folder") << true << "folder.qvl";
}

void TestProjectFiles::openingNothing()
{
    QFETCH(bool, confirm);
    QFETCH(QString, chosen);
    Fixture f;
    // The inputs and results files are there; only the chosen name is not a file.
    f.storeProject("proj");
    for (const QString base : {"other", "folder"}) {
        writeFile(f.path(base + ".dat"), storedInputs);
        writeFile(f.path(base + ".res"), storedResults);
    }
    QVERIFY(QDir(f.dir.path()).mkdir("folder.qvl"));
    if (confirm) {
        f.open(chosen);
    } else {
        f.dialogs.cancel(Kind::Open);
        f.files.openProject();
    }

    QCOMPARE(f.sheet.projectName(), QString());
    QCOMPARE(f.sheet.inputs.cell(2, 2), QString("100"));
    QCOMPARE(f.sheet.inputs.cell(2, 1), QString());
    QVERIFY(!f.state.isPrintable());
    QVERIFY(f.boxes.shown().isEmpty());
}

void TestProjectFiles::shortResultsFileKeepsTheOtherRows()
{
    Fixture f;
    f.storeProject("proj");
    f.sheet.results.setCell(2, 5, "kept 5");
    f.sheet.results.setCell(2, 10, "kept 10");
    writeFile(f.path("proj.res"), "a,b,c\r\n1,2,3\r\n,,\r\nx\r\n\"p q\",r,s\r\n");
    f.open("proj.qvl");

    QCOMPARE(column(f.sheet.results, 2),
             (QStringList{"c", "3", " ", "", "s", "kept 5", "", "", "", "", "kept 10"}));
    QCOMPARE(column(f.sheet.results, 0).mid(0, 6),
             (QStringList{"a", "1", " ", "x", "p q", "Theoretical Storage"}));
}

void TestProjectFiles::surplusLinesChangeNothing()
{
    Fixture f;
    f.storeProject("proj");
    writeFile(f.path("proj.dat"), storedInputs + "extra,row,8\r\nmore,row,9\r\n");
    f.open("proj.qvl");

    QCOMPARE(f.sheet.inputs.rowCount(), 8);
    QCOMPARE(rowList(f.sheet.inputs, 8).commaText(), QString(",,"));
    f.sheet.setProjectName("P");
    f.save("copy");
    QCOMPARE(readFile(f.path("copy.dat")), storedInputs);
}

void TestProjectFiles::nameFileWithoutALine()
{
    Fixture f;
    f.storeProject("proj");
    writeFile(f.path("proj.qvl"), "");
    f.sheet.setProjectName("Before");
    f.state.setModified(true);
    const QStringList inputsBefore = allCells(f.sheet.inputs);
    const QStringList captionsBefore = captions(f.sheet);
    const QString message = errorOf([&] { f.open("proj.qvl"); });
    QCOMPARE(message, QString("List index out of bounds (0)"));
    QCOMPARE(errorBoxText(message), message); // ends in ")": no period added
    QVERIFY(!f.state.isModified());
    QVERIFY(f.state.isPrintable());
    QCOMPARE(f.sheet.projectName(), QString("Before"));
    QCOMPARE(allCells(f.sheet.inputs), inputsBefore);
    QCOMPARE(captions(f.sheet), captionsBefore);
}

void TestProjectFiles::missingFile_data()
{
    QTest::addColumn<QString>("missing");
    QTest::addColumn<bool>("inputsLoaded");
    QTest::newRow("inputs file") << "proj.dat" << false;
    QTest::newRow("results file") << "proj.res" << true;
}

void TestProjectFiles::missingFile()
{
    QFETCH(QString, missing);
    QFETCH(bool, inputsLoaded);
    Fixture f;
    f.storeProject("proj");
    QVERIFY(QFile::remove(f.path(missing)));
    const QStringList inputsBefore = allCells(f.sheet.inputs);
    const QStringList resultsBefore = allCells(f.sheet.results);
    const QStringList captionsBefore = captions(f.sheet);
    const QString message = errorOf([&] { f.open("proj.qvl"); });
    QVERIFY2(message.startsWith("Cannot open file \"" + f.path(missing) + "\". "), qPrintable(message));

    // The name and the enablement of the first step stay; what was not read is unchanged.
    QCOMPARE(f.sheet.projectName(), QString("Pump station"));
    QVERIFY(f.state.isPrintable());
    QCOMPARE(f.sheet.inputs.cell(2, 1), inputsLoaded ? QString("1200") : QString());
    if (!inputsLoaded)
        QCOMPARE(allCells(f.sheet.inputs), inputsBefore);
    QCOMPARE(allCells(f.sheet.results), resultsBefore);
    QCOMPARE(captions(f.sheet), captionsBefore);
}

void TestProjectFiles::roundTripTurnsEmptyCellsIntoBlanks()
{
    Fixture f;
    f.sheet.setProjectName("  Camp, \"North\"  ");
    f.sheet.inputs.setCell(2, 3, "1 200,5");
    f.sheet.results.setCell(0, 6, "Diesel pump \"DP 30\" model");
    f.save("proj");
    QStringList savedInputs = allCells(f.sheet.inputs);
    QStringList savedResults = allCells(f.sheet.results);
    f.sheet.newProject();
    f.sheet.setProjectName("other");
    f.open("proj.qvl");

    // Every empty cell comes back as one blank; every other text as it was.
    for (QString &cell : savedInputs)
        if (cell.isEmpty())
            cell = " ";
    for (QString &cell : savedResults)
        if (cell.isEmpty())
            cell = " ";
    QCOMPARE(f.sheet.projectName(), QString("  Camp, \"North\"  "));
    QCOMPARE(allCells(f.sheet.inputs), savedInputs);
    QCOMPARE(allCells(f.sheet.results), savedResults);
    QCOMPARE(f.sheet.caption(Caption::PipelineLength), QString("Pipeline Length=  "));
    QCOMPARE(f.sheet.caption(Caption::Population), QString("Population=  "));
    QCOMPARE(f.sheet.caption(Caption::StorageElevation), QString("Storage Elevation= 1 200,5"));
}

void TestProjectFiles::exitPrompt_data()
{
    QTest::addColumn<bool>("saveEnabled");
    QTest::addColumn<QString>("name");
    QTest::addColumn<QList<bool>>("answers"); // the question, then further boxes
    QTest::addColumn<bool>("confirmDialog");
    QTest::addColumn<QStringList>("boxes");
    QTest::addColumn<bool>("saved");
    const QString question = "question: The project has changed. Would you like to save the changes?";
    QTest::newRow("nothing changed") << false << "P" << QList<bool>{} << true << QStringList{} << false;
    QTest::newRow("no") << true << "P" << QList<bool>{false} << true << QStringList{question} << false;
    QTest::newRow("yes") << true << "P" << QList<bool>{true} << true << QStringList{question} << true;
    QTest::newRow("yes, empty name")
        << true << "" << QList<bool>{true} << true
        << QStringList{question, "warning: Enter the project name"} << false;
    QTest::newRow("yes, cancelled") << true << "P" << QList<bool>{true} << false
                                    << QStringList{question} << false;
}

void TestProjectFiles::exitPrompt()
{
    QFETCH(bool, saveEnabled);
    QFETCH(QString, name);
    QFETCH(QList<bool>, answers);
    QFETCH(bool, confirmDialog);
    QFETCH(QStringList, boxes);
    QFETCH(bool, saved);
    Fixture f;
    f.state.setModified(saveEnabled);
    f.sheet.setProjectName(name);
    for (bool answer : answers)
        f.boxes.answer(answer);
    if (confirmDialog)
        f.dialogs.confirm(Kind::Save, f.path("proj"));
    else
        f.dialogs.cancel(Kind::Save);
    f.files.confirmExit();

    QCOMPARE(f.boxes.shown(), boxes);
    QCOMPARE(QFile::exists(f.path("proj.res")), saved);
    const bool stillChanged = saveEnabled && !saved;
    QCOMPARE(f.state.isModified(), stillChanged);

    // A completed save disables Save, so a second close asks nothing.
    if (!stillChanged) {
        const auto asked = f.boxes.shown().size();
        f.files.confirmExit();
        QCOMPARE(f.boxes.shown().size(), asked);
    }
}

void TestProjectFiles::failingSaveEscapesTheExitPrompt()
{
    Fixture f;
    f.state.setModified(true);
    f.sheet.setProjectName("P");
    f.boxes.answer(true);
    f.dialogs.confirm(Kind::Save, f.path("missing folder/proj"));
    QVERIFY_THROWS_EXCEPTION(Error, f.files.confirmExit());
}

QTEST_MAIN(TestProjectFiles)
#include "tst_projectfiles.moc"
