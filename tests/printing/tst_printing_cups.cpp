#include "projectstate.h"
#include "projectsheet.h"
#include "inputsheetprintout.h"
#include "qtprinterwindow.h"
#include "support/modal.h"

#include <QComboBox>
#include <QDir>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cmath>

using namespace quorvel;

// End to end on a real print system: a private CUPS daemon with two cups-pdf printers
// (scripts/cups-test-printer.sh), printed to through QtPrinting, checked in the PDF
// that comes out. Skipped, with the reason, where the daemon cannot run.
class TestPrintingCups : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    bool started_ = false;

    // Runs the set-up script; returns its exit code, or -1 when it did not finish.
    int script(const QString &action, QString *output)
    {
        QProcess process;
        process.start(QStringLiteral("bash"),
                      {QStringLiteral(QUORVEL_SOURCE_DIR "/scripts/cups-test-printer.sh"), action, dir_.path()});
        if (!process.waitForFinished(30000)) {
            process.kill();
            process.waitForFinished(2000);
            *output = QStringLiteral("the set-up script did not finish in 30 s");
            return -1;
        }
        *output = QString::fromLocal8Bit(process.readAllStandardOutput() + process.readAllStandardError()).trimmed();
        return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
    }

    static QString run(const QString &program, const QStringList &arguments)
    {
        QProcess process;
        process.start(program, arguments);
        if (!process.waitForFinished(15000)) {
            process.kill();
            process.waitForFinished(2000);
        }
        return QString::fromUtf8(process.readAllStandardOutput());
    }

    // The box of the word's first occurrence on the page, in points.
    static QRectF wordBox(const QString &pdf, const QString &word)
    {
        static const QRegularExpression entry(QStringLiteral(
            R"re(<word xMin="([\d.]+)" yMin="([\d.]+)" xMax="([\d.]+)" yMax="([\d.]+)">([^<]*)</word>)re"));
        const QString boxes = run(QStringLiteral("pdftotext"), {QStringLiteral("-bbox"), pdf, QStringLiteral("-")});
        for (const QRegularExpressionMatch &m : entry.globalMatch(boxes))
            if (m.captured(5) == word)
                return QRectF(QPointF(m.captured(1).toDouble(), m.captured(2).toDouble()),
                              QPointF(m.captured(3).toDouble(), m.captured(4).toDouble()));
        return {};
    }

    // How far apart two words start across the text's direction or along it, whichever
    // way the text runs on the page.
    static double step(const QRectF &a, const QRectF &b)
    {
        return std::max({std::abs(a.left() - b.left()), std::abs(a.top() - b.top()),
                         std::abs(a.bottom() - b.bottom())});
    }

    QStringList pdfFiles() const
    {
        return QDir(dir_.filePath(QStringLiteral("out"))).entryList({QStringLiteral("*.pdf")}, QDir::Files);
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        QString output;
        const int code = script(QStringLiteral("start"), &output);
        if (code == 77)
            QSKIP(qPrintable(QStringLiteral("no CUPS print system here: ") + output));
        QVERIFY2(code == 0, qPrintable(output));
        started_ = true;
        // Before anything asks CUPS: our daemon is the print system.
        qputenv("CUPS_SERVER", output.section(QLatin1Char('\n'), -1).toLocal8Bit());
    }

    void cleanupTestCase()
    {
        QString output;
        if (started_)
            script(QStringLiteral("stop"), &output);
    }

    void printersAndSettings()
    {
        QtPrinting printing;
        QCOMPARE(printing.printers(), (QStringList{"Quorvel_PDF", "Quorvel_PDF_2"}));
        QCOMPARE(printing.printerIndex(), 0); // the default
        QCOMPARE(printing.resolution(), 300); // the driver's, not Qt's 1200

        printing.setOrientation(QPageLayout::Landscape);
        printing.setPrinterIndex(0); // already current: keeps its settings
        QCOMPARE(printing.orientation(), QPageLayout::Landscape);
        printing.setPrinterIndex(1);
        QCOMPARE(printing.orientation(), QPageLayout::Portrait);
        printing.setOrientation(QPageLayout::Landscape);
        printing.setPrinterIndex(-1); // the default afresh
        QCOMPARE(printing.printerIndex(), 0);
        QCOMPARE(printing.orientation(), QPageLayout::Portrait);
    }

    // The print-setup dialog picks the printer; the box keeps its text.
    void printerSetupPicksThePrinter()
    {
        QtPrinterWindow w;
        QCOMPARE(printerBox(w.dialog)->count(), 2);
        QCOMPARE(printerBox(w.dialog)->currentText(), QStringLiteral("Quorvel_PDF"));

        whenModal([](QWidget *dialog) {
            if (auto *printers = dialog->findChild<QComboBox *>(QStringLiteral("printers")))
                printers->setCurrentIndex(printers->findText(QStringLiteral("Quorvel_PDF_2")));
            QMetaObject::invokeMethod(dialog, "accept", Qt::QueuedConnection);
        });
        QTest::mouseClick(dialogButton(w.dialog, QStringLiteral("setupButton")), Qt::LeftButton);
        QCOMPARE(w.printing.printerIndex(), 1);
        QCOMPARE(printerBox(w.dialog)->currentText(), QStringLiteral("Quorvel_PDF"));
        QVERIFY(w.boxes.shown().isEmpty());
    }

    void printDefaultSheet()
    {
        QtPrinterWindow w;
        ProjectSheet sheet;
        sheet.createTables();
        const QString project = QStringLiteral("Hillside camp");

        whenModal([&](QWidget *) {
            QTest::mouseClick(dialogButton(w.dialog, QStringLiteral("okButton")), Qt::LeftButton);
        });
        guarded(w.boxes, [&] { printInputSheet(w.dialog, w.printing, sheet.inputs, project); });
        QCOMPARE(w.boxes.shown(), QStringList());

        QTRY_COMPARE_WITH_TIMEOUT(pdfFiles().size(), 1, 30000);
        const QString pdf = dir_.filePath(QStringLiteral("out/") + pdfFiles().first());
        // cups-pdf names the file while ghostscript is still writing it.
        QTRY_VERIFY_WITH_TIMEOUT(run(QStringLiteral("pdfinfo"), {pdf}).contains(QStringLiteral("Pages:")), 15000);
        const QString info = run(QStringLiteral("pdfinfo"), {pdf});
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+1\\n"))), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression(QStringLiteral("Title:\\s+\\(?") + project)), qPrintable(info));

        const QString text = run(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdf, QStringLiteral("-")});
        const QString words = text.simplified();
        QVERIFY2(words.contains(project), qPrintable(text));
        for (int r = 0; r < sheet.inputs.rowCount(); ++r)
            for (int c = 0; c < sheet.inputs.colCount(); ++c)
                QVERIFY2(words.contains(sheet.inputs.cell(c, r).simplified()), qPrintable(sheet.inputs.cell(c, r)));

        // Landscape: the lines run along the sheet's long side, however the print
        // system turned the page to fit the paper.
        const auto box = [&](const QString &word) { return wordBox(pdf, word); };
        const QRectF description = box(QStringLiteral("Description"));
        const QRegularExpressionMatch size = QRegularExpression(QStringLiteral("Page size:\\s+([\\d.]+) x ([\\d.]+)")).match(info);
        const QRegularExpressionMatch rotation = QRegularExpression(QStringLiteral("Page rot:\\s+(\\d+)")).match(info);
        QVERIFY2(size.hasMatch() && rotation.hasMatch() && !description.isEmpty(), qPrintable(info));
        const bool wide = size.captured(1).toDouble() > size.captured(2).toDouble();
        const bool turned = rotation.captured(1).toInt() % 180 == 90;
        const bool textSideways = description.height() > description.width();
        QVERIFY2((wide != turned) != textSideways, qPrintable(info));

        // Device pixels at the printer's own resolution: from a column's text to the
        // next 5 x 180 pixels, from a row's text to the next 150 pixels.
        const double pointsPerPixel = 72.0 / w.printing.resolution();
        QCOMPARE_LE(std::abs(step(description, box(QStringLiteral("Unit"))) - 900 * pointsPerPixel), 1.0);
        QCOMPARE_LE(std::abs(step(description, box(QStringLiteral("Pump"))) - 150 * pointsPerPixel), 1.0);
    }
};

QTEST_MAIN(TestPrintingCups)
#include "tst_printing_cups.moc"
