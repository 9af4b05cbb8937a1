#include "designreport.h"
#include "error.h"
#include "files.h"

#include <QDate>
#include <QDir>
#include <QFileInfo>
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
    r.tank = "Ferro-cement Tank 50 M^3";
    r.warnings = {TranslatableText::plain("daily usage under 15 L/person/day"),
                  TranslatableText::plain("flow velocity 2.31 m/s outside 0.5-2 m/s")};
    r.checks = {DesignCheck{"daily usage", 12, 15, "L/person/day", CheckOutcome::Warning,
                            TranslatableText::plain("daily usage 12 L/person/day below 15 L/person/day"),
                            "at least 15 L/person/day"},
                DesignCheck{"people per tap", 150, 250, "people", CheckOutcome::Pass, {}, "at most 250 people"},
                DesignCheck{"share of the rated flow", 0, 80, "%", CheckOutcome::NotApplicable, {}, "80 to 120 %"}};
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
const ReportContext context{"A. Engineer", "WASH Cluster", {0.6, 2.5}, 0.15};

void writeReport(const QString &pdf, const QList<SiteResult> &sites)
{
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::WriteOnly));
    DesignReport report(file, context);
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
    QString report_;    // the designed site, then the failed one

private slots:
    void initTestCase()
    {
        QVERIFY(dir_.isValid());
        report_ = dir_.filePath("report.pdf");
        writeReport(report_, {designedSite(), failedSite()});
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

    // Per page, texts it shows and texts it must not: a designed site's page with its
    // header, checks and assumptions; the failed site only a line of the table after it.
    void pageText_data()
    {
        QTest::addColumn<int>("page");
        QTest::addColumn<QStringList>("shown");
        QTest::addColumn<QStringList>("absent");
        const SiteResult d = designedSite();
        const QString date = QDate::currentDate().toString(Qt::ISODate);
        QTest::newRow("designed") << 1
            << d.results.texts() + QStringList{"Water supply design: Kibera North", date, "Prepared by A. Engineer, WASH Cluster",
                   "Line 3 of the sites file", "Page 1 of 2", "Quorvel 1.0.0 design report", "L/person/day", "L/min", "m³",
                   d.pump, d.tank, "Water Source Elevation= 310 m", "Storage Elevation= 365 m", "Pipeline Length= 1200 m",
                   "Population= 4500 people",
                   // the checks table, every outcome, and the warnings in words
                   "Check Value Limit Outcome", "daily usage 12 L/person/day at least 15 L/person/day warning",
                   "people per tap 150 people at most 250 people pass", "share of the rated flow — 80 to 120 % not applicable",
                   "daily usage 12 L/person/day below 15 L/person/day",
                   // the assumptions, with the context's limits
                   "Hazen-Williams with C = 140", "suction and minor losses are left out", "flow velocity 0.6 to 2.5 m/s",
                   "at 80 to 120 % of its rated flow", "pumping head plus 15 % at the design flow"}
            << QStringList{"Error:", "Site on line 9"};
        QTest::newRow("failures table") << 2
            << QStringList{"Sites not designed", "1 sites", "Line Site Why", "9 Water source elevation is not a number",
                           "Page 2 of 2"}
            << QStringList{d.site.name, "Q design", "Checks"};
    }
    void pageText()
    {
        QFETCH(int, page);
        QFETCH(QStringList, shown);
        QFETCH(QStringList, absent);
        REQUIRE_POPPLER();
        const QString number = QString::number(page);
        const QString text = poppler("pdftotext", {"-f", number, "-l", number, "-layout", report_, "-"}).simplified();
        for (const QString &expected : shown)
            QVERIFY2(text.contains(expected), qPrintable(expected + " missing in:\n" + text));
        for (const QString &unexpected : absent)
            QVERIFY2(!text.contains(unexpected), qPrintable(unexpected + " shown in:\n" + text));
    }

    // Many sites cost their text and lines: the schematic, on every page, is one
    // picture in the file, and the assumptions they share are stated once, first.
    void manySites()
    {
        REQUIRE_POPPLER();
        const QString pdf = dir_.filePath("many.pdf"), two = dir_.filePath("two.pdf");
        constexpr int sites = 40;
        writeReport(pdf, QList<SiteResult>(sites, designedSite()));
        writeReport(two, QList<SiteResult>(2, designedSite()));
        // A site's page costs its text and lines, a few kilobytes, not a picture.
        const double perPage = double(QFileInfo(pdf).size() - QFileInfo(two).size()) / (sites - 2);
        QVERIFY2(perPage < 6000, qPrintable(QString::number(perPage)));
        const QString first = poppler("pdftotext", {"-f", "1", "-l", "1", pdf, "-"}).simplified();
        const QString site = poppler("pdftotext", {"-f", "2", "-l", "2", pdf, "-"}).simplified();
        for (const char *expected : {"Assumptions", "Every site of this report", "Hazen-Williams with C = 140", "Page 1 of 41"})
            QVERIFY2(first.contains(expected), qPrintable(first));
        QVERIFY2(site.contains("As stated on page 1") && !site.contains("Hazen-Williams"), qPrintable(site));
        const QStringList lines = poppler("pdfimages", {"-list", pdf}).split('\n', Qt::SkipEmptyParts).mid(2);
        QCOMPARE(lines.size(), sites); // one showing a site's page
        QStringList objects;
        for (const QString &line : lines)
            objects << line.simplified().section(' ', 10, 10); // the image's object number
        objects.removeDuplicates();
        QCOMPARE(objects.size(), 1);
    }

    // A full disk shows at the end, named with the system's reason.
    void fullDiskAtFinish()
    {
        QFile full("/dev/full");
        if (!full.open(QIODevice::WriteOnly))
            QSKIP("no /dev/full here");
        DesignReport report(full);
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
            DesignReport report(twiceFile), unfinished(droppedFile);
            report.addPage(failedSite());
            report.finish();
            report.finish();
            unfinished.addPage(failedSite());
            if (full.open(QIODevice::WriteOnly))
                DesignReport(full).addPage(failedSite());
        }
        REQUIRE_POPPLER();
        for (const QString &pdf : {twice, dropped})
            QVERIFY(poppler("pdfinfo", {pdf}).contains(QRegularExpression("Pages:\\s+1\\n")));
    }
};

QTEST_MAIN(TestDesignReport)
#include "tst_designreport.moc"
