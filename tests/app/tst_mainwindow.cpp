#include "app/forms.h"
#include "app/stretchedpicture.h"
#include "app/tform1.h"
#include "app/tform6.h"
#include "catalogs/tform2.h"
#include "catalogs/tform3.h"
#include "catalogs/tform4.h"
#include "core/numbers.h"
#include "core/sharedstate.h"
#include "platform/ui/gridwidget.h"
#include "platform/ui/platform.h"
#include "platform/ui/qtpictureloader.h"
#include "printing/tform5.h"
#include "storage/datafolders.h"
#include "support/fakefiledialogs.h"
#include "support/fakeknownfolders.h"
#include "support/fakemessageboxes.h"
#include "support/fakeshell.h"
#include "support/modal.h"
#include "support/recordingprinting.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHeaderView>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

// The main window on real widgets (offscreen), with the platform's fakes.
class TestMainWindow : public QObject {
    Q_OBJECT

    QTemporaryDir home;
    FakeMessageBoxes *boxes = nullptr;
    FakeKnownFolders *folders = nullptr;
    FakeFileDialogs *dialogs = nullptr;
    QtPictureLoader pictures;
    RecordingPrinting *printing = nullptr;
    FakeShell *shell = nullptr;
    Platform platform;

    QString database() const { return home.path() + "/common/Pellmarsh/Quorvel/Database/"; }

    void writeCatalog(const QString &name, const QStringList &lines)
    {
        QFile file(database() + name);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(lines.join("\r\n").toLatin1() + "\r\n");
    }

    void writeCatalogs()
    {
        QVERIFY(QDir().mkpath(database()));
        writeCatalog("pipes.csv", {"No,Type,Nominal,Schedule,Inside", "1,PVC,2,40,52.5", "2,PVC,3,40,77.9",
                                   "3,PVC,4,40,102.3", "4,PVC,6,40,154.1"});
        writeCatalog("pumps.csv", {"No,Name,Model,Q,H,kW,Curve", "1,Engine,PE-50,5,20,3,pe50.bmp",
                                   "2,Electric,SM4,8,40,4,sm4.bmp"});
        writeCatalog("storage.csv", {"No,Type,Volume,Notes", "1,Onion,10,kit", "2,Bladder,5,kit"});
        QImage curve(8, 8, QImage::Format_RGB32);
        curve.fill(Qt::white);
        for (const char *name : {"pe50.bmp", "sm4.bmp", "no curve.bmp"})
            QVERIFY(curve.save(database() + name, "BMP"));
    }

    // Start-up as the program entry does it, up to the first activation.
    void startUp()
    {
        createForms(platform);
        QVERIFY(Form1 && Form6);
        Form1->showMaximized();
        QApplication::setActiveWindow(Form1);
        QVERIFY(QTest::qWaitForWindowActive(Form1));
    }

    void setInputs(const QStringList &column2)
    {
        for (int row = 1; row <= column2.size(); ++row)
            Form1->sheet.SG1.setCell(2, row, column2[row - 1]);
    }

    QString switches() const
    {
        auto word = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
        return word(Form1->saveEnabled()) + " " + word(Form1->saveAsEnabled()) + " " + word(Form1->printEnabled());
    }

    // A key as the user types it: pressed into the focused widget, released where the
    // focus is afterwards (typing into a cell moves the focus to its editor).
    static void type(const QString &text)
    {
        for (QChar ch : text) {
            QTest::keyPress(QApplication::focusWidget(), ch.toLatin1());
            QTest::keyRelease(QApplication::focusWidget(), ch.toLatin1());
        }
    }
    static void key(Qt::Key k)
    {
        QTest::keyPress(QApplication::focusWidget(), k);
        QTest::keyRelease(QApplication::focusWidget(), k);
    }
    void clickInput(int row)
    {
        QWidget *viewport = Form1->SG1->viewport();
        QTest::mouseClick(viewport, Qt::LeftButton, {},
                          Form1->SG1->visualRect(Form1->SG1->model()->index(row, 2)).center());
    }

private slots:
    void initTestCase()
    {
        QApplication::setQuitOnLastWindowClosed(false);
        QVERIFY(home.isValid());
    }

    void init()
    {
        boxes = new FakeMessageBoxes;
        folders = new FakeKnownFolders(home.path() + "/common", home.path() + "/docs", home.path() + "/pics");
        dialogs = new FakeFileDialogs;
        printing = new RecordingPrinting;
        shell = new FakeShell;
        platform = Platform{boxes, folders, dialogs, &pictures, printing, shell};
        pickedPumpRow = tankRow = tankCount = 0;
        setDecimalSeparator(u'.');
        writeCatalogs();
    }

    void cleanup()
    {
        destroyForms();
        QDir(home.path() + "/common").removeRecursively();
        delete boxes;
        delete folders;
        delete dialogs;
        delete printing;
        delete shell;
    }

    void startUpInOrderWithDefaults()
    {
        createForms(platform);
        // The five secondary windows, owned by the main window, in creation order.
        QList<QObject *> owned;
        for (QObject *child : Form1->children())
            if (qobject_cast<QDialog *>(child))
                owned << child;
        QCOMPARE(owned, (QList<QObject *>{Form2, Form3, Form4, Form5, Form6}));
        QCOMPARE(databaseDir, database());
        QCOMPARE(folders->queries, (QStringList{"common", "personal", "pictures"}));
        QCOMPARE(switches(), QStringLiteral("off off off"));

        // Created, not yet shown: layout captions, no current input cell.
        QVERIFY(!Form1->isVisible());
        QCOMPARE(Form1->Label1->text(), QStringLiteral("Water Source Elevation"));
        QCOMPARE(Form1->sheet.R, 0);
        QCOMPARE(Form1->calc.nd, 0);

        Form1->showMaximized();
        QVERIFY(Form1->isMaximized());
        QCOMPARE(Form1->Label1->text(), QStringLiteral("Water source elevation= 100"));
        QCOMPARE(Form1->Label2->text(), QStringLiteral("Storage Elevation"));
        QCOMPARE(Form1->Label3->text(), QStringLiteral("Pipeline Length"));
        QCOMPARE(Form1->Label4->text(), QStringLiteral("Population"));
        QCOMPARE(Form1->sheet.C, 2);
        QCOMPARE(Form1->sheet.R, 1);
        QCOMPARE(Form1->SG1->col(), 2);
        QCOMPARE(Form1->SG1->row(), 1);
        const QStringList shown{"", "100", "", "", "4", "25", "250"};
        for (int row = 1; row <= 7; ++row)
            QCOMPARE(Form1->SG1->model()->index(row, 2).data().toString(), shown[row - 1]);
        for (int row = 1; row <= 10; ++row)
            QCOMPARE(Form1->SG2->model()->index(row, 2).data().toString(), QString());

        QApplication::setActiveWindow(Form1);
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        QVERIFY(Form1->activated());
        QCOMPARE(decimalSeparator(), QChar(u'.'));
        QCOMPARE(Form1->calc.nd, 4);
        QCOMPARE(tankCount, 2);
        QCOMPARE(Form2->table.cell(4, 4), QStringLiteral("154.1"));
        QCOMPARE(Form3->table.cell(2, 2), QStringLiteral("SM4"));
        QVERIFY(boxes->shown().isEmpty());

        // Activated again (after another window): nothing reloads, nothing fails.
        Form2->table.setCell(4, 4, QStringLiteral("edited"));
        QFile::remove(database() + "pipes.csv");
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QApplication::setActiveWindow(Form1);
        QVERIFY(QTest::qWaitForWindowActive(Form1));
        QCOMPARE(Form2->table.cell(4, 4), QStringLiteral("edited"));
        QVERIFY(boxes->shown().isEmpty());

        // Nothing changed: closing asks nothing.
        QVERIFY(Form1->close());
        QVERIFY(boxes->shown().isEmpty());
    }

    void missingCatalogIsShownAndStartUpGoesOn()
    {
        QFile::remove(database() + "pumps.csv");
        startUp();
        QCOMPARE(boxes->errors().size(), 1);
        const QString prefix = "Cannot open file \"" + database() + "pumps.csv\". ";
        QVERIFY2(boxes->errors()[0].startsWith(prefix), qPrintable(boxes->errors()[0]));
        QVERIFY(boxes->errors()[0].endsWith('.'));
        QCOMPARE(Form1->calc.nd, 4);         // loaded before the failure
        QCOMPARE(Form4->table.cell(1, 1), QString()); // not attempted after it
        QCOMPARE(tankCount, 0);
        QVERIFY(Form1->isVisible());
    }

    void failingWindowCreationIsShownAndStartUpGoesOn()
    {
        printing->defaultPrinter = -1;
        createForms(platform);
        QCOMPARE(boxes->errors().size(), 1);
        QVERIFY(Form5);
        QVERIFY(Form6);
    }

    void enablement_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("boxesShown");
        QTest::newRow("arrow key released in SG1") << "off off off" << "arrow" << "on on off" << QStringList{};
        QTest::newRow("To Calculate that fails") << "off off off" << "calculate" << "on on on"
                                                 << QStringList{"error: '' is not a valid floating point value."};
        QTest::newRow("New") << "on off on" << "new" << "on off on" << QStringList{};
        QTest::newRow("Save with no name") << "on on off" << "save" << "off off off"
                                           << QStringList{"warning: Enter the project name"};
        QTest::newRow("Save as with no name") << "on on on" << "save as" << "off off on"
                                              << QStringList{"warning: Enter the project name"};
        QTest::newRow("project opened") << "on on off" << "open" << "off off on" << QStringList{};
    }

    void enablement()
    {
        QFETCH(QString, before);
        QFETCH(QString, event);
        startUp();
        const QStringList state = before.split(' ');
        Form1->setSaveEnabled(state[0] == "on");
        Form1->setSaveAsEnabled(state[1] == "on");
        Form1->setPrintEnabled(state[2] == "on");
        QCOMPARE(switches(), before);

        if (event == "arrow") {
            Form1->SG1->setFocus();
            key(Qt::Key_Left); // nothing to move to
        } else if (event == "calculate") {
            QTest::mouseClick(Form1->BitBtn2, Qt::LeftButton);
        } else if (event == "new") {
            Form1->Open1->trigger();
        } else if (event == "save") {
            QTest::mouseClick(Form1->SpeedButton2, Qt::LeftButton);
        } else if (event == "save as") {
            Form1->Saveas1->trigger();
        } else if (event == "open") {
            QVERIFY(QDir().mkpath(home.path() + "/docs"));
            const QString base = home.path() + "/docs/opened";
            QFile qvl(base + ".qvl");
            QVERIFY(qvl.open(QIODevice::WriteOnly));
            qvl.write("Village\r\n");
            qvl.close();
            QFile dat(base + ".dat");
            QVERIFY(dat.open(QIODevice::WriteOnly));
            dat.write(QByteArray("Description,Unit,Value\r\n").repeated(8));
            dat.close();
            QFile res(base + ".res");
            QVERIFY(res.open(QIODevice::WriteOnly));
            res.write(QByteArray("Description,Unit,Result\r\n").repeated(11));
            res.close();
            dialogs->confirm(FakeFileDialogs::Kind::Open, base + ".qvl", 1);
            QTest::mouseClick(Form1->SpeedButton1, Qt::LeftButton);
            QCOMPARE(Form1->Edit1->text(), QStringLiteral("Village"));
        }
        QTEST(switches(), "after");
        QTEST(boxes->shown(), "boxesShown");
    }

    void typingIntoTheInputTableUpdatesTheCaptions()
    {
        startUp();
        Form1->SG1->setFocus();
        type("1200"); // the highlight starts on row 1
        QCOMPARE(Form1->sheet.SG1.cell(2, 1), QStringLiteral("1200"));
        QCOMPARE(Form1->Label3->text(), QStringLiteral("Pipeline Length= 1200"));
        QCOMPARE(Form1->Label3->size(), Form1->Label3->sizeHint());
        QCOMPARE(switches(), QStringLiteral("on on off"));

        clickInput(3); // select row 3, then open its editor and clear it by typing
        clickInput(3);
        QVERIFY(Form1->SG1->cellEditor());
        type("5");
        key(Qt::Key_Backspace);
        QCOMPARE(Form1->Label2->text(), QStringLiteral("Storage Elevation= "));

        clickInput(6);
        Form1->SG1->setFocus();
        key(Qt::Key_Down);
        QCOMPARE(Form1->sheet.R, 7);
        QCOMPARE(Form1->Label1->text(), QStringLiteral("Water source elevation= 100"));
        QCOMPARE(Form1->Label4->text(), QStringLiteral("Population"));

        // After a resize the captions follow row 1 again until another cell is selected.
        clickInput(4);
        Form1->showNormal();
        Form1->resize(Form1->width() + 10, Form1->height());
        QCOMPARE(Form1->sheet.R, 1);
        Form1->SG1->setFocus();
        type("7");
        QCOMPARE(Form1->Label4->text(), QStringLiteral("Population"));
        QCOMPARE(Form1->Label3->text(), QStringLiteral("Pipeline Length= 1200"));
    }

    void projectNameBox()
    {
        startUp();
        QTest::keyClicks(Form1->Edit1, "Camp");
        QCOMPARE(Form1->sheet.projectName(), QStringLiteral("Camp"));
        Form1->sheet.setProjectName("3");
        QCOMPARE(Form1->Edit1->text(), QStringLiteral("3"));
    }

    void captionPlacement_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QList<QPoint>>("places"); // Label1..Label4
        QTest::newRow("600 x 400") << QSize(600, 400)
                                   << QList<QPoint>{{20, 360}, {220, 80}, {300, 200}, {360, 280}};
        QTest::newRow("601 wide: half to even") << QSize(601, 400)
                                                << QList<QPoint>{{20, 360}, {221, 80}, {300, 200}, {361, 280}};
        QTest::newRow("603 wide: half to even") << QSize(603, 401)
                                                << QList<QPoint>{{20, 361}, {223, 80}, {302, 200}, {363, 281}};
        QTest::newRow("narrow: not clamped") << QSize(300, 100)
                                             << QList<QPoint>{{20, 60}, {-80, 80}, {150, 50}, {60, -20}};
    }

    void captionPlacement()
    {
        QFETCH(QSize, picture);
        QFETCH(QList<QPoint>, places);
        startUp();
        Form1->showNormal();
        const QSize now = Form1->Image1->size();
        Form1->resize(Form1->size() + picture - now);
        QCOMPARE(Form1->Image1->size(), picture);
        QCOMPARE(Form1->Label1->pos(), places[0]);
        QCOMPARE(Form1->Label2->pos(), places[1]);
        QCOMPARE(Form1->Label3->pos(), places[2]);
        QCOMPARE(Form1->Label4->pos(), places[3]);
        QCOMPARE(Form1->BitBtn1->pos(), QPoint(Form1->Panel1->width() - 120, 24));
    }

    void layout()
    {
        startUp();
        QCOMPARE(Form1->windowTitle(), QStringLiteral("Quorvel-DravenholtSystems"));
        QCOMPARE(Form1->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(Form1->font().pointSize(), 8);
        QStringList menu;
        for (QAction *a : Form1->menuBar()->actions()) {
            menu << a->text();
            if (QMenu *m = a->menu())
                for (QAction *item : m->actions()) {
                    menu << "  " + (item->isSeparator() ? QStringLiteral("-") : item->text());
                    QVERIFY(item->shortcut().isEmpty());
                }
        }
        QCOMPARE(menu, (QStringList{"File", "  New", "  Open", "  Save as", "  -", "  Open Diameters File", "  -",
                                    "  Exit", "Resources", "  Pumps", "  Distribution Tanks", "Help", "  Quorvel",
                                    "  About Quorvel"}));
        const QList<QToolButton *> buttons{Form1->SpeedButton1, Form1->SpeedButton2, Form1->SpeedButton3,
                                           Form1->SpeedButton4, Form1->SpeedButton5, Form1->SpeedButton6};
        const QStringList hints{"Open a file", "Save the current project", "Print the current project",
                                "Open the Pipes file", "Open the Pumps file", "Open the Tanks file"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(buttons[i]->toolTip(), hints[i]);
            QCOMPARE(buttons[i]->size(), QSize(23, 24));
            QVERIFY(!buttons[i]->icon().isNull());
        }
        // The greyed pictures differ from the normal ones.
        const QIcon save = Form1->SpeedButton2->icon();
        QVERIFY(save.pixmap(16, QIcon::Disabled).toImage() != save.pixmap(16, QIcon::Normal).toImage());
        QCOMPARE(Form1->Splitter1->width(), 44);
        QCOMPARE(Form1->Splitter2->width(), 59);
        QCOMPARE(Form1->ToolBar1->height(), 29);
        QCOMPARE(Form1->Panel1->height(), 65);
        QCOMPARE(Form1->Panel2->width(), 705);
        QCOMPARE(Form1->Panel5->height(), 64);
        QCOMPARE(Form1->Panel3->height(), 208);
        QCOMPARE(Form1->Panel4->height(), 337);
        QCOMPARE(Form1->Edit1->geometry(), QRect(141, 24, 210, 21));
        QCOMPARE(Form1->StaticText1->text(), QStringLiteral("Project:"));
        QCOMPARE(Form1->BitBtn2->geometry(), QRect(587, 6, 75, 25));
        QCOMPARE(Form1->BitBtn2->text(), QStringLiteral("To Calculate"));
        QCOMPARE(Form1->BitBtn1->text(), QStringLiteral("OK"));
        QCOMPARE(Form1->SG2->height(), 287);
        QCOMPARE(Form1->SG2->geometry().bottom(), Form1->Panel4->height() - 2);
        QCOMPARE(Form1->Image1->pictureSize(), QSize(1343, 539));
        QCOMPARE(Form1->Image1->geometry(), Form1->Panel6->contentsRect());
        QCOMPARE(Form1->SG1->verticalHeader()->width(), 180 + 130); // the two fixed columns
        QCOMPARE(Form1->SG1->columnWidth(2), 70);
        QCOMPARE(Form1->SG1->rowHeight(7), 24);
        for (QLabel *label : {Form1->Label1, Form1->Label2, Form1->Label3, Form1->Label4}) {
            QVERIFY(label->font().bold());
            QCOMPARE(label->font().pixelSize(), 21);
            QVERIFY(label->autoFillBackground());
        }
        QCOMPARE(Form1->Label1->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(Form1->Label3->palette().color(QPalette::WindowText), QColor(Qt::blue));
    }

    void commandsOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::newRow("Open Diameters File") << "OpenDiametersFile1" << "Form2";
        QTest::newRow("pipes button") << "SpeedButton4" << "Form2";
        QTest::newRow("Pumps") << "Pumps1" << "Form3";
        QTest::newRow("pumps button") << "SpeedButton5" << "Form3";
        QTest::newRow("Distribution Tanks") << "DistributionTanks1" << "Form4";
        QTest::newRow("tanks button") << "SpeedButton6" << "Form4";
        QTest::newRow("About Quorvel") << "AboutQuorvel2" << "Form6";
        QTest::newRow("Print") << "SpeedButton3" << "Form5";
    }

    void commandsOpenTheirWindows()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        startUp();
        Form1->setPrintEnabled(true);
        const QMap<QString, QWidget *> windows{{"Form2", Form2}, {"Form3", Form3}, {"Form4", Form4},
                                               {"Form5", Form5}, {"Form6", Form6}};
        QWidget *shown = nullptr;
        whenModal([&shown](QWidget *w) {
            shown = w;
            w->close();
        });
        if (auto *action = Form1->findChild<QAction *>(command))
            action->trigger();
        else
            QTest::mouseClick(Form1->findChild<QToolButton *>(command), Qt::LeftButton);
        QCOMPARE(shown, windows.value(window));
    }

    void helpOpensTheHelpFile()
    {
        startUp();
        Form1->AboutQuorvel1->trigger();
        QCOMPARE(shell->opened, QStringList{database() + "Quorvel Help.chm"});
    }

    void calculationWithThePicks()
    {
        startUp();
        setInputs({"1000", "100", "150", "5000", "4", "25", "250"});
        bool pickingLook = false;
        whenModal([&](QWidget *w) {
            QCOMPARE(w, Form3);
            pickingLook = Form3->Button2->isVisibleTo(Form3) && !Form3->Button1->isVisibleTo(Form3);
            pickedPumpRow = 1; // as a double-click on row 1 does
            whenModal([](QWidget *w4) {
                QCOMPARE(w4, Form4);
                w4->close(); // tankRow: 1
            });
            w->close();
        });
        QTest::mouseClick(Form1->BitBtn2, Qt::LeftButton);
        QVERIFY(boxes->shown().isEmpty());
        QVERIFY(pickingLook);
        QVERIFY(!Form3->Button2->isVisibleTo(Form3));
        QVERIFY(Form3->Button1->isVisibleTo(Form3));
        QStringList results;
        for (int row = 1; row <= 10; ++row)
            results << Form1->SG2->model()->index(row, 2).data().toString();
        QCOMPARE(results, (QStringList{"520.8", "6", "1.56", "51.56", "125", "1", "13", "130", "4.16", "4"}));
        QCOMPARE(Form1->sheet.SG2.cell(0, 6), QStringLiteral("Engine pump PE-50 model"));
        QCOMPARE(Form1->sheet.SG2.cell(0, 7), QStringLiteral("Onion Tank 10 M^3"));
        QCOMPARE(switches(), QStringLiteral("on on on"));
    }

    void closing_data()
    {
        QTest::addColumn<QString>("how");
        QTest::newRow("close box") << "close box";
        QTest::newRow("File > Exit") << "Exit";
        QTest::newRow("OK button") << "OK";
    }

    void closing()
    {
        QFETCH(QString, how);
        startUp();
        Form1->setSaveEnabled(true); // unsaved changes: the exit prompt asks; No ends
        if (how == "close box")
            Form1->close();
        else if (how == "Exit")
            Form1->Exit1->trigger();
        else
            QTest::mouseClick(Form1->BitBtn1, Qt::LeftButton);
        QCOMPARE(boxes->questions().size(), 1);
        QVERIFY(!Form1->isVisible());
    }

    void failedSaveAtExitKeepsTheWindowOpen()
    {
        startUp();
        Form1->setSaveEnabled(true);
        Form1->sheet.setProjectName("P");
        boxes->answer(true);
        dialogs->confirm(FakeFileDialogs::Kind::Save, home.path() + "/no such folder/p");
        QVERIFY(!Form1->close());
        QVERIFY(Form1->isVisible());
        QCOMPARE(boxes->errors().size(), 1);
    }

    void settingsChangeReadsTheRegionalSeparator()
    {
        startUp();
        QCOMPARE(decimalSeparator(), QChar(u'.'));
        setDecimalSeparator(u'x');
        QEvent change(QEvent::LocaleChange);
        QApplication::sendEvent(Form1, &change);
        QCOMPARE(decimalSeparator(), QLocale::system().decimalPoint().at(0));
        QVERIFY(Form1->calc.nd == 4); // the activation does not run again
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
