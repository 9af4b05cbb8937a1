#include "error.h"
#include "files.h"
#include "qtpictureloader.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QImageReader>
#include <QTemporaryDir>
#include <QTest>

using namespace quorvel;

// The picture loader on real files: the decoder follows the extension, and each
// refusal carries its own message.
class TestQtPictureLoader : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

    QString path(const QString &name) const { return dir_.filePath(name); }

    void writeImage(const QString &name, const char *format, QColor colour)
    {
        QImage image(3, 2, QImage::Format_RGB32);
        image.fill(colour);
        QVERIFY(image.save(path(name), format));
    }

    void writeBytes(const QString &name, const QByteArray &bytes)
    {
        QFile file(path(name));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }

    // Debian's qt6-image-formats-plugins has it; the Qt kit of the Windows build has not.
    static bool hasTiff() { return QImageReader::supportedImageFormats().contains("tiff"); }

    // The message for a file that cannot be read, with the path and the reason in the
    // system's own way.
    static QString cannotOpen(const QString &file)
    {
        QByteArray bytes;
        QString reason;
        readWholeFile(file, bytes, reason);
        return "Cannot open file \"" + QDir::toNativeSeparators(file) + "\". " + reason;
    }

    QString failure(const QString &file)
    {
        try {
            QtPictureLoader().load(file);
        } catch (const Error &e) {
            return e.message();
        }
        return QStringLiteral("(loaded)");
    }

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        writeImage(QStringLiteral("red.bmp"), "BMP", Qt::red);
        writeImage(QStringLiteral("upper.BMP"), "BMP", Qt::green);
        if (hasTiff()) {
            writeImage(QStringLiteral("blue.tif"), "TIFF", Qt::blue);
            writeImage(QStringLiteral("blue.TIFF"), "TIFF", Qt::blue);
        }
        writeImage(QStringLiteral("icon.ico"), "ICO", Qt::yellow);
        writeImage(QStringLiteral("png.bmp"), "PNG", Qt::red);
        writeImage(QStringLiteral("real.png"), "PNG", Qt::red);
        writeBytes(QStringLiteral("broken.bmp"), "BM this is no bitmap");
        writeBytes(QStringLiteral("empty.bmp"), QByteArray());
        writeBytes(QStringLiteral("chart.wmf"), QByteArray("\xd7\xcd\xc6\x9a\0\0\0\0", 8));
        writeBytes(QStringLiteral("chart.emf"), QByteArray(40, '\1'));
        QVERIFY(QDir(dir_.path()).mkdir(QStringLiteral("folder.bmp")));
    }

    void loadsByExtension_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QColor>("colour");
        QTest::newRow("bmp") << "red.bmp" << QColor(Qt::red);
        QTest::newRow("BMP upper case") << "upper.BMP" << QColor(Qt::green);
        QTest::newRow("tif") << "blue.tif" << QColor(Qt::blue);
        QTest::newRow("TIFF") << "blue.TIFF" << QColor(Qt::blue);
        QTest::newRow("ico") << "icon.ico" << QColor(Qt::yellow);
    }

    void loadsByExtension()
    {
        QFETCH(QString, name);
        QFETCH(QColor, colour);
        if (name.endsWith(QLatin1String(".tif"), Qt::CaseInsensitive) || name.endsWith(QLatin1String(".tiff"), Qt::CaseInsensitive)) {
            if (!hasTiff())
                QSKIP("This Qt has no TIFF image plugin (the Windows kit lacks it)");
        }
        const QImage image = QtPictureLoader().load(path(name));
        QCOMPARE(image.size(), QSize(3, 2));
        QCOMPARE(image.pixelColor(0, 0), colour);
    }

    void refusals_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QString>("message");
        const QString abs = dir_.path();
        // The extension is checked before the file is looked at, and quoted as written.
        QTest::newRow("other extension, existing file")
            << path("real.png") << "Unknown picture file extension (.png)";
        QTest::newRow("other extension, missing file")
            << path("nothing.Jpeg") << "Unknown picture file extension (.Jpeg)";
        QTest::newRow("no extension") << path("curve") << "Unknown picture file extension (.)";
        QTest::newRow("folder path") << abs + "/" << "Unknown picture file extension (.)";
        QTest::newRow("dot in a folder name only")
            << abs + "/folder.bmp/curve" << "Unknown picture file extension (.)";
        QTest::newRow("missing bitmap") << path("missing.bmp") << cannotOpen(path("missing.bmp"));
        QTest::newRow("folder named like a bitmap") << path("folder.bmp") << cannotOpen(path("folder.bmp"));
        QTest::newRow("broken bitmap") << path("broken.bmp") << "Bitmap image is not valid";
        QTest::newRow("empty bitmap") << path("empty.bmp") << "Bitmap image is not valid";
        // The content is not sniffed: a PNG under a bitmap's name is a broken bitmap.
        QTest::newRow("png named bmp") << path("png.bmp") << "Bitmap image is not valid";
    }

    void refusals()
    {
        QFETCH(QString, file);
        QFETCH(QString, message);
        QCOMPARE(failure(file), message);
    }

    void relativePathReportedAbsolute()
    {
        const QString old = QDir::currentPath();
        QDir::setCurrent(dir_.path());
        const QString message = failure(QStringLiteral("gone.bmp"));
        QDir::setCurrent(old);
        QCOMPARE(message, cannotOpen(QDir(dir_.path()).canonicalPath() + "/gone.bmp"));
    }

    // No metafile decoder here: the reader's own refusal, after the file was opened.
    void metafilesRefusedByTheDecoder_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("wmf") << "chart.wmf";
        QTest::newRow("emf") << "chart.emf";
    }

    void metafilesRefusedByTheDecoder()
    {
        QFETCH(QString, name);
        const QString message = failure(path(name));
        QVERIFY2(message != u"(loaded)" && !message.isEmpty(), qPrintable(message));
        QVERIFY(!message.startsWith(u"Unknown picture file extension"));
        QVERIFY(!message.startsWith(u"Cannot open file"));
        QCOMPARE(failure(path("absent.emf")), cannotOpen(path("absent.emf")));
    }
};

QTEST_GUILESS_MAIN(TestQtPictureLoader)
#include "tst_qtpictureloader.moc"
