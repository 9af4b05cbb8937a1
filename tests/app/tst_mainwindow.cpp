#include "aboutdialog.h"
#include "application.h"
#include "datafolders.h"
#include "diameterswindow.h"
#include "gridwidget.h"
#include "mainwindow.h"
#include "numbers.h"
#include "platform.h"
#include "printerchoicedialog.h"
#include "pumpswindow.h"
#include "qtpictureloader.h"
#include "sheetlayout.h"
#include "stretchedpicture.h"
#include "tankswindow.h"
#include "support/children.h"
#include "support/workedexample.h"
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
#include <QFrame>
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

#include <memory>

using namespace quorvel;

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
    std::unique_ptr<Application> app;

    QString database() const { return home.path() + "/common/Pellmarsh/Quorvel/Database/"; }

    MainWindow &main() { return app->mainWindow(); }

    // A widget, action or menu of the main window by its object name.
    template <class T>
    T *child(const char *name)
    {
        return &quorvel::child<T>(main(), name);
    }
    // One of the five windows the main window owns.
    template <class T>
    T *owned()
    {
        T *found = main().findChild<T *>();
        if (!found)
            qFatal("the main window owns no %s", T::staticMetaObject.className());
        return found;
    }
    GridWidget *inputGrid() { return child<GridWidget>("inputGrid"); }
    GridWidget *resultGrid() { return child<GridWidget>("resultGrid"); }
    QString captionText(const char *name) { return child<QLabel>(name)->text(); }

    void writeFile(const QString &path, const QByteArray &content)
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
    }

    void writeCatalog(const QString &name, const QStringList &lines)
    {
        writeFile(database() + name, lines.join("\r\n").toLatin1() + "\r\n");
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

    // A saved project with the given name and empty tables, scripted as the answer of
    // the next open dialog (project files filter); the caller opens it.
    void offerProject(const QString &name)
    {
        QVERIFY(QDir().mkpath(home.path() + "/docs"));
        const QString base = home.path() + "/docs/opened";
        writeFile(base + ".qvl", name.toLatin1() + "\r\n");
        writeFile(base + ".dat", QByteArray("Description,Unit,Value\r\n").repeated(8));
        writeFile(base + ".res", QByteArray("Description,Unit,Result\r\n").repeated(11));
        dialogs->confirm(FakeFileDialogs::Kind::Open, base + ".qvl", 1);
    }

    void createApplication() { app = std::make_unique<Application>(platform); }

    // Start-up as the program entry does it, up to the first activation.
    void startUp()
    {
        createApplication();
        main().showMaximized();
        QApplication::setActiveWindow(&main());
        QVERIFY(QTest::qWaitForWindowActive(&main()));
    }

    // Writes the value column of the input table from row 1 on, cell by cell.
    void setInputs(const QStringList &values)
    {
        QAbstractItemModel *model = inputGrid()->model();
        for (int row = 1; row <= values.size(); ++row)
            QVERIFY(model->setData(model->index(row, valueColumn), values[row - 1]));
    }

    // Save, Save as and Print as the toolbar and the menu show them.
    QString switches()
    {
        auto word = [](bool on) { return on ? QStringLiteral("on") : QStringLiteral("off"); };
        auto *toolBar = child<QToolBar>("toolBar");
        return word(child<QToolButton>("saveButton")->isEnabledTo(toolBar)) + " "
               + word(child<QAction>("saveAsAction")->isEnabled()) + " "
               + word(child<QToolButton>("printButton")->isEnabledTo(toolBar));
    }

    // A key released in the input table: the project counts as changed (Save and
    // Save as on).
    void changeTheProject()
    {
        inputGrid()->setFocus();
        key(Qt::Key_Left); // nothing to move to
    }

    // "To Calculate" on the empty inputs: it fails, with Save, Save as and Print on.
    void calculateAndFail()
    {
        QTest::mouseClick(child<QPushButton>("calculateButton"), Qt::LeftButton);
        QCOMPARE(boxes->errors().size(), 1);
    }

    // Brings Save, Save as and Print to the state "save saveAs print" as a user can.
    void reach(const QString &state)
    {
        if (state == "on on off") {
            changeTheProject();
        } else if (state == "on on on") {
            calculateAndFail();
            boxes->clear();
        } else if (state == "off off on") {
            offerProject("Village");
            child<QAction>("openAction")->trigger();
        } else {
            QCOMPARE(state, QStringLiteral("off off off")); // as at start-up
        }
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
    static QPoint cellCentre(GridWidget *grid, int col, int row)
    {
        return grid->visualRect(grid->model()->index(row, col)).center();
    }
    void clickInput(int row)
    {
        QTest::mouseClick(inputGrid()->viewport(), Qt::LeftButton, {}, cellCentre(inputGrid(), valueColumn, row));
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
        setDecimalSeparator(u'.');
        writeCatalogs();
    }

    void cleanup()
    {
        app.reset();
        QDir(home.path() + "/common").removeRecursively();
        QDir(home.path() + "/docs").removeRecursively();
        delete boxes;
        delete folders;
        delete dialogs;
        delete printing;
        delete shell;
    }

    void startUpInOrderWithDefaults()
    {
        createApplication();
        // Of the secondary windows only the printer choice is made at start-up; the
        // others are made when first needed, owned by the main window, and kept.
        const auto dialogWindows = [this] {
            QList<QObject *> found;
            for (QObject *c : main().children())
                if (qobject_cast<QDialog *>(c))
                    found << c;
            return found;
        };
        QCOMPARE(dialogWindows(), (QList<QObject *>{owned<PrinterChoiceDialog>()}));
        QWidget *about = &main().aboutDialog();
        QCOMPARE(&main().aboutDialog(), about);
        QCOMPARE(dialogWindows(), (QList<QObject *>{owned<PrinterChoiceDialog>(), about}));
        QCOMPARE(app->folders().databaseDir, database());
        QCOMPARE(folders->queries, (QStringList{"common", "personal", "pictures"}));
        QCOMPARE(switches(), QStringLiteral("off off off"));

        // Created, not yet shown: layout captions, no current input cell.
        QVERIFY(!main().isVisible());
        QCOMPARE(captionText("sourceCaption"), QStringLiteral("Water Source Elevation"));
        QCOMPARE(main().sheet().currentRow, 0);
        QCOMPARE(app->catalogs().pipeCount, 0);

        main().showMaximized();
        QVERIFY(main().isMaximized());
        QCOMPARE(captionText("sourceCaption"), QStringLiteral("Water source elevation= 100"));
        QCOMPARE(captionText("storageCaption"), QStringLiteral("Storage Elevation"));
        QCOMPARE(captionText("pipelineCaption"), QStringLiteral("Pipeline Length"));
        QCOMPARE(captionText("populationCaption"), QStringLiteral("Population"));
        QCOMPARE(main().sheet().currentColumn, 2);
        QCOMPARE(main().sheet().currentRow, 1);
        QCOMPARE(inputGrid()->col(), 2);
        QCOMPARE(inputGrid()->row(), 1);
        const QStringList shown{"", "100", "", "", "4", "25", "250"};
        for (int row = 1; row <= 7; ++row)
            QCOMPARE(inputGrid()->model()->index(row, valueColumn).data().toString(), shown[row - 1]);
        for (int row = 1; row <= 10; ++row)
            QCOMPARE(resultGrid()->model()->index(row, valueColumn).data().toString(), QString());

        // The first activation loads the catalogs.
        QApplication::setActiveWindow(&main());
        QVERIFY(QTest::qWaitForWindowActive(&main()));
        QCOMPARE(decimalSeparator(), QChar(u'.'));
        QCOMPARE(app->catalogs().pipeCount, 4);
        QCOMPARE(app->catalogs().tankCount, 2);
        QCOMPARE(app->catalogs().pipes.cell(4, 4), QStringLiteral("154.1"));
        QCOMPARE(app->catalogs().pumps.cell(2, 2), QStringLiteral("SM4"));
        QVERIFY(boxes->shown().isEmpty());

        // Activated again (after another window): nothing reloads, nothing fails.
        app->catalogs().pipes.setCell(4, 4, QStringLiteral("edited"));
        QFile::remove(database() + "pipes.csv");
        QWidget other;
        other.show();
        QApplication::setActiveWindow(&other);
        QVERIFY(QTest::qWaitForWindowActive(&other));
        QApplication::setActiveWindow(&main());
        QVERIFY(QTest::qWaitForWindowActive(&main()));
        QCOMPARE(app->catalogs().pipes.cell(4, 4), QStringLiteral("edited"));
        QVERIFY(boxes->shown().isEmpty());

        // Nothing changed: closing asks nothing.
        QVERIFY(main().close());
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
        QCOMPARE(app->catalogs().pipeCount, 4);              // loaded before the failure
        QCOMPARE(app->catalogs().tanks.cell(1, 1), QString()); // not attempted after it
        QCOMPARE(app->catalogs().tankCount, 0);
        QVERIFY(main().isVisible());
    }

    void failingWindowCreationIsShownAndStartUpGoesOn()
    {
        printing->defaultPrinter = -1;
        createApplication();
        QCOMPARE(boxes->errors().size(), 1);
        QVERIFY(main().findChild<PrinterChoiceDialog *>());
    }

    void enablement_data()
    {
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("event");
        QTest::addColumn<QString>("after");
        QTest::addColumn<QStringList>("boxesShown");
        QTest::newRow("arrow key released in the input table") << "off off off" << "arrow" << "on on off"
                                                               << QStringList{};
        QTest::newRow("To Calculate that fails") << "off off off" << "calculate" << "on on on"
                                                 << QStringList{"error: '' is not a valid floating point value."};
        QTest::newRow("New after a change") << "on on off" << "new" << "on on off" << QStringList{};
        QTest::newRow("New after opening") << "off off on" << "new" << "off off on" << QStringList{};
        // A save that stops leaves the project unsaved.
        QTest::newRow("Save with no name") << "on on off" << "save" << "on on off"
                                           << QStringList{"warning: Enter the project name"};
        QTest::newRow("Save as with no name") << "on on on" << "save as" << "on on on"
                                              << QStringList{"warning: Enter the project name"};
        QTest::newRow("project opened") << "on on off" << "open" << "off off on" << QStringList{};
    }

    void enablement()
    {
        QFETCH(QString, before);
        QFETCH(QString, event);
        startUp();
        reach(before);
        QCOMPARE(switches(), before);
        QVERIFY(boxes->shown().isEmpty());

        if (event == "arrow") {
            changeTheProject();
        } else if (event == "calculate") {
            QTest::mouseClick(child<QPushButton>("calculateButton"), Qt::LeftButton);
        } else if (event == "new") {
            child<QAction>("newAction")->trigger();
        } else if (event == "save") {
            QTest::mouseClick(child<QToolButton>("saveButton"), Qt::LeftButton);
        } else if (event == "save as") {
            child<QAction>("saveAsAction")->trigger();
        } else if (event == "open") {
            offerProject("Village");
            QTest::mouseClick(child<QToolButton>("openButton"), Qt::LeftButton);
            QCOMPARE(child<QLineEdit>("projectNameEdit")->text(), QStringLiteral("Village"));
        }
        QTEST(switches(), "after");
        QTEST(boxes->shown(), "boxesShown");
    }

    void typingIntoTheInputTableUpdatesTheCaptions()
    {
        startUp();
        inputGrid()->setFocus();
        type("1200"); // the highlight starts on row 1
        QCOMPARE(main().sheet().inputs.cell(valueColumn, InputRow::PipelineLength), QStringLiteral("1200"));
        QCOMPARE(captionText("pipelineCaption"), QStringLiteral("Pipeline Length= 1200"));
        QCOMPARE(child<QLabel>("pipelineCaption")->size(), child<QLabel>("pipelineCaption")->sizeHint());
        QCOMPARE(switches(), QStringLiteral("on on off"));

        clickInput(3); // select row 3, then open its editor and clear it by typing
        clickInput(3);
        QVERIFY(inputGrid()->cellEditor());
        type("5");
        key(Qt::Key_Backspace);
        QCOMPARE(captionText("storageCaption"), QStringLiteral("Storage Elevation= "));

        clickInput(6);
        inputGrid()->setFocus();
        key(Qt::Key_Down);
        QCOMPARE(main().sheet().currentRow, 7);
        QCOMPARE(captionText("sourceCaption"), QStringLiteral("Water source elevation= 100"));
        QCOMPARE(captionText("populationCaption"), QStringLiteral("Population"));

        // After a resize the captions follow row 1 again until another cell is selected.
        clickInput(4);
        main().showNormal();
        main().resize(main().width() + 10, main().height());
        QCOMPARE(main().sheet().currentRow, 1);
        inputGrid()->setFocus();
        type("7");
        QCOMPARE(captionText("populationCaption"), QStringLiteral("Population"));
        QCOMPARE(captionText("pipelineCaption"), QStringLiteral("Pipeline Length= 1200"));
    }

    void projectNameBox()
    {
        startUp();
        auto *nameEdit = child<QLineEdit>("projectNameEdit");
        QTest::keyClicks(nameEdit, "Camp");
        QCOMPARE(main().sheet().projectName(), QStringLiteral("Camp"));
        // A name the project gets otherwise (here by opening one) shows in the box.
        offerProject("3");
        child<QAction>("openAction")->trigger();
        QCOMPARE(main().sheet().projectName(), QStringLiteral("3"));
        QCOMPARE(nameEdit->text(), QStringLiteral("3"));
    }

    void captionPlacement_data()
    {
        QTest::addColumn<QSize>("picture");
        QTest::addColumn<QList<QPoint>>("places"); // source, storage, pipeline, population
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
        main().showNormal();
        auto *schematic = child<StretchedPicture>("schematic");
        const QSize now = schematic->size();
        main().resize(main().size() + picture - now);
        QCOMPARE(schematic->size(), picture);
        QCOMPARE(child<QLabel>("sourceCaption")->pos(), places[0]);
        QCOMPARE(child<QLabel>("storageCaption")->pos(), places[1]);
        QCOMPARE(child<QLabel>("pipelineCaption")->pos(), places[2]);
        QCOMPARE(child<QLabel>("populationCaption")->pos(), places[3]);
        QCOMPARE(child<QPushButton>("okButton")->pos(), QPoint(child<QFrame>("bottomPanel")->width() - 120, 24));
    }

    void layout()
    {
        startUp();
        QCOMPARE(main().windowTitle(), QStringLiteral("Quorvel-DravenholtSystems"));
        QCOMPARE(main().font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(main().font().pointSize(), 8);
        QStringList menu;
        for (QAction *a : main().menuBar()->actions()) {
            menu << a->text();
            if (QMenu *m = a->menu())
                for (QAction *item : m->actions()) {
                    menu << "  " + (item->isSeparator() ? QStringLiteral("-") : item->text());
                    QVERIFY(item->shortcut().isEmpty());
                }
        }
        QCOMPARE(menu, (QStringList{"File", "  New", "  Open", "  Save as", "  Export Design Report\u2026", "  Export EPANET Network\u2026", "  -", "  Open Diameters File", "  -",
                                    "  Exit", "Resources", "  Pumps", "  Distribution Tanks", "Help", "  Quorvel",
                                    "  About Quorvel"}));
        // The toolbar: three buttons, a gap, three buttons, a gap.
        auto *toolBar = child<QToolBar>("toolBar");
        QList<QWidget *> items;
        for (QAction *a : toolBar->actions())
            items << toolBar->widgetForAction(a);
        QCOMPARE(items.size(), 8);
        const QList<QToolButton *> buttons{child<QToolButton>("openButton"),      child<QToolButton>("saveButton"),
                                           child<QToolButton>("printButton"),     child<QToolButton>("diametersButton"),
                                           child<QToolButton>("pumpsButton"),     child<QToolButton>("tanksButton")};
        QCOMPARE(items.mid(0, 3), (QList<QWidget *>{buttons[0], buttons[1], buttons[2]}));
        QCOMPARE(items.mid(4, 3), (QList<QWidget *>{buttons[3], buttons[4], buttons[5]}));
        const QStringList hints{"Open a file", "Save the current project", "Print the current project",
                                "Open the Pipes file", "Open the Pumps file", "Open the Tanks file"};
        for (int i = 0; i < 6; ++i) {
            QCOMPARE(buttons[i]->toolTip(), hints[i]);
            QCOMPARE(buttons[i]->size(), QSize(23, 24));
            QVERIFY(!buttons[i]->icon().isNull());
        }
        // The greyed pictures differ from the normal ones.
        const QIcon save = buttons[1]->icon();
        QVERIFY(save.pixmap(16, QIcon::Disabled).toImage() != save.pixmap(16, QIcon::Normal).toImage());
        QCOMPARE(items[3]->width(), 44);
        QCOMPARE(items[7]->width(), 59);
        QCOMPARE(toolBar->height(), 29);
        QCOMPARE(child<QFrame>("bottomPanel")->height(), 65);
        QCOMPARE(child<QFrame>("sheetPanel")->width(), 705);
        QCOMPARE(child<QFrame>("projectPanel")->height(), 64);
        QCOMPARE(child<QFrame>("inputPanel")->height(), 208);
        auto *resultPanel = child<QFrame>("resultPanel");
        QCOMPARE(resultPanel->height(), 337);
        QCOMPARE(child<QLineEdit>("projectNameEdit")->geometry(), QRect(141, 24, 210, 21));
        QCOMPARE(child<QLabel>("projectLabel")->text(), QStringLiteral("Project:"));
        auto *calculateButton = child<QPushButton>("calculateButton");
        QCOMPARE(calculateButton->geometry(), QRect(587, 6, 75, 25));
        QCOMPARE(calculateButton->text(), QStringLiteral("To Calculate"));
        QCOMPARE(child<QPushButton>("okButton")->text(), QStringLiteral("OK"));
        QCOMPARE(resultGrid()->height(), 287);
        QCOMPARE(resultGrid()->geometry().bottom(), resultPanel->height() - 2);
        auto *schematic = child<StretchedPicture>("schematic");
        QCOMPARE(schematic->pictureSize(), QSize(1343, 539));
        QCOMPARE(schematic->geometry(), child<QFrame>("schematicPanel")->contentsRect());
        QCOMPARE(inputGrid()->verticalHeader()->width(), 180 + 130); // the two fixed columns
        QCOMPARE(inputGrid()->columnWidth(valueColumn), 70);
        QCOMPARE(inputGrid()->rowHeight(7), 24);
        const QList<QLabel *> captions{child<QLabel>("sourceCaption"), child<QLabel>("storageCaption"),
                                       child<QLabel>("pipelineCaption"), child<QLabel>("populationCaption")};
        for (QLabel *label : captions) {
            QVERIFY(label->font().bold());
            QCOMPARE(label->font().pixelSize(), 21);
            QVERIFY(label->autoFillBackground());
        }
        QCOMPARE(captions[0]->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(captions[2]->palette().color(QPalette::WindowText), QColor(Qt::blue));
    }

    void commandsOpenTheirWindows_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("window");
        QTest::newRow("Open Diameters File") << "diametersAction" << "diameters";
        QTest::newRow("pipes button") << "diametersButton" << "diameters";
        QTest::newRow("Pumps") << "pumpsAction" << "pumps";
        QTest::newRow("pumps button") << "pumpsButton" << "pumps";
        QTest::newRow("Distribution Tanks") << "tanksAction" << "tanks";
        QTest::newRow("tanks button") << "tanksButton" << "tanks";
        QTest::newRow("About Quorvel") << "aboutAction" << "about";
        QTest::newRow("Print") << "printButton" << "printer choice";
    }

    void commandsOpenTheirWindows()
    {
        QFETCH(QString, command);
        QFETCH(QString, window);
        startUp();
        calculateAndFail(); // Print on
        QVERIFY(child<QToolButton>("printButton")->isEnabled());
        const QMap<QString, QWidget *> windows{{"diameters", &main().diametersWindow()},
                                               {"pumps", &main().pumpsWindow()},
                                               {"tanks", &main().tanksWindow()},
                                               {"printer choice", owned<PrinterChoiceDialog>()},
                                               {"about", &main().aboutDialog()}};
        QWidget *shown = nullptr;
        whenModal([&shown](QWidget *w) {
            shown = w;
            w->close();
        });
        if (auto *action = main().findChild<QAction *>(command))
            action->trigger();
        else
            QTest::mouseClick(main().findChild<QToolButton *>(command), Qt::LeftButton);
        QVERIFY(windows.value(window));
        QCOMPARE(shown, windows.value(window));
    }

    void helpOpensTheHelpFile()
    {
        startUp();
        child<QAction>("helpAction")->trigger();
        QCOMPARE(shell->opened, QStringList{database() + "Quorvel Help.chm"});
    }

    void calculationWithThePicks()
    {
        startUp();
        setInputs({"1000", "100", "150", "5000", "4", "25", "250"});
        auto *pumps = &main().pumpsWindow();
        auto *tanks = &main().tanksWindow();
        auto *okButton = pumps->findChild<QPushButton *>("okButton");
        auto *addGraphButton = pumps->findChild<QPushButton *>("addGraphButton");
        QVERIFY(okButton && addGraphButton);
        bool pickingLook = false;
        whenModal([&](QWidget *w) {
            QCOMPARE(w, pumps);
            pickingLook = addGraphButton->isVisibleTo(pumps) && !okButton->isVisibleTo(pumps);
            whenModal([tanks](QWidget *w4) {
                QCOMPARE(w4, tanks);
                w4->close(); // the selected tank row: 1
            });
            // Picks pump row 1 and closes the window.
            auto *grid = pumps->findChild<GridWidget *>("grid");
            QTest::mouseDClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, 1, 1));
        });
        QTest::mouseClick(child<QPushButton>("calculateButton"), Qt::LeftButton);
        QVERIFY(boxes->shown().isEmpty());
        QVERIFY(pickingLook);
        QCOMPARE(pumps->pickedRow(), 1);
        QVERIFY(!addGraphButton->isVisibleTo(pumps));
        QVERIFY(okButton->isVisibleTo(pumps));
        QStringList results;
        for (int row = 1; row <= 10; ++row)
            results << resultGrid()->model()->index(row, valueColumn).data().toString();
        QCOMPARE(results, WorkedExample::results);
        QCOMPARE(main().sheet().results.cell(descriptionColumn, ResultRow::Pump),
                 QStringLiteral("Engine pump PE-50 model"));
        QCOMPARE(main().sheet().results.cell(descriptionColumn, ResultRow::Tanks),
                 QStringLiteral("Onion Tank 10 M^3"));
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
        changeTheProject(); // unsaved changes: the exit prompt asks; No ends
        QCOMPARE(switches(), QStringLiteral("on on off"));
        if (how == "close box")
            main().close();
        else if (how == "Exit")
            child<QAction>("exitAction")->trigger();
        else
            QTest::mouseClick(child<QPushButton>("okButton"), Qt::LeftButton);
        QCOMPARE(boxes->questions().size(), 1);
        QVERIFY(!main().isVisible());
    }

    void failedSaveAtExitKeepsTheWindowOpen()
    {
        startUp();
        changeTheProject();
        QTest::keyClicks(child<QLineEdit>("projectNameEdit"), "P");
        QCOMPARE(main().sheet().projectName(), QStringLiteral("P"));
        boxes->answer(true);
        dialogs->confirm(FakeFileDialogs::Kind::Save, home.path() + "/no such folder/p");
        QVERIFY(!main().close());
        QVERIFY(main().isVisible());
        QCOMPARE(boxes->errors().size(), 1);
    }

    void settingsChangeReadsTheRegionalSeparator()
    {
        startUp();
        QCOMPARE(decimalSeparator(), QChar(u'.'));
        setDecimalSeparator(u'x');
        QEvent change(QEvent::LocaleChange);
        QApplication::sendEvent(&main(), &change);
        QCOMPARE(decimalSeparator(), QLocale::system().decimalPoint().at(0));
        QCOMPARE(app->catalogs().pipeCount, 4); // the activation does not run again
    }
};

QTEST_MAIN(TestMainWindow)
#include "tst_mainwindow.moc"
