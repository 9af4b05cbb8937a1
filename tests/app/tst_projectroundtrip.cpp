// A project through the real main window: type the inputs, calculate with a pump and
// a tank picked in their windows, save, "New", open, and everything is back.
#include "app/forms.h"
#include "app/tform1.h"
#include "catalogs/tform3.h"
#include "catalogs/tform4.h"
#include "platform/ui/gridwidget.h"
#include "storage/datafolders.h"
#include "support/fakeplatform.h"
#include "support/modal.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QToolButton>
#include <QtTest>

namespace {

QPoint cellCentre(GridWidget *grid, int col, int row)
{
    return grid->visualRect(grid->model()->index(row, col)).center();
}

void clickCell(GridWidget *grid, int col, int row)
{
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {}, cellCentre(grid, col, row));
}

// Selects the cell and types the text as the user would: the first key starts the
// cell editor, which then has the focus.
void typeIntoCell(GridWidget *grid, int col, int row, const QString &text)
{
    clickCell(grid, col, row);
    for (const QChar c : text)
        QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);
}

// Every cell as the grid widget shows it.
QStringList shownCells(GridWidget *grid)
{
    QStringList cells;
    const QAbstractItemModel *model = grid->model();
    for (int r = 0; r < model->rowCount(); ++r)
        for (int c = 0; c < model->columnCount(); ++c)
            cells << model->index(r, c).data().toString();
    return cells;
}

QStringList captions(TForm1 *form)
{
    return {form->Label1->text(), form->Label2->text(), form->Label3->text(), form->Label4->text()};
}

} // namespace

class TestProjectRoundTrip : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void calculateSaveNewOpen();

private:
    QTemporaryDir root;
    FakePlatform fake;
};

void TestProjectRoundTrip::init()
{
    fake.folders = FakeKnownFolders(root.filePath("common"), root.filePath("documents"), root.filePath("pictures"));
    const QString database = root.filePath("common/Pellmarsh/Quorvel/Database/");
    QVERIFY(QDir().mkpath(database));
    QVERIFY(QDir().mkpath(root.filePath("documents/Pellmarsh/Quorvel/Projects")));
    const QDir shipped(QStringLiteral(QUORVEL_SHIPPED_DATABASE));
    for (const QString &name : shipped.entryList(QDir::Files))
        QVERIFY(QFile::copy(shipped.filePath(name), database + name));

    createForms(fake.platform);
    Form1->show();
    QVERIFY(QTest::qWaitForWindowActive(Form1));
    QVERIFY(Form1->activated());
    QCOMPARE(fake.boxes.shown(), QStringList());
}

void TestProjectRoundTrip::cleanup()
{
    destroyForms();
}

void TestProjectRoundTrip::calculateSaveNewOpen()
{
    TForm1 *form = Form1;
    typeIntoCell(form->SG1, 2, 1, "1200");
    typeIntoCell(form->SG1, 2, 3, "145");
    typeIntoCell(form->SG1, 2, 4, "5000");

    // The calculation shows the pumps window, then the tanks window: pick row 2 of
    // each by a double-click.
    whenModal([](QWidget *pumps) {
        QCOMPARE(pumps, static_cast<QWidget *>(Form3));
        whenModal([](QWidget *tanks) {
            QCOMPARE(tanks, static_cast<QWidget *>(Form4));
            clickCell(Form4->sg, 1, 2);
            QTest::mouseDClick(Form4->sg->viewport(), Qt::LeftButton, {}, cellCentre(Form4->sg, 1, 2));
        });
        clickCell(Form3->SG, 1, 2);
        QTest::mouseDClick(Form3->SG->viewport(), Qt::LeftButton, {}, cellCentre(Form3->SG, 1, 2));
    });
    QTest::mouseClick(form->BitBtn2, Qt::LeftButton);
    QCOMPARE(fake.boxes.shown(), QStringList());
    for (int r = 1; r < form->sheet.SG2.rowCount(); ++r)
        QVERIFY2(!form->sheet.SG2.cell(2, r).isEmpty(), qPrintable(QString::number(r)));

    form->Edit1->clear();
    QTest::keyClicks(form->Edit1, "Camp 4, \"north\" well");
    QCOMPARE(form->sheet.projectName(), QString("Camp 4, \"north\" well"));

    fake.dialogs.confirm(FileDialogs::Kind::Save, projectsDir + "camp");
    QTest::mouseClick(form->SpeedButton2, Qt::LeftButton);
    for (const char *ext : {".qvl", ".dat", ".res"})
        QVERIFY(QFile::exists(projectsDir + "camp" + ext));
    QCOMPARE(fake.dialogs.showings(FileDialogs::Kind::Save).value(0).initialDir, projectsDir);
    QVERIFY(!form->saveEnabled());

    const QStringList inputs = shownCells(form->SG1);
    const QStringList results = shownCells(form->SG2);

    form->Open1->trigger(); // "New"
    QCOMPARE(form->SG2->model()->index(1, 2).data().toString(), QString());
    QCOMPARE(form->SG1->model()->index(1, 2).data().toString(), QString());
    form->Edit1->clear();
    QTest::keyClicks(form->Edit1, "other");
    typeIntoCell(form->SG1, 2, 1, "7"); // a change, so that opening has to switch Save off

    fake.dialogs.confirm(FileDialogs::Kind::Open, projectsDir + "camp.qvl", 1);
    QTest::mouseClick(form->SpeedButton1, Qt::LeftButton);

    QCOMPARE(fake.boxes.shown(), QStringList());
    QCOMPARE(form->Edit1->text(), QString("Camp 4, \"north\" well"));
    QCOMPARE(shownCells(form->SG1), inputs);
    QCOMPARE(shownCells(form->SG2), results);
    QCOMPARE(captions(form), (QStringList{"Water Source Elevation= 100", "Storage Elevation= 145",
                                          "Pipeline Length= 1200", "Population= 5000"}));
    QVERIFY(!form->saveEnabled());
    QVERIFY(!form->saveAsEnabled());
    QVERIFY(form->printEnabled());
}

QTEST_MAIN(TestProjectRoundTrip)
#include "tst_projectroundtrip.moc"
