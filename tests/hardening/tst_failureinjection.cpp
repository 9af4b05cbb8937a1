// Saving onto a disk that is full or a folder that is read-only, for real (a small
// tmpfs per case): a line file, a catalog and a project. Each failure must give the
// program's message, leave the old files exactly as they were, and leave the
// program able to save once the fault is gone.
#include "scratchmount.h"

#include "celltable.h"
#include "error.h"
#include "projectstate.h"
#include "projectsheet.h"
#include "files.h"
#include "projectfiles.h"
#include "catalogfiles.h"
#include "linelist.h"
#include "rowlist.h"
#include "support/fakefiledialogs.h"
#include "support/fakemessageboxes.h"

#include <QDir>
#include <QFile>
#include <QMap>
#include <QTest>

#include <cerrno>
#include <memory>

using namespace quorvel;

namespace {

enum class Fault { DiskFull, DiskFillsDuringWrite, ReadOnly };
enum class Operation { SaveList, SaveCatalog, SaveProject };

using Files = QMap<QString, QByteArray>; // file name -> bytes

// What each operation finds on disk before it runs, and the file it writes first.
Files oldFiles(Operation operation)
{
    switch (operation) {
    case Operation::SaveList:
        return {{QStringLiteral("list.txt"), "first\r\nsecond\r\n"}};
    case Operation::SaveCatalog:
        return {{QStringLiteral("storage.csv"), "No.,Tank,Capacity m3,Kit\r\n1,Onion,5,T-05\r\n"}};
    case Operation::SaveProject:
        return {{QStringLiteral("hill.qvl"), "Old hill\r\n"},
                {QStringLiteral("hill.dat"), "Description,Unit,Value\r\n"},
                {QStringLiteral("hill.res"), "Description,Unit,Result\r\n"}};
    }
    return {};
}

QString firstWritten(Operation operation)
{
    switch (operation) {
    case Operation::SaveList:
        return QStringLiteral("list.txt");
    case Operation::SaveCatalog:
        return QStringLiteral("storage.csv");
    case Operation::SaveProject:
        return QStringLiteral("hill.qvl");
    }
    return {};
}

void writeFiles(const QString &folder, const Files &files)
{
    for (auto it = files.begin(); it != files.end(); ++it) {
        QFile file(folder + u'/' + it.key());
        QVERIFY(file.open(QIODevice::WriteOnly));
        QCOMPARE(file.write(it.value()), it.value().size());
    }
}

// Every file of the folder but the filler, with its bytes: also shows a temporary
// file left behind.
Files folderContents(const QString &folder)
{
    Files files;
    const QDir dir(folder);
    for (const QString &name : dir.entryList(QDir::Files | QDir::Hidden | QDir::NoDotAndDotDot)) {
        if (name == QLatin1String(".filler"))
            continue;
        QFile file(dir.filePath(name));
        files.insert(name, file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<unreadable>"));
    }
    return files;
}

// The program side of each operation, with a sheet, catalog table or list that
// lives across the failed and the repeated attempt.
class Saver {
public:
    Saver(Operation operation, const QString &folder, qsizetype lines)
        : operation_(operation), folder_(folder)
    {
        for (qsizetype i = 0; i < lines; ++i)
            list_.append(QStringLiteral("new line %1 of the list").arg(i));
        rowList(tanks_, 0).setCommaText(QStringLiteral("No.,Tank,Capacity m3,Kit"));
        rowList(tanks_, 1).setCommaText(QStringLiteral("1,Corrugated steel,45,CS-45"));
        sheet_.createTables();
        sheet_.setProjectName(QStringLiteral("New hill"));
    }

    // Runs the save; gives the error message, empty when it succeeded.
    QString run()
    {
        try {
            switch (operation_) {
            case Operation::SaveList:
                list_.saveToFile(folder_ + QStringLiteral("/list.txt"));
                break;
            case Operation::SaveCatalog:
                saveCatalog(tanks_, folder_ + u'/' + QLatin1String(Catalogs::tanksFile));
                break;
            case Operation::SaveProject:
                sheet_.state.setModified(true);
                dialogs_.confirm(FileDialogs::Kind::Save, folder_ + QStringLiteral("/hill"));
                project_.saveProject();
                break;
            }
        } catch (const Error &e) {
            return e.message();
        }
        return QString();
    }

    bool markedSaved() const { return !sheet_.state.isModified(); }

private:
    Operation operation_;
    QString folder_;
    LineList list_;
    CellTable tanks_{4, 15};
    ProjectSheet sheet_;
    FakeMessageBoxes boxes_;
    FakeFileDialogs dialogs_;
    ProjectFiles project_{sheet_, boxes_, dialogs_, nullptr};
};

} // namespace

class FailureInjectionTest : public QObject {
    Q_OBJECT
private slots:
    void saveFails_data();
    void saveFails();
};

void FailureInjectionTest::saveFails_data()
{
    QTest::addColumn<Fault>("fault");
    QTest::addColumn<Operation>("operation");
    const QList<std::pair<const char *, Operation>> operations = {
        {"saveToFile", Operation::SaveList},
        {"catalog save", Operation::SaveCatalog},
        {"project save", Operation::SaveProject},
    };
    for (const auto &[name, operation] : operations) {
        QTest::addRow("%s, disk full", name) << Fault::DiskFull << operation;
        QTest::addRow("%s, read-only folder", name) << Fault::ReadOnly << operation;
    }
    QTest::addRow("saveToFile, disk fills during the write")
        << Fault::DiskFillsDuringWrite << Operation::SaveList;
}

void FailureInjectionTest::saveFails()
{
    QFETCH(Fault, fault);
    QFETCH(Operation, operation);

    ScratchMount disk(64 * 1024);
    if (!disk.mounted())
        QSKIP(qPrintable(QStringLiteral("needs a tmpfs mount, refused here: ") + disk.refusal()));
    const QString folder = disk.path();
    const Files before = oldFiles(operation);
    writeFiles(folder, before);

    // The list for the write that fills the disk part-way is far larger than the disk.
    auto saver = std::make_unique<Saver>(operation, folder, fault == Fault::DiskFillsDuringWrite ? 20000 : 3);
    QString expected = QStringLiteral("Stream write error");
    switch (fault) {
    case Fault::DiskFull:
        QVERIFY(disk.fill());
        break;
    case Fault::DiskFillsDuringWrite:
        break;
    case Fault::ReadOnly:
        QVERIFY(disk.remount(true));
        expected = QStringLiteral("Cannot create file \"%1\". %2")
                       .arg(folder + u'/' + firstWritten(operation), systemErrorText(EROFS));
        break;
    }

    QCOMPARE(saver->run(), expected);
    QCOMPARE(folderContents(folder), before);
    if (operation == Operation::SaveProject)
        QVERIFY(!saver->markedSaved());

    // The fault gone, the same objects save again.
    if (fault == Fault::ReadOnly)
        QVERIFY(disk.remount(false));
    else if (fault == Fault::DiskFull)
        QVERIFY(disk.unfill());
    else
        saver = std::make_unique<Saver>(operation, folder, 3);
    QCOMPARE(saver->run(), QString());
    if (operation == Operation::SaveProject)
        QVERIFY(saver->markedSaved());
    const Files after = folderContents(folder);
    QCOMPARE(after.keys(), before.keys());
    for (const QString &name : before.keys())
        QVERIFY2(after[name] != before[name], qPrintable(name));
}

QTEST_GUILESS_MAIN(FailureInjectionTest)
#include "tst_failureinjection.moc"
