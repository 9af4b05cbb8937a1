#include "designreport.h"
#include "error.h"
#include "files.h"

#include <QDate>
#include <QDir>
#include <QImage>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <cerrno>

using namespace quorvel;

namespace {

SiteResult designedSite()
{
    SiteResult r;
    r.site = {3, "Kibera North", InputTexts::fromTexts({"1200", "310", "365", "4500", "8", "12", "150"}), {}};
    r.results = ResultTexts::fromTexts({"61.73", "3.25", "14.81", "52.06", "120.4", "1.07", "2.01", "150.2", "7.92", "12.66"});
    r.pump = "Acme pump SM4-08 model";
    r.pumpPicture = "curve.bmp";
    r.tank = "Ferro-cement Tank 50 M^3";
    r.warnings = {TranslatableText::plain("daily usage under 15 L/person/day"),
                  TranslatableText::plain("flow velocity 2.31 m/s outside 0.5-2 m/s")};
    return r;
}

SiteResult failedSite()
{
    SiteResult r;
    r.site = {9, QString(), InputTexts::fromTexts({"800", "abc", "40", "900", "6", "20", "100"}), {}};
    r.error = TranslatableText::plain("Water source elevation is not a number");
    return r;
}

// A poppler tool's output; empty when it fails.
QString poppler(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    process.waitForFinished(30000);
    return process.exitCode() == 0 ? QString::fromUtf8(process.readAllStandardOutput()) : QString();
}

// A report on a plain file (the command gives it a temporary one that replaces the
// target once complete), written whole.
void writeReport(const QString &pdf, const QString &database, const QList<SiteResult> &sites)
{
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::WriteOnly));
    DesignReport report(file, database);
    for (const SiteResult &site : sites)
        report.addPage(site);
    report.finish();
}

#define REQUIRE_POPPLER()                                                      \
    for (const char *tool : {"pdfinfo", "pdftotext", "pdfimages"})             \
        if (QStandardPaths::findExecutable(QLatin1String(tool)).isEmpty())     \
            QSKIP("poppler-utils are not installed");

} // namespace

class TestDesignReport : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;
    QString database_;  // with a curve picture (40x30) and the "no curve" one (20x24)
    QString report_;    // the designed site, then the failed one

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        database_ = dir_.filePath("Database/");
        QVERIFY(QDir().mkpath(database_));
        QImage curve(40, 30, QImage::Format_RGB32), noCurve(20, 24, QImage::Format_RGB32);
        curve.fill(Qt::darkGreen);
        noCurve.fill(Qt::gray);
        QVERIFY(curve.save(database_ + "curve.bmp", "BMP") && noCurve.save(database_ + "no curve.bmp", "BMP"));
        report_ = dir_.filePath("report.pdf");
        writeReport(report_, database_, {designedSite(), failedSite()});
    }

    void twoA4Pages()
    {
        QFile file(report_);
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.read(4), QByteArray("%PDF"));
        REQUIRE_POPPLER();
        const QString info = poppler("pdfinfo", {report_});
        QVERIFY2(info.contains(QRegularExpression("Pages:\\s+2\\n")), qPrintable(info));
        QVERIFY2(info.contains(QRegularExpression("Page size:\\s+595(\\.\\d+)? x 84[12](\\.\\d+)? pts \\(A4\\)")),
                 qPrintable(info));
    }

    // Per page, texts it shows and texts it must not.
    void pageText_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("absent");
        const SiteResult d = designedSite();
        QTest::newRow("designed") << 1
            << d.results.texts() + englishTexts(d.warnings) + QStringList{d.site.name, QDate::currentDate().toString(Qt::ISODate),
                   "Line 3 of the sites file", "L/capita/day", d.pump, d.tank, "Water Source Elevation= 310",
                   "Storage Elevation= 365", "Pipeline Length= 1200", "Population= 4500"}
            << QStringList{"Error:"};
        QTest::newRow("failed") << 2
            << QStringList{"Site on line 9", "Error: Water source elevation is not a number", "Water Source Elevation= abc"}
            << QStringList{d.site.name, "Q design", "no catalog pump", "Warnings"};
    }
    void pageText()
    {
        QFETCH(int, page);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, absent);
        REQUIRE_POPPLER();
        const QString number = QString::number(page);
        const QString text = poppler("pdftotext", {"-f", number, "-l", number, report_, "-"});
        for (const QString &expected : shown)
            QVERIFY2(text.contains(expected), qPrintable(expected + " missing in:\n" + text));
        for (const QString &unexpected : absent)
            QVERIFY2(!text.contains(unexpected), qPrintable(unexpected + " shown in:\n" + text));
    }

    // The pictures on the page, by size: the pump's curve or its stand-in. The folder
    // is given without its final slash.
    void curvePicture_data()
    {
        QTest::addColumn<QString>("pumpPicture");
        QTest::addColumn<QStringList>("files");
        QTest::addColumn<QString>("images");
        QTest::newRow("the pump's curve") << "curve.bmp" << QStringList{"curve.bmp", "no curve.bmp"} << "40x30";
        QTest::newRow("missing curve") << "gone.bmp" << QStringList{"no curve.bmp"} << "20x24";
        QTest::newRow("unreadable curve") << "broken.bmp" << QStringList{"broken.bmp", "no curve.bmp"} << "20x24";
        QTest::newRow("no pump") << "" << QStringList{"no curve.bmp"} << "20x24";
        QTest::newRow("no pictures at all") << "curve.bmp" << QStringList{} << "";
    }
    void curvePicture()
    {
        QFETCH(QString, pumpPicture);
        QFETCH(QStringList, files);
        QFETCH(QString, images);
        REQUIRE_POPPLER();
        const QString database = dir_.filePath(QTest::currentDataTag());
        QVERIFY(QDir().mkpath(database));
        for (const QString &name : files) {
            QFile broken(database + "/" + name);
            QVERIFY(name == "broken.bmp" ? broken.open(QIODevice::WriteOnly) && broken.write("BM junk") > 0
                                         : QFile::copy(database_ + name, broken.fileName()));
        }
        SiteResult site = designedSite();
        site.pumpPicture = pumpPicture;
        const QString pdf = database + "/report.pdf";
        writeReport(pdf, database, {site});

        QStringList sizes;
        const QStringList lines = poppler("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts);
        for (const QString &line : lines.mid(2)) // after the heading and its rule
            sizes << line.simplified().section(' ', 3, 3) + "x" + line.simplified().section(' ', 4, 4);
        QCOMPARE(sizes.join(','), images);
    }

    // A full disk shows at the end, named with the system's reason.
    void fullDiskAtFinish()
    {
        QFile full("/dev/full");
        if (!full.open(QIODevice::WriteOnly))
            QSKIP("no /dev/full here");
        DesignReport report(full, database_);
        report.addPage(designedSite());
        try {
            report.finish();
            QFAIL("no error raised");
        } catch (const Error &e) {
            QCOMPARE(e.message(), QString("Cannot create file \"/dev/full\". %1").arg(systemErrorText(ENOSPC)));
        }
    }

    // A second finish does nothing; a report dropped unfinished is ended whole, and
    // one that cannot be written is dropped quietly.
    void finishOnceOnly()
    {
        const QString twice = dir_.filePath("twice.pdf"), dropped = dir_.filePath("dropped.pdf");
        {
            QFile twiceFile(twice), droppedFile(dropped), full("/dev/full");
            QVERIFY(twiceFile.open(QIODevice::WriteOnly) && droppedFile.open(QIODevice::WriteOnly));
            DesignReport report(twiceFile, database_), unfinished(droppedFile, database_);
            report.addPage(failedSite());
            report.finish();
            report.finish();
            unfinished.addPage(failedSite());
            if (full.open(QIODevice::WriteOnly))
                DesignReport(full, database_).addPage(failedSite());
        }
        REQUIRE_POPPLER();
        for (const QString &pdf : {twice, dropped})
            QVERIFY(poppler("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
    }
};

QTEST_MAIN(TestDesignReport)
#include "tst_designreport.moc"
