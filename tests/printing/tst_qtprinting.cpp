#include "error.h"
#include "qtprinterwindow.h"

#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>

using namespace quorvel;

// The Qt printing back end where the print system has no printer at all (a CUPS
// server that does not answer): Qt would quietly print to a PDF file instead.
class TestQtPrinting : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        // Before anything asks CUPS: point it at a server that is not there.
        qputenv("CUPS_SERVER", dir_.filePath(QStringLiteral("no-such-cups.sock")).toLocal8Bit());
    }

    void noPrinterMeansNoDefaultPrinter()
    {
        QtPrinting printing;
        QVERIFY(printing.printers().isEmpty());
        const QString message = Printing::noDefaultPrinterMessage().english;
        const auto fails = [&](const std::function<void()> &operation) {
            try {
                operation();
            } catch (const Error &e) {
                return e.message() == message;
            }
            return false;
        };
        QVERIFY(fails([&] { printing.setPrinterIndex(-1); }));
        QVERIFY(fails([&] { printing.printerIndex(); }));
        QVERIFY(fails([&] { printing.setOrientation(QPageLayout::Landscape); }));
        QVERIFY(fails([&] { printing.beginDoc(); }));
        QVERIFY(fails([&] { printing.printerSetup(nullptr); }));
        QVERIFY_THROWS_EXCEPTION(Error, printing.setPrinterIndex(0)); // out of range
    }

    void startUpWithoutPrinter()
    {
        QtPrinterWindow w;
        QCOMPARE(w.boxes.errors(), QStringList{"There is no default printer currently selected."});
        QCOMPARE(printerBox(w.dialog)->count(), 0);
    }

    void ppdDefaultResolution_data()
    {
        QTest::addColumn<QByteArray>("ppd");
        QTest::addColumn<int>("dpi");
        QTest::newRow("dpi") << QByteArray("*PPD-Adobe: \"4.3\"\n*DefaultResolution: 300dpi\n") << 300;
        QTest::newRow("x by y, CR LF") << QByteArray("*DefaultResolution: 600x1200dpi\r\n*Other: 1\r\n") << 600;
        QTest::newRow("dots per cm") << QByteArray("*DefaultResolution: 118dpcm\n") << 300;
        QTest::newRow("choice, not default") << QByteArray("*Resolution 1200dpi/1200 DPI: \"\"\n") << 0;
        QTest::newRow("none") << QByteArray() << 0;
    }
    void ppdDefaultResolution()
    {
        QFETCH(QByteArray, ppd);
        QFETCH(int, dpi);
        QCOMPARE(QtPrinting::ppdDefaultResolution(ppd), dpi);
    }
};

QTEST_MAIN(TestQtPrinting)
#include "tst_qtprinting.moc"
