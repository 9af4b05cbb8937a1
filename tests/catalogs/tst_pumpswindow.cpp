#include "pumpswindow.h"
#include "catalogfiles.h"
#include "error.h"
#include "catalogtesting.h"
#include "celltable.h"
#include "gridwidget.h"
#include "platform.h"
#include "qtpictureloader.h"
#include "support/fakefiledialogs.h"
#include "support/fakemessageboxes.h"
#include "support/modal.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace quorvel;

// The pumps window on real widgets, real picture files and a temporary database
// folder; message boxes and the picture dialog answer from a script.
class TestPumpsWindow : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<TestDatabase> db_;
    QtPictureLoader pictures_;
    std::unique_ptr<FakeMessageBoxes> boxes_;
    std::unique_ptr<FakeFileDialogs> dialogs_;
    Platform platform_;
    std::unique_ptr<Catalogs> catalogs_;
    std::unique_ptr<PumpsWindow> form_;

    const QColor red{Qt::red}, green{Qt::green}, grey{Qt::gray};
    const QString saveQuestion = QStringLiteral("Do you want to save the new data?");

    CellTable &table() { return catalogs_->pumps; }
    GridWidget &grid() { return gridOf(*form_); }
    QPushButton &button(const char *name) { return child<QPushButton>(*form_, name); }
    QColor shownColour() { return pictureColour(child<QLabel>(*form_, "curvePicture")); }

    // Closes the window by its close box: the questions this asked. The save question
    // comes exactly when a change is marked since the showing began.
    QStringList questionsOnClose()
    {
        const qsizetype before = boxes_->questions().size();
        form_->close();
        return boxes_->questions().mid(before);
    }

    // Rows 1..3 as the start-up load leaves them: strict rows, empty fields as " ".
    void fillPumps()
    {
        const QStringList rows[] = {
            {"No", "Name", "Model", "Q", "H", "kW", "Curve"},
            {"1", "XK", "P 100", " ", " ", " ", "red.bmp"},
            {"2", "YK", "P 200", "5", "30", "2", "green.bmp"},
            {"3", "ZK", "P 300", "8", "25", "3", " "},
        };
        for (int r = 0; r < 4; ++r) {
            table().setStrictDelimiter(r, true);
            for (int c = 0; c < 7; ++c)
                table().setCell(c, r, rows[r][c]);
        }
    }

    QString openError(const QString &name) const
    {
        return "Cannot open file \"" + db_->path(name) + "\". No such file or directory.";
    }

private slots:
    void init()
    {
        db_ = std::make_unique<TestDatabase>();
        QVERIFY(db_->isValid());
        db_->writeBitmap("red.bmp", red);
        db_->writeBitmap("green.bmp", green);
        db_->writeBitmap("no curve.bmp", grey);
        boxes_ = std::make_unique<FakeMessageBoxes>();
        dialogs_ = std::make_unique<FakeFileDialogs>();
        platform_ = Platform{};
        platform_.messages = boxes_.get();
        platform_.pictures = &pictures_;
        platform_.fileDialogs = dialogs_.get();
        catalogs_ = std::make_unique<Catalogs>();
        form_ = std::make_unique<PumpsWindow>(platform_, db_->folders(), *catalogs_);
        fillPumps();
    }

    void cleanup()
    {
        form_.reset();
        catalogs_.reset();
        db_.reset();
    }

    // A catalog with a UTF-8 mark and one invalid byte reads as no line: its window says
    // so, and Insert Row, OK, Yes leaves the file byte for byte as it was.
    void unreadCatalogIsNeverSavedOver()
    {
        const QByteArray bytes = "\xEF\xBB\xBFNo,Pump,Model\r\n1,P\xC3\x28trol,PE-50\r\n";
        db_->writeLines("pipes.csv", {"No,Nominal,Inch,Schedule,Inside"});
        db_->writeBytes("pumps.csv", bytes);
        db_->writeLines("storage.csv", {"No,Type,Volume,Remark"});
        catalogs_ = std::make_unique<Catalogs>();
        catalogs_->load(db_->folders().databaseDir);
        form_ = std::make_unique<PumpsWindow>(platform_, db_->folders(), *catalogs_);
        const QString pumps = QDir(db_->folders().databaseDir).absoluteFilePath("pumps.csv");

        showAndActivate(*form_);
        QCOMPARE(boxes_->warnings(), QStringList{"\"" + pumps + "\" is not valid UTF-8 after its byte-order mark."});
        QTest::mouseClick(&button("insertRowButton"), Qt::LeftButton);
        boxes_->answerQuestions({true});
        QTest::mouseClick(&button("okButton"), Qt::LeftButton);
        QCOMPARE(boxes_->errors().last(), "\"" + pumps + "\" was not read; saving would erase it.");
        QCOMPARE(db_->readBytes("pumps.csv"), bytes);
        QVERIFY(form_->isVisible());
    }

    // A pump catalog of 105 pumps (the table has 99 data rows): Insert Row, OK, Yes keeps
    // every pump, the held ones after the table's rows; Delete Row brings the first held
    // pump into the table without writing it twice.
    void insertAndDeleteKeepLinesPastTheTable()
    {
        QStringList catalog{"No,Pump,Model,Q,H,kW,Curve"};
        for (int i = 1; i <= 105; ++i)
            catalog << QStringLiteral("%1,Engine,E%1,5,20,3,red.bmp").arg(i);
        db_->writeLines("pipes.csv", {"No,Nominal,Inch,Schedule,Inside"});
        db_->writeLines("pumps.csv", catalog);
        db_->writeLines("storage.csv", {"No,Type,Volume,Remark"});
        catalogs_ = std::make_unique<Catalogs>();
        catalogs_->load(db_->folders().databaseDir);
        form_ = std::make_unique<PumpsWindow>(platform_, db_->folders(), *catalogs_);
        showAndActivate(*form_);
        const auto *note = form_->findChild<QLabel *>("heldLinesNote");
        QVERIFY(note);
        QCOMPARE(note->text(), QStringLiteral("6 more pumps in pumps.csv are kept but not shown"));

        clickCell(grid(), 1, 3);
        QTest::mouseClick(&button("insertRowButton"), Qt::LeftButton);
        boxes_->answerQuestions({true});
        QTest::mouseClick(&button("okButton"), Qt::LeftButton);
        QStringList expected = catalog;
        expected.insert(3, "3,,,,,,");
        for (int i = 4; i <= 100; ++i) // the table's rows are numbered again, the held ones kept
            expected[i] = QStringLiteral("%1,Engine,E%2,5,20,3,red.bmp").arg(i).arg(i - 1);
        QCOMPARE(db_->readLines("pumps.csv"), expected);

        showAndActivate(*form_);
        clickCell(grid(), 1, 4); // the highlight is still on row 3 from the last showing
        clickCell(grid(), 1, 3);
        QTest::mouseClick(&button("deleteRowButton"), Qt::LeftButton);
        QCOMPARE(note->text(), QStringLiteral("5 more pumps in pumps.csv are kept but not shown"));
        boxes_->answerQuestions({true});
        QTest::mouseClick(&button("okButton"), Qt::LeftButton);
        expected.removeAt(3);
        for (int i = 3; i <= 100; ++i)
            expected[i] = QStringLiteral("%1,Engine,E%1,5,20,3,red.bmp").arg(i);
        QCOMPARE(db_->readLines("pumps.csv"), expected);
    }

    // No pumps.csv: the window opens without a box, and its save creates the file.
    void missingCatalogIsCreatedBySave()
    {
        db_->writeLines("pipes.csv", {"No,Nominal,Inch,Schedule,Inside"});
        db_->writeLines("storage.csv", {"No,Type,Volume,Remark"});
        catalogs_ = std::make_unique<Catalogs>();
        QVERIFY_THROWS_EXCEPTION(Error, catalogs_->load(db_->folders().databaseDir));
        form_ = std::make_unique<PumpsWindow>(platform_, db_->folders(), *catalogs_);
        table().setCell(6, 1, "red.bmp"); // a picture to show on opening
        showAndActivate(*form_);
        QCOMPARE(boxes_->warnings(), QStringList());
        clickCell(grid(), 1, 1);
        QTest::mouseClick(&button("insertRowButton"), Qt::LeftButton);
        boxes_->answerQuestions({true});
        QTest::mouseClick(&button("okButton"), Qt::LeftButton);
        QCOMPARE(boxes_->errors(), QStringList());
        QCOMPARE(db_->readLines("pumps.csv").size(), 101);
    }

    void layout()
    {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Pumps information"));
        QCOMPARE(form_->size(), QSize(824, 352));
        QCOMPARE(form_->font().family(), QStringLiteral("Tahoma"));
        QCOMPARE(form_->font().pointSize(), 8);
        QVERIFY(!(form_->windowFlags() & Qt::WindowMinimizeButtonHint));
        QVERIFY(!(form_->windowFlags() & Qt::WindowMaximizeButtonHint));
        showAndActivate(*form_);
        QCOMPARE(grid().geometry(), QRect(0, 0, 534, 294));
        QWidget &picturePanel = child<QWidget>(*form_, "picturePanel");
        QWidget &buttonPanel = child<QWidget>(*form_, "buttonPanel");
        QPushButton &deleteRow = button("deleteRowButton");
        QPushButton &insertRow = button("insertRowButton");
        QPushButton &addGraph = button("addGraphButton");
        QPushButton &ok = button("okButton");
        QCOMPARE(picturePanel.geometry(), QRect(534, 0, 290, 294));
        QCOMPARE(child<QLabel>(*form_, "curvePicture").geometry(), QRect(1, 1, 288, 292));
        QCOMPARE(buttonPanel.geometry(), QRect(0, 294, 824, 58));
        QCOMPARE(deleteRow.geometry(), QRect(136, 16, 75, 25));
        QCOMPARE(insertRow.geometry(), QRect(328, 16, 75, 25));
        QCOMPARE(addGraph.geometry(), QRect(598, 16, 75, 25));
        QCOMPARE(ok.geometry(), QRect(712, 17, 75, 25));
        QCOMPARE(deleteRow.text(), QStringLiteral("Delete Row"));
        QCOMPARE(insertRow.text(), QStringLiteral("Insert Row"));
        QCOMPARE(addGraph.text(), QStringLiteral("Add Graph"));
        QCOMPARE(ok.text(), QStringLiteral("OK"));
        // Focus order from OK round to the table.
        QCOMPARE(tabOrder(*form_), (QList<QWidget *>{&ok, &addGraph, &deleteRow, &insertRow, &grid()}));
        QCOMPARE(form_->focusWidget(), &ok);
        // Bigger: the table grows, the panels keep their height and width.
        form_->resize(1000, 500);
        QTRY_COMPARE(grid().geometry(), QRect(0, 0, 710, 442));
        QCOMPARE(picturePanel.geometry(), QRect(710, 0, 290, 442));
        QCOMPARE(buttonPanel.geometry(), QRect(0, 442, 1000, 58));
        QCOMPARE(ok.geometry(), QRect(712, 17, 75, 25));
    }

    void activation_data()
    {
        QTest::addColumn<QString>("curve");   // cell (6, 1)
        QTest::addColumn<QString>("error");   // error box, empty for none
        QTest::addColumn<QColor>("colour");
        QTest::addColumn<bool>("saved"); // nothing marked changed
        QTest::newRow("named picture") << "red.bmp" << "" << red << true;
        QTest::newRow("space: the folder's ' ' file") << " " << "Unknown picture file extension (.)"
                                                     << QColor() << false;
        QTest::newRow("empty: the folder itself") << "" << "Unknown picture file extension (.)"
                                                  << QColor() << false;
        QTest::newRow("missing bitmap, no fallback") << "gone.bmp" << "gone.bmp" << QColor() << false;
    }

    void activation()
    {
        QFETCH(QString, curve);
        QFETCH(QString, error);
        QFETCH(QColor, colour);
        QFETCH(bool, saved);
        table().setCell(6, 1, curve);
        if (error.endsWith(u".bmp"))
            error = openError(error);
        showAndActivate(*form_);
        QVERIFY(form_->isVisible());
        QCOMPARE(boxes_->errors(), error.isEmpty() ? QStringList() : QStringList{error});
        QCOMPARE(shownColour(), colour);
        const int widths[] = {20, 50, 80, 60, 60, 60, 160};
        for (int c = 0; c < 7; ++c)
            QCOMPARE(table().colWidth(c), widths[c]);
        // The window works on row 1: a double-click on a caption cell picks it. The
        // closing asks to save only when the activation failed.
        doubleClickCell(grid(), 2, 0);
        QCOMPARE(form_->pickedRow(), 1);
        QVERIFY(!form_->isVisible());
        QCOMPARE(boxes_->questions(), saved ? QStringList() : QStringList{saveQuestion});
    }

    // On the first showing a failed activation leaves the change mark set, so closing asks.
    void failedActivationAsksOnClose()
    {
        table().setCell(6, 1, "");
        showAndActivate(*form_);
        boxes_->answerQuestions({false});
        form_->close();
        QCOMPARE(boxes_->questions(), QStringList{"Do you want to save the new data?"});
        QVERIFY(!form_->isVisible());
    }

    void selectingRowWithoutUsablePicture_data()
    {
        QTest::addColumn<QString>("curve");
        QTest::newRow("empty") << "";
        QTest::newRow("single space") << " ";
        QTest::newRow("missing file") << "missing.bmp";
        QTest::newRow("folder") << "pictures";
        QTest::newRow("folder named like a bitmap") << "old.bmp";
    }

    void selectingRowWithoutUsablePicture()
    {
        QFETCH(QString, curve);
        QVERIFY(QDir(db_->path()).mkdir("pictures"));
        QVERIFY(QDir(db_->path()).mkdir("old.bmp"));
        table().setCell(6, 3, curve);
        showAndActivate(*form_);
        QCOMPARE(shownColour(), red);
        clickCell(grid(), 2, 3);
        QCOMPARE(boxes_->errors(), QStringList());
        QCOMPARE(shownColour(), grey);
        // The window now works on column 2, where a released key marks nothing ...
        pressKey(grid(), Qt::Key_Shift);
        QCOMPARE(shownColour(), grey);
        // ... and on row 3: a double-click on the highlighted cell picks it.
        doubleClickCell(grid(), 2, 3);
        QCOMPARE(form_->pickedRow(), 3);
        QVERIFY(!form_->isVisible());
        QCOMPARE(boxes_->questions(), QStringList()); // selecting marks nothing
        showAndActivate(*form_);
        clickCell(grid(), 4, 2);
        QCOMPARE(shownColour(), green);
    }

    void missingFallbackPictureKeepsHighlight()
    {
        QVERIFY(QFile::remove(db_->path("no curve.bmp")));
        showAndActivate(*form_);
        clickCell(grid(), 2, 3);
        QCOMPARE(boxes_->errors(), QStringList{openError("no curve.bmp")});
        QCOMPARE(grid().row(), 1); // the highlight did not move
        QCOMPARE(grid().col(), 1);
        QCOMPARE(shownColour(), red); // the previous picture stays
        // Column 2 is already taken over: a released key shows no picture (which
        // would fail again) ...
        pressKey(grid(), Qt::Key_Shift);
        QCOMPARE(boxes_->errors().size(), 1);
        // ... and so is row 3: a double-click on the highlighted cell picks it.
        doubleClickCell(grid(), 1, 1);
        QCOMPARE(form_->pickedRow(), 3);
        QVERIFY(!form_->isVisible());
    }

    void insertRowOnRow1()
    {
        for (int r = 1; r < 100; ++r)
            table().setCell(1, r, "P" + QString::number(r));
        table().setCell(6, 1, "green.bmp");
        showAndActivate(*form_);
        QTest::mouseClick(&button("insertRowButton"), Qt::LeftButton);
        QCOMPARE(boxes_->errors(), QStringList());
        QCOMPARE(table().rowCount(), 101);
        QCOMPARE(grid().model()->rowCount(), 101);
        for (int c = 1; c < 7; ++c)
            QCOMPARE(table().cell(c, 1), QString());
        for (int r = 2; r <= 100; ++r)
            QCOMPARE(table().cell(1, r), "P" + QString::number(r - 1));
        QCOMPARE(table().cell(6, 2), QStringLiteral("green.bmp"));
        for (int r = 1; r <= 100; ++r)
            QCOMPARE(table().cell(0, r), QString::number(r));
        QCOMPARE(table().cell(0, 0), QStringLiteral("No")); // captions untouched
        QCOMPARE(shownColour(), grey); // the new empty row has no curve
        QCOMPARE(grid().row(), 1); // the highlight stays, now on the new row
        QCOMPARE(questionsOnClose(), QStringList{saveQuestion}); // marked changed
    }

    void deleteLastRow_data()
    {
        QTest::addColumn<bool>("surplusLine");
        QTest::newRow("nothing past the table") << false;
        QTest::newRow("surplus catalog line past the table") << true;
    }

    void deleteLastRow()
    {
        QFETCH(bool, surplusLine);
        table().setCell(1, 99, "Last");
        if (surplusLine) {
            table().setCell(0, 100, "100");
            table().setCell(1, 100, "Surplus");
            table().setCell(6, 100, "green.bmp");
            catalogs_->pumpsHeld.append(u"100,Surplus,,,,,green.bmp");
        }
        showAndActivate(*form_);
        clickCell(grid(), 1, 99);
        QTest::mouseClick(&button("deleteRowButton"), Qt::LeftButton);
        QCOMPARE(table().rowCount(), 100); // never shrinks
        QCOMPARE(table().cell(0, 99), QStringLiteral("99"));
        QCOMPARE(table().cell(1, 99), surplusLine ? QStringLiteral("Surplus") : QString());
        QCOMPARE(shownColour(), surplusLine ? green : grey);
        // Every row from 1 on is numbered, the empty ones included.
        for (int r = 1; r < 100; ++r)
            QCOMPARE(table().cell(0, r), QString::number(r));
        QCOMPARE(questionsOnClose(), QStringList{saveQuestion}); // marked changed
    }

    void keyPressNumbersRow_data()
    {
        QTest::addColumn<QString>("name"); // cell (1, 5)
        QTest::addColumn<int>("key");
        QTest::addColumn<QString>("number");
        QTest::newRow("empty name, arrow key") << "" << int(Qt::Key_Down) << "5";
        QTest::newRow("empty name, letter") << "" << int(Qt::Key_A) << "5";
        QTest::newRow("name holds text") << "XK" << int(Qt::Key_Down) << "";
        QTest::newRow("name holds a space") << " " << int(Qt::Key_Down) << "";
    }

    void keyPressNumbersRow()
    {
        QFETCH(QString, name);
        QFETCH(int, key);
        QFETCH(QString, number);
        table().setCell(1, 5, name);
        showAndActivate(*form_);
        clickCell(grid(), 3, 5);
        pressKey(grid(), key);
        QCOMPARE(table().cell(0, 5), number);
        QCOMPARE(table().cell(0, 6), QString()); // the row the arrow moved to is not numbered
        QCOMPARE(questionsOnClose(), QStringList()); // numbering marks nothing
    }

    void keyPressRightAfterActivationNumbersHighlightedRow()
    {
        table().setCell(1, 1, "");
        table().setCell(0, 1, "");
        table().setCell(1, 6, "");
        table().setCell(0, 6, "");
        showAndActivate(*form_);
        clickCell(grid(), 3, 6);
        form_->close();
        showAndActivate(*form_); // the highlight stays on row 6, and so does the window
        pressKey(grid(), Qt::Key_Right);
        QCOMPARE(table().cell(0, 6), QStringLiteral("6"));
        QCOMPARE(table().cell(0, 1), QString());
    }

    void column6MarkedByArrowNotByClicking()
    {
        // A click on column 6 marks nothing ...
        showAndActivate(*form_);
        clickCell(grid(), 6, 2);
        QCOMPARE(questionsOnClose(), QStringList());
        // ... though the window takes the column over: a key released there marks
        // (Shift moves nothing).
        showAndActivate(*form_);
        clickCell(grid(), 6, 4);
        pressKey(grid(), Qt::Key_Shift);
        QCOMPARE(questionsOnClose(), QStringList{saveQuestion});
        // An arrow key into column 6 marks.
        showAndActivate(*form_);
        clickCell(grid(), 5, 3);
        pressKey(grid(), Qt::Key_Right);
        QCOMPARE(grid().col(), 6);
        QCOMPARE(questionsOnClose(), QStringList{saveQuestion});
    }

    void typingOtherColumnsMarksNothing()
    {
        showAndActivate(*form_);
        clickCell(grid(), 2, 3);
        typeText(grid(), "Q1");
        QCOMPARE(table().cell(2, 3), QStringLiteral("Q1"));
        QCOMPARE(questionsOnClose(), QStringList());
    }

    void doubleClickRightAfterActivation()
    {
        showAndActivate(*form_);
        clickCell(grid(), 2, 5);
        form_->close();

        // The highlighted cell raises no selection, and the window works on it.
        showAndActivate(*form_);
        doubleClickCell(grid(), 2, 5);
        QCOMPARE(form_->pickedRow(), 5);
        QVERIFY(!form_->isVisible());

        showAndActivate(*form_);
        doubleClickCell(grid(), 2, 7);
        QCOMPARE(form_->pickedRow(), 7);
        QVERIFY(!form_->isVisible());

        // A caption cell picks the highlighted row.
        showAndActivate(*form_);
        doubleClickCell(grid(), 2, 0);
        QCOMPARE(form_->pickedRow(), 7);
        QVERIFY(!form_->isVisible());
        QCOMPARE(boxes_->questions(), QStringList());
    }

    // A later showing works on the row the last one left highlighted: the curve shown,
    // Insert Row, Delete Row and the numbering of an empty row act on it.
    void laterShowingWorksOnHighlightedRow_data()
    {
        QTest::addColumn<QString>("action");
        QTest::addColumn<QColor>("colour"); // shown after the action
        QTest::addColumn<QStringList>("models"); // rows 1 to 4 afterwards
        QTest::newRow("curve") << "" << green << QStringList{"P 100", "P 200", "P 300", ""};
        QTest::newRow("Insert Row") << "insertRowButton" << grey << QStringList{"P 100", "", "P 200", "P 300"};
        QTest::newRow("Delete Row") << "deleteRowButton" << grey << QStringList{"P 100", "P 300", "", ""};
    }
    void laterShowingWorksOnHighlightedRow()
    {
        QFETCH(QString, action);
        fillPumps();
        showAndActivate(*form_);
        clickCell(grid(), 2, 2);
        boxes_->answerQuestions({false});
        form_->close();
        showAndActivate(*form_);
        if (!action.isEmpty())
            QTest::mouseClick(&button(action.toLatin1().constData()), Qt::LeftButton);
        QTEST(shownColour(), "colour");
        QStringList models;
        for (int row = 1; row <= 4; ++row)
            models << table().cell(2, row);
        QTEST(models, "models");
    }

    void pickingModeShowing()
    {
        // As the calculation sets it up: Add Graph shown, OK hidden.
        form_->setPicking(true);
        whenModal([this](QWidget *) { doubleClickCell(grid(), 1, 2); });
        form_->exec();
        QCOMPARE(form_->pickedRow(), 2);

        // Closing by the close box leaves the pick as it was.
        whenModal([this](QWidget *w) {
            clickCell(grid(), 1, 3);
            w->close();
        });
        form_->exec();
        QCOMPARE(form_->pickedRow(), 2);
        QCOMPARE(boxes_->questions(), QStringList());
    }

    void closeBoxBeforeAnyPick()
    {
        whenModal([](QWidget *w) { w->close(); });
        form_->exec();
        QCOMPARE(form_->pickedRow(), 0);
    }

    void addGraph_data()
    {
        QTest::addColumn<QString>("chosen"); // "" = cancelled
        QTest::addColumn<QString>("message");
        QTest::addColumn<bool>("copied");
        QTest::newRow("copied") << "PICTURES/c9.bmp" << "The file is now available" << true;
        QTest::newRow("replaces an older copy") << "PICTURES/red.bmp" << "The file is now available" << true;
        QTest::newRow("typed name of no file")
            << "PICTURES/none.bmp" << "The file is not available. Check if the file exists yet" << false;
        QTest::newRow("already in the database folder")
            << "DATABASE/green.bmp" << "The file is not available. Check if the file exists yet" << false;
        QTest::newRow("cancelled") << "" << "" << false;
    }

    void addGraph()
    {
        QFETCH(QString, chosen);
        QFETCH(QString, message);
        QFETCH(bool, copied);
        QTemporaryDir pictures;
        db_->folders().picturesDir = pictures.path();
        QImage image(2, 2, QImage::Format_RGB32);
        image.fill(Qt::blue);
        QVERIFY(image.save(pictures.filePath("c9.bmp"), "BMP"));
        QVERIFY(image.save(pictures.filePath("red.bmp"), "BMP"));
        chosen.replace("PICTURES", pictures.path()).replace("DATABASE/", db_->path());
        if (chosen.isEmpty())
            dialogs_->cancel(FileDialogs::Kind::OpenPicture);
        else
            dialogs_->confirm(FileDialogs::Kind::OpenPicture, chosen);

        showAndActivate(*form_);
        QTest::mouseClick(&button("addGraphButton"), Qt::LeftButton);

        const auto showings = dialogs_->showings(FileDialogs::Kind::OpenPicture);
        QCOMPARE(showings.size(), 1);
        QCOMPARE(showings[0].initialDir, pictures.path());
        QCOMPARE(showings[0].filter,
                 QStringLiteral("Main pipeline files (*.bmp)|*.bmp|All Files (*.*)|*.*"));
        QCOMPARE(showings[0].filterIndex, 1);
        QCOMPARE(boxes_->informations(), message.isEmpty() ? QStringList() : QStringList{message});
        const QString target = QFileInfo(chosen).fileName();
        if (copied)
            QCOMPARE(QImage(db_->path(target)).pixelColor(0, 0), QColor(Qt::blue));
        else if (!target.isEmpty() && target != u"green.bmp")
            QVERIFY(!db_->exists(target));
        QCOMPARE(QImage(db_->path("green.bmp")).pixelColor(0, 0), green);
        // Neither the table nor the change mark is touched.
        QCOMPARE(table().cell(6, 1), QStringLiteral("red.bmp"));
        QCOMPARE(questionsOnClose(), QStringList());
    }

    void noThenYesAcrossShowings()
    {
        // Showing 1: an edit in column 6, declined.
        showAndActivate(*form_);
        clickCell(grid(), 6, 3);
        QCOMPARE(shownColour(), grey);
        typeText(grid(), "green.bmp"); // the picture follows the typed name
        QCOMPARE(shownColour(), green);
        boxes_->answerQuestions({false});
        QTest::mouseClick(&button("okButton"), Qt::LeftButton);
        QVERIFY(!form_->isVisible());
        QCOMPARE(boxes_->questions(), QStringList{"Do you want to save the new data?"});
        QVERIFY(!db_->exists("pumps.csv"));
        QCOMPARE(table().cell(6, 3), QStringLiteral("green.bmp"));

        // Showing 2: nothing marked, nothing asked.
        showAndActivate(*form_);
        QTest::mouseClick(&button("okButton"), Qt::LeftButton);
        QVERIFY(!form_->isVisible());
        QCOMPARE(boxes_->questions().size(), 1);

        // Showing 3: a key in column 6 marks again; Yes writes every row.
        showAndActivate(*form_);
        clickCell(grid(), 6, 2);
        pressKey(grid(), Qt::Key_Down);
        boxes_->answerQuestions({true});
        QTest::mouseClick(&button("okButton"), Qt::LeftButton);
        QVERIFY(!form_->isVisible());
        QCOMPARE(boxes_->questions().size(), 2);
        const QStringList lines = db_->readLines("pumps.csv");
        QCOMPARE(lines.size(), 100);
        QCOMPARE(lines[0], QStringLiteral("No,Name,Model,Q,H,kW,Curve"));
        QCOMPARE(lines[1], QStringLiteral("1,XK,P 100, , , ,red.bmp"));
        QCOMPARE(lines[3], QStringLiteral("3,ZK,P 300,8,25,3,green.bmp"));
        QCOMPARE(lines[4], QStringLiteral(",,,,,,"));
    }

    void failedSaveKeepsWindowOpen()
    {
        QVERIFY(QDir(db_->path()).mkdir("pumps.csv")); // cannot be written as a file
        showAndActivate(*form_);
        QTest::mouseClick(&button("insertRowButton"), Qt::LeftButton);
        boxes_->answerQuestions({true});
        QTest::mouseClick(&button("okButton"), Qt::LeftButton);
        QCOMPARE(boxes_->errors().size(), 1);
        QVERIFY2(boxes_->errors()[0].startsWith("Cannot create file \"" + db_->path("pumps.csv") + "\"."),
                 qPrintable(boxes_->errors()[0]));
        QVERIFY(form_->isVisible());

        // Still marked changed: the next closing asks again.
        QVERIFY(QDir(db_->path()).rmdir("pumps.csv"));
        boxes_->answerQuestions({true});
        form_->close();
        QCOMPARE(boxes_->questions().size(), 2);
        QVERIFY(!form_->isVisible());
        QCOMPARE(db_->readLines("pumps.csv").size(), 101);
    }

    void escapeDoesNotClose()
    {
        showAndActivate(*form_);
        QTest::keyClick(&button("okButton"), Qt::Key_Escape);
        QVERIFY(form_->isVisible());
    }
};

QTEST_MAIN(TestPumpsWindow)
#include "tst_pumpswindow.moc"
