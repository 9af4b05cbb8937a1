// The main window's Help menu: "Quorvel" hands the help file in the database folder
// to the desktop shell and reports nothing; "About Quorvel" shows the About window
// modally, the same window every time.
#include "aboutdialog.h"
#include "application.h"
#include "mainwindow.h"
#include "support/fakeplatform.h"
#include "support/modal.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <memory>

using namespace quorvel;

class TestHelpMenu : public QObject {
    Q_OBJECT
private slots:
    void helpOpensTheHelpFile_data();
    void helpOpensTheHelpFile();
    void aboutShowsTheSameWindowEachTime();
};

namespace {

// The program over fakes, created as at start-up (not shown).
struct Program {
    FakePlatform fake;
    std::unique_ptr<Application> app;

    explicit Program(const QString &commonDocuments)
    {
        fake.folders = FakeKnownFolders(commonDocuments, "/home/ana/Documents", "/home/ana/Pictures");
        app = std::make_unique<Application>(fake.platform);
    }

    QAction *action(const char *name) { return app->mainWindow().findChild<QAction *>(QString::fromLatin1(name)); }
};

}

void TestHelpMenu::helpOpensTheHelpFile_data()
{
    QTest::addColumn<QString>("commonDocuments");
    QTest::addColumn<QString>("helpFile");
    QTest::newRow("data home") << "/home/ana/.local/share"
                               << "/home/ana/.local/share/Pellmarsh/Quorvel/Database/Quorvel Help.chm";
    QTest::newRow("blanks in the folder") << "/home/ana/My Data"
                                          << "/home/ana/My Data/Pellmarsh/Quorvel/Database/Quorvel Help.chm";
    // A failed folder query leaves the database folder at the top of the file system.
    QTest::newRow("failed query") << "" << "/Pellmarsh/Quorvel/Database/Quorvel Help.chm";
}

void TestHelpMenu::helpOpensTheHelpFile()
{
    QFETCH(QString, commonDocuments);
    QFETCH(QString, helpFile);
    Program program(commonDocuments);
    QAction *help = program.action("helpAction");
    QVERIFY(help);
    QCOMPARE(help->text(), QString("Quorvel"));

    help->trigger();
    help->trigger();

    // The same document each time, whether it exists or not, and no box of our own.
    QCOMPARE(program.fake.shell.opened, QStringList({helpFile, helpFile}));
    QVERIFY(program.fake.boxes.shown().isEmpty());
}

void TestHelpMenu::aboutShowsTheSameWindowEachTime()
{
    Program program("/home/ana/.local/share");
    // Made when first shown, then kept.
    QVERIFY(!program.app->mainWindow().findChild<AboutDialog *>());
    QAction *aboutAction = program.action("aboutAction");
    QVERIFY(aboutAction);
    QCOMPARE(aboutAction->text(), QString("About Quorvel"));

    QList<QImage> looks;
    QList<QWidget *> shown;
    for (int showing = 0; showing < 2; ++showing) {
        whenModal([&](QWidget *modal) {
            shown << modal;
            looks << modal->grab().toImage();
            auto *okButton = modal->findChild<QPushButton *>("okButton");
            QVERIFY(okButton);
            QTest::mouseClick(okButton, Qt::LeftButton);
        });
        aboutAction->trigger();
        QVERIFY(!shown.last()->isVisible());
    }

    auto *about = program.app->mainWindow().findChild<AboutDialog *>();
    QVERIFY(about);
    QCOMPARE(shown, QList<QWidget *>({about, about}));
    QCOMPARE(looks.size(), 2);
    QCOMPARE(looks[1], looks[0]);
    QVERIFY(program.fake.shell.opened.isEmpty());
    QVERIFY(program.fake.boxes.shown().isEmpty());
}

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
