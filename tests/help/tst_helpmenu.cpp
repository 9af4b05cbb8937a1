// The main window's Help menu: "Quorvel" hands the help file in the database folder
// to the desktop shell and reports nothing; "About Quorvel" shows the About window
// modally, the same window every time.
#include "app/forms.h"
#include "app/tform1.h"
#include "app/tform6.h"
#include "platform/ui/platform.h"
#include "support/fakefiledialogs.h"
#include "support/fakeknownfolders.h"
#include "support/fakemessageboxes.h"
#include "support/fakeshell.h"
#include "support/modal.h"

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QTest>

class TestHelpMenu : public QObject {
    Q_OBJECT
private slots:
    void helpOpensTheHelpFile_data();
    void helpOpensTheHelpFile();
    void aboutShowsTheSameWindowEachTime();
};

namespace {

// The main window over fakes, created as at start-up.
struct MainWindow {
    FakeKnownFolders folders;
    FakeMessageBoxes messages;
    FakeFileDialogs fileDialogs;
    FakeShell shell;
    Platform platform;
    std::unique_ptr<TForm1> form;

    explicit MainWindow(const QString &commonDocuments)
        : folders(commonDocuments, "/home/ana/Documents", "/home/ana/Pictures")
    {
        platform.messages = &messages;
        platform.folders = &folders;
        platform.fileDialogs = &fileDialogs;
        platform.shell = &shell;
        form = std::make_unique<TForm1>(platform);
        form->FormCreate();
    }
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
    MainWindow main(commonDocuments);
    QCOMPARE(main.form->AboutQuorvel1->text(), QString("Quorvel"));

    main.form->AboutQuorvel1->trigger();
    main.form->AboutQuorvel1->trigger();

    // The same document each time, whether it exists or not, and no box of our own.
    QCOMPARE(main.shell.opened, QStringList({helpFile, helpFile}));
    QVERIFY(main.messages.shown().isEmpty());
}

void TestHelpMenu::aboutShowsTheSameWindowEachTime()
{
    MainWindow main("/home/ana/.local/share");
    TForm6 about(main.form.get());
    Form6 = &about;
    QCOMPARE(main.form->AboutQuorvel2->text(), QString("About Quorvel"));

    QList<QImage> looks;
    QList<QWidget *> shown;
    for (int showing = 0; showing < 2; ++showing) {
        whenModal([&](QWidget *modal) {
            shown << modal;
            looks << about.grab().toImage();
            QTest::mouseClick(about.OK, Qt::LeftButton);
        });
        main.form->AboutQuorvel2->trigger();
        QVERIFY(!about.isVisible());
    }
    Form6 = nullptr;

    QCOMPARE(shown, QList<QWidget *>({&about, &about}));
    QCOMPARE(looks.size(), 2);
    QCOMPARE(looks[1], looks[0]);
    QVERIFY(main.shell.opened.isEmpty());
    QVERIFY(main.messages.shown().isEmpty());
}

QTEST_MAIN(TestHelpMenu)
#include "tst_helpmenu.moc"
