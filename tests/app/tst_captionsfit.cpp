// Every fixed text of the shipped windows and data is shown whole in the font the
// program uses: the grid captions (the main window's and those of the shipped
// catalogs), the result descriptions of every shipped pump and tank, and the labels
// and buttons of the six windows. The layouts were made for Tahoma 8 pt, so a text
// that is cut here is cut for every user. CTest runs it once per language (LANGUAGE
// set for the run), measuring the texts as shown, translated.
#include "application.h"
#include "catalogcolumns.h"
#include "designcalculation.h"
#include "gridmodel.h"
#include "gridwidget.h"
#include "language.h"
#include "mainwindow.h"
#include "sheetlayout.h"
#include "support/shippedprogram.h"
#include "support/copyfiles.h"
#include "support/fakeplatform.h"
#include "projectstate.h"

#include <QAbstractButton>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QFontInfo>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QStyleOptionButton>
#include <QTemporaryDir>
#include <QtTest>

#include <memory>

using namespace quorvel;

namespace {

// A text that does not fit, with where it stands and by how much.
QString overflow(const QString &where, const QString &text, int needed, int available)
{
    return QStringLiteral("%1: \"%2\" needs %3 px, has %4").arg(where, text).arg(needed).arg(available);
}

// The cells of a grid that are cut, or only its captions (row 0 and the fixed
// columns). Captions are drawn from 3 px into the cell up to 1 px before its edge and
// clipped; other cells go through the item delegate, which elides what exceeds the
// cell less the style's text margin on either side.
QStringList cutCells(const GridWidget &grid, const QString &window, bool captionsOnly = false)
{
    QStringList cut;
    const CellTable &table = *grid.table();
    const QFontMetrics captionMetrics = grid.horizontalHeader()->fontMetrics();
    const QFontMetrics cellMetrics = grid.fontMetrics();
    const int textMargin = grid.style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, &grid) + 1;
    for (int row = 0; row < table.rowCount(); ++row) {
        for (int col = 0; col < table.colCount(); ++col) {
            const QString text = shownCell(table, col, row);
            const bool caption = row == 0 || col < table.fixedCols();
            if (text.isEmpty() || (captionsOnly && !caption))
                continue;
            const int available = caption ? table.colWidth(col) - 4
                                          : grid.visualRect(grid.model()->index(row, col)).width() - 2 * textMargin;
            const int needed = (caption ? captionMetrics : cellMetrics).horizontalAdvance(text);
            if (needed > available)
                cut << overflow(QStringLiteral("%1 %2 (%3, %4)").arg(window, grid.objectName()).arg(col).arg(row),
                                text, needed, available);
        }
    }
    return cut;
}

// Labels and push buttons of the window (not of the windows it owns) whose text is
// wider than the room they show it in.
QStringList cutLabelsAndButtons(const QWidget &window)
{
    QStringList cut;
    for (const QLabel *label : window.findChildren<QLabel *>()) {
        if (label->window() != &window || label->text().isEmpty() || label->wordWrap()
            || label->textFormat() == Qt::RichText)
            continue;
        const int available = label->contentsRect().width() - 2 * qMax(0, label->margin());
        const int needed = label->fontMetrics().horizontalAdvance(label->text());
        if (needed > available)
            cut << overflow(window.objectName() + ' ' + label->objectName(), label->text(), needed, available);
    }
    for (const QPushButton *button : window.findChildren<QPushButton *>()) {
        if (button->window() != &window || button->text().isEmpty())
            continue;
        QStyleOptionButton option;
        option.initFrom(button);
        option.text = button->text();
        const QRect contents = button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button);
        const int needed = button->fontMetrics().horizontalAdvance(QString(button->text()).remove(u'&'));
        if (needed > contents.width())
            cut << overflow(window.objectName() + ' ' + button->objectName(), button->text(), needed, contents.width());
    }
    return cut;
}

} // namespace

class TestCaptionsFit : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void windowFontIsTahoma();
    void mainWindowTexts();
    void catalogCaptions_data();
    void catalogCaptions();
    void resultDescriptionsOfShippedPumpsAndTanks();

private:
    QDialog &window(const char *className);

    ShippedProgram program;
    FakePlatform &fake = program.fake;
    std::unique_ptr<Application> &app = program.app;
};

void TestCaptionsFit::initTestCase()
{
    installTranslations(*QCoreApplication::instance(), chooseProgramLanguage({}));
    QVERIFY(program.installDatabase());
    QVERIFY(program.start());
    MainWindow &main = program.mainWindow();
    QVERIFY(app->catalogs().pipeCount > 0);
    QCOMPARE(fake.boxes.shown(), QStringList());
    // Every window, also those made when first shown.
    main.diametersWindow();
    main.pumpsWindow();
    main.tanksWindow();
    main.aboutDialog();
}

void TestCaptionsFit::cleanupTestCase()
{
    app.reset();
}

QDialog &TestCaptionsFit::window(const char *className)
{
    for (QDialog *dialog : app->mainWindow().findChildren<QDialog *>())
        if (qstrcmp(dialog->metaObject()->className(), className) == 0)
            return *dialog;
    qFatal("the main window owns no %s", className);
}

// The measurements below are only worth something in the font the layouts were made
// for; fonts-wine provides it where the system has no Tahoma.
void TestCaptionsFit::windowFontIsTahoma()
{
    QCOMPARE(QFontInfo(app->mainWindow().font()).family(), QStringLiteral("Tahoma"));
    for (QDialog *dialog : app->mainWindow().findChildren<QDialog *>())
        QCOMPARE(QFontInfo(dialog->font()).family(), QStringLiteral("Tahoma"));
}

void TestCaptionsFit::mainWindowTexts()
{
    MainWindow &main = app->mainWindow();
    QStringList cut = cutLabelsAndButtons(main);
    for (const char *grid : {"inputGrid", "resultGrid"})
        cut += cutCells(*main.findChild<GridWidget *>(QLatin1String(grid)), main.objectName());
    for (const char *name : {"quorvel::PrinterChoiceDialog", "quorvel::AboutDialog"})
        cut += cutLabelsAndButtons(window(name));
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

void TestCaptionsFit::catalogCaptions_data()
{
    QTest::addColumn<QString>("className");
    QTest::newRow("pipes") << "quorvel::DiametersWindow";
    QTest::newRow("pumps") << "quorvel::PumpsWindow";
    QTest::newRow("tanks") << "quorvel::TanksWindow";
}

void TestCaptionsFit::catalogCaptions()
{
    QFETCH(QString, className);
    QDialog &dialog = window(qPrintable(className));
    // Showing the window sets its column widths.
    dialog.show();
    QVERIFY(QTest::qWaitForWindowExposed(&dialog));
    QStringList cut = cutLabelsAndButtons(dialog);
    for (const GridWidget *grid : dialog.findChildren<GridWidget *>())
        cut += cutCells(*grid, dialog.objectName(), true);
    dialog.hide();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

void TestCaptionsFit::resultDescriptionsOfShippedPumpsAndTanks()
{
    MainWindow &main = app->mainWindow();
    auto &inputs = *main.findChild<GridWidget *>(QStringLiteral("inputGrid"))->table();
    auto &resultGrid = *main.findChild<GridWidget *>(QStringLiteral("resultGrid"));
    inputs.setCell(valueColumn, InputRow::PipelineLength, QStringLiteral("1000"));
    inputs.setCell(valueColumn, InputRow::StorageElevation, QStringLiteral("130"));
    inputs.setCell(valueColumn, InputRow::Population, QStringLiteral("5000"));

    Catalogs &catalogs = app->catalogs();
    FixedPicks picks;
    QStringList cut;
    int pumpRows = 0;
    while (!catalogs.pumps.cell(PumpColumn::Model, pumpRows + 1).isEmpty())
        ++pumpRows;
    const int tankRows = catalogs.tankCount;
    QVERIFY(pumpRows > 0 && tankRows > 0);
    for (int row = 1; row <= qMax(pumpRows, tankRows); ++row) {
        picks.pump = qMin(row, pumpRows);
        picks.tank = qMin(row, tankRows);
        DesignCalculation().run(InputTexts::fromTable(inputs), catalogs.tables(), picks, resultGrid.table());
        cut += cutCells(resultGrid, main.objectName());
    }
    cut.removeDuplicates();
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(u'\n')));
}

QTEST_MAIN(TestCaptionsFit)
#include "tst_captionsfit.moc"
