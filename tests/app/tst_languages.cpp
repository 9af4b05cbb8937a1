// The program in each of its languages through the real translations: the window and
// its message boxes speak the language, the project files it saves are byte for byte
// those saved in English, and Arabic is laid out right to left in a font that has
// Arabic glyphs.
#include "application.h"
#include "gridwidget.h"
#include "language.h"
#include "mainwindow.h"
#include "sheetlayout.h"
#include "support/children.h"
#include "support/fakeplatform.h"
#include "support/modal.h"
#include "support/shippedprogram.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFile>
#include <QGlyphRun>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTextLayout>
#include <QToolButton>
#include <QTranslator>
#include <QtTest>

using namespace quorvel;

namespace {

// Back to English: every translator the language set-up installed goes.
void removeTranslations()
{
    for (QTranslator *translator : QCoreApplication::instance()->findChildren<QTranslator *>()) {
        QCoreApplication::removeTranslator(translator);
        delete translator;
    }
}

// Picks the catalog row of the modal window with a double-click on its second column.
void pickRow(QWidget *window, int row)
{
    auto &grid = child<GridWidget>(*window, "grid");
    const QPoint cell = grid.visualRect(grid.model()->index(row, 1)).center();
    QTest::mouseDClick(grid.viewport(), Qt::LeftButton, {}, cell);
}

// Where a cell of the grid stands in the grid's own coordinates.
QRect cellRect(const GridWidget &grid, int col, int row)
{
    return grid.visualRect(grid.model()->index(row, col)).translated(grid.viewport()->geometry().topLeft());
}

// The first and last columns of a picture's part that hold ink (text); -1 for both
// when none does.
std::pair<int, int> inkedColumns(const QImage &picture, const QRect &part)
{
    int first = -1, last = -1;
    for (int x = part.left(); x <= part.right(); ++x) {
        for (int y = part.top(); y <= part.bottom(); ++y) {
            if (qGray(picture.pixel(x, y)) < 100) {
                first = first < 0 ? x : first;
                last = x;
                break;
            }
        }
    }
    return {first, last};
}

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing ") + path.toUtf8() + '>';
}

} // namespace

class TestLanguages : public QObject {
    Q_OBJECT
private slots:
    void cleanup();
    void savedProjectIsTheSameInEveryLanguage_data();
    void savedProjectIsTheSameInEveryLanguage();
    void arabicIsRightToLeftWithArabicGlyphs();
    void gridsReadInTheWindowsDirection_data();
    void gridsReadInTheWindowsDirection();

private:
    QHash<QString, QByteArray> englishFiles_; // by extension
};

void TestLanguages::cleanup()
{
    removeTranslations();
}

void TestLanguages::savedProjectIsTheSameInEveryLanguage_data()
{
    QTest::addColumn<QString>("language");
    // English first: the others are held against its files.
    for (const QString &language : programLanguages())
        QTest::newRow(qPrintable(language)) << language;
}

void TestLanguages::savedProjectIsTheSameInEveryLanguage()
{
    QFETCH(QString, language);
    installTranslations(*QCoreApplication::instance(), language);
    ShippedProgram program;
    QVERIFY(QDir().mkpath(program.projectsDir()));
    QVERIFY(program.installDatabase());
    QVERIFY(program.start());
    MainWindow &window = program.mainWindow();
    const auto translated = [](const char *context, const char *text) {
        return QCoreApplication::translate(context, text);
    };

    // The window speaks the language (and English is the source itself).
    const QString calculate = translated("quorvel::MainWindow", "To Calculate");
    QCOMPARE(calculate == QLatin1String("To Calculate"), language == QLatin1String("en"));
    QCOMPARE(child<QPushButton>(window, "calculateButton").text(), calculate);
    auto &inputGrid = child<GridWidget>(window, "inputGrid");
    QCOMPARE(inputGrid.model()->index(InputRow::Population, descriptionColumn).data().toString(),
             translated("quorvel::Sheet", "Population"));

    CellTable &inputs = *inputGrid.table();
    inputs.setCell(valueColumn, InputRow::PipelineLength, QStringLiteral("1200"));
    inputs.setCell(valueColumn, InputRow::StorageElevation, QStringLiteral("145"));
    inputs.setCell(valueColumn, InputRow::Population, QStringLiteral("5000"));
    whenModal([](QWidget *pumps) {
        whenModal([](QWidget *tanks) { pickRow(tanks, 2); });
        pickRow(pumps, 2);
    });
    QTest::mouseClick(&child<QPushButton>(window, "calculateButton"), Qt::LeftButton);
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    QVERIFY(!window.sheet().results.cell(valueColumn, ResultRow::TapstandKits).isEmpty());

    // Saving without a name: the warning in the language.
    auto &nameEdit = child<QLineEdit>(window, "projectNameEdit");
    nameEdit.setFocus();
    QTest::keyClick(&nameEdit, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(&nameEdit, Qt::Key_Backspace);
    QTest::mouseClick(&child<QToolButton>(window, "saveButton"), Qt::LeftButton);
    QCOMPARE(program.fake.boxes.shown(), QStringList{"warning: " + translated("quorvel::ProjectFiles", "Enter the project name")});

    QTest::keyClicks(&nameEdit, "Camp 4");
    const QString base = program.projectsDir() + QStringLiteral("camp");
    program.fake.dialogs.confirm(FileDialogs::Kind::Save, base);
    QTest::mouseClick(&child<QToolButton>(window, "saveButton"), Qt::LeftButton);
    for (const QString extension : {".qvl", ".dat", ".res"}) {
        const QByteArray bytes = fileBytes(base + extension);
        if (language == QLatin1String("en"))
            englishFiles_[extension] = bytes;
        else
            QCOMPARE(bytes, englishFiles_.value(extension));
    }
    // The files keep the English texts the screen shows translated.
    QVERIFY(fileBytes(base + ".dat").contains("Water source elevation"));
    program.app.reset();
}

void TestLanguages::arabicIsRightToLeftWithArabicGlyphs()
{
    installTranslations(*QCoreApplication::instance(), QStringLiteral("ar"));
    QCoreApplication::processEvents(); // Qt reads the direction when the translators change
    QCOMPARE(QGuiApplication::layoutDirection(), Qt::RightToLeft);
    ShippedProgram program;
    QVERIFY(program.installDatabase());
    QVERIFY(program.start());
    MainWindow &window = program.mainWindow();
    window.resize(1280, 800);
    QVERIFY(window.isRightToLeft());

    // Every character of the grid's Arabic texts has a glyph in the fonts Qt picks.
    auto &inputGrid = child<GridWidget>(window, "inputGrid");
    const QString text = inputGrid.model()->index(InputRow::SourceElevation, descriptionColumn).data().toString();
    QVERIFY(text.contains(QChar(0x0645))); // meem: the text is Arabic
    QTextLayout layout(text, inputGrid.font());
    layout.beginLayout();
    layout.createLine();
    layout.endLayout();
    QStringList families;
    for (const QGlyphRun &run : layout.glyphRuns()) {
        families << run.rawFont().familyName();
        QVERIFY2(!run.glyphIndexes().contains(0), qPrintable(run.rawFont().familyName()));
    }
    qInfo("Arabic drawn in %s", qPrintable(families.join(QStringLiteral(", "))));

    // The sheet moves to the right edge, the schematic to its left; the schematic's
    // captions keep their places on the picture, which is not mirrored, and fit it.
    auto &sheetPanel = child<QWidget>(window, "sheetPanel");
    auto &schematicPanel = child<QWidget>(window, "schematicPanel");
    QVERIFY(sheetPanel.geometry().left() > schematicPanel.geometry().left());
    for (const char *name : {"sourceCaption", "storageCaption", "pipelineCaption", "populationCaption"}) {
        const QLabel &caption = child<QLabel>(window, name);
        QVERIFY2(caption.x() >= 0 && caption.geometry().right() < schematicPanel.width(),
                 qPrintable(QStringLiteral("%1 at %2,%3 %4x%5 outside %6x%7")
                                .arg(name)
                                .arg(caption.x())
                                .arg(caption.y())
                                .arg(caption.width())
                                .arg(caption.height())
                                .arg(schematicPanel.width())
                                .arg(schematicPanel.height())));
    }
    // Numbers keep their digits left to right inside the Arabic caption.
    QVERIFY(child<QLabel>(window, "sourceCaption").text().endsWith(QLatin1String("100")));
    program.app.reset();
}

void TestLanguages::gridsReadInTheWindowsDirection_data()
{
    QTest::addColumn<QString>("language");
    QTest::addColumn<bool>("rightToLeft");
    QTest::newRow("en: description, unit, value from the left") << "en" << false;
    QTest::newRow("ar: description, unit, value from the right") << "ar" << true;
}

void TestLanguages::gridsReadInTheWindowsDirection()
{
    QFETCH(QString, language);
    QFETCH(bool, rightToLeft);
    installTranslations(*QCoreApplication::instance(), language);
    QCoreApplication::processEvents();
    ShippedProgram program;
    QVERIFY(program.installDatabase());
    QVERIFY(program.start());
    MainWindow &window = program.mainWindow();
    window.resize(1280, 800);
    QCoreApplication::processEvents();

    for (const char *name : {"inputGrid", "resultGrid"}) {
        GridWidget &grid = child<GridWidget>(window, name);
        const QImage picture = grid.grab().toImage();
        // Each column further along the reading direction than the one before it.
        int previous = -1;
        for (const int col : {descriptionColumn, unitColumn, valueColumn}) {
            const QRect cell = cellRect(grid, col, 1);
            const QRect caption = cellRect(grid, col, 0);
            const QString where = QStringLiteral("%1 column %2").arg(name).arg(col);
            if (previous >= 0)
                QVERIFY2(rightToLeft ? cell.right() < previous : cell.left() > previous, qPrintable(where));
            previous = rightToLeft ? cell.left() : cell.right();
            // Its caption right above it, inside the grid, drawn from the side the
            // grid reads from.
            QCOMPARE(caption.left(), cell.left());
            QVERIFY2(qAbs(caption.right() - cell.right()) <= 1, qPrintable(where)); // less a scrolling cell's grid line
            QCOMPARE(caption.bottom() + 1, cell.top());
            QVERIFY2(grid.rect().contains(caption), qPrintable(where));
            const QString text = grid.model()->index(0, col).data().toString();
            const auto [first, last] = inkedColumns(picture, caption.adjusted(2, 2, -2, -2));
            QVERIFY2(first >= 0, qPrintable(where + QStringLiteral(": no caption drawn")));
            const int inked = last - first + 1;
            const int advance = grid.horizontalHeader()->fontMetrics().horizontalAdvance(text);
            QVERIFY2(qAbs(inked - advance) <= 4, qPrintable(QStringLiteral("%1: %2 px inked for \"%3\", %4 px wide")
                                                                .arg(where).arg(inked).arg(text).arg(advance)));
            QVERIFY2(rightToLeft ? caption.right() - last <= 6 : first - caption.left() <= 6, qPrintable(where));
        }
    }

    // The value column is typed into as before, reached by a click on its place.
    GridWidget &inputGrid = child<GridWidget>(window, "inputGrid");
    QTest::mouseClick(inputGrid.viewport(), Qt::LeftButton, {},
                      inputGrid.visualRect(inputGrid.model()->index(InputRow::Population, valueColumn)).center());
    QTest::keyClick(&inputGrid, Qt::Key_7);
    QCOMPARE(window.sheet().inputs.cell(valueColumn, InputRow::Population), QStringLiteral("7"));
    program.app.reset();
}

QTEST_MAIN(TestLanguages)
#include "tst_languages.moc"
