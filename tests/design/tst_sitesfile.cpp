// The sites file as the command reads it: numbers of decimal-comma files, blank rows,
// captions as people write them.
#include "error.h"
#include "sitesfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace quorvel;

namespace {

const QByteArray header = "Site,L,Zw,Zt,P,T,U,K\n";

SitesFile loaded(const QByteArray &text)
{
    QTemporaryDir dir;
    QFile file(dir.filePath("sites.csv"));
    if (!file.open(QIODevice::WriteOnly) || file.write(text) != text.size())
        qFatal("cannot write %s", qPrintable(file.fileName()));
    file.close();
    SitesFile sites;
    sites.load(file.fileName());
    return sites;
}

} // namespace

class TestSitesFile : public QObject {
    Q_OBJECT

private slots:
    void reading_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QStringList>("sites"); // "line Zw", Zw as designed or "?" refused
        QTest::addColumn<QString>("notice");    // on blank rows, or the refusal of the file
        // The source elevation, which may be negative, in a decimal-comma file.
        const auto semicolon = [](const char *zw) { return "Site;L;Zw;Zt;P;T;U;K\nA;1;" + QByteArray(zw) + ";3;4;5;6;7\n"; };
        QTest::newRow("thousands") << semicolon("60.000") << QStringList{"2 60000"} << "";
        QTest::newRow("millions") << semicolon("1.234.567") << QStringList{"2 1234567"} << "";
        QTest::newRow("thousands, decimal comma") << semicolon(" -1.200,5 ") << QStringList{"2 -1200.5"} << "";
        for (const char *zw : {"1.5", "12.34", "1.2345", ".5", "1..200", "0.500", "1234.567", "1.200.5", "1,200.5"})
            QTest::newRow(zw) << semicolon(zw) << QStringList{"2 ?"} << "";
        QTest::newRow("comma file: a decimal point") << header + "A,1,1.200,3,4,5,6,7\n" << QStringList{"2 1.200"} << "";
        const QByteArray camp = "Camp,1,2,3,4,5,6,7\n";
        QTest::newRow("an export's end") << header + camp + ",,,,,,,\n,,,,,,,\n,,,,,,,\n" << QStringList{"2 2"}
                                         << "sites.csv: 3 blank rows skipped";
        QTest::newRow("blanks, empty quotes") << semicolon("2") + " ; ;\"\";\" \";;;;\r\n" << QStringList{"2 2"}
                                              << "sites.csv: 1 blank row skipped";
        QTest::newRow("between sites") << header + camp + ",,\n" + camp << QStringList{"2 2", "4 2"}
                                       << "sites.csv: 1 blank row skipped";
        QTest::newRow("a quote") << header + "\"\"\"\",,,,,,,\n" << QStringList{"2 "} << "";
        QTest::newRow("semicolons in a comma file") << header + ";;;;;;;\n" << QStringList{"2 "} << "";
        QTest::newRow("only blank rows") << header + ",,,,,,,\n , ,\n" << QStringList{} << "holds no site";
    }

    void reading()
    {
        QFETCH(QByteArray, file);
        QFETCH(QStringList, sites);
        QFETCH(QString, notice);
        try {
            const SitesFile read = loaded(file);
            QStringList found;
            for (int i = 0; i < read.siteCount(); ++i) {
                const Site site = read.site(i);
                found << QStringLiteral("%1 %2").arg(site.line).arg(site.unreadInput ? "?" : site.inputs[InputRow::SourceElevation]);
            }
            QCOMPARE(found, sites);
            const QStringList blank = read.notices().filter("blank");
            QVERIFY2(notice.isEmpty() ? blank.isEmpty() : blank.size() == 1 && blank[0].endsWith("/" + notice), qPrintable(blank.join('\n')));
        } catch (const Error &e) {
            QVERIFY2(sites.isEmpty() && e.message().contains(notice), qPrintable(e.message()));
        }
    }

    // Each caption in place of an input's short one (or of Site) reads that column;
    // -1: none, the column is ignored. Every known caption names its input alone.
    void captions_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("input"); // InputRow::*, 0 the name
        for (int row = InputTexts::firstRow; row <= InputTexts::lastRow; ++row) {
            for (const QString &caption : SitesFile::knownCaptions(row))
                QTest::addRow("%d %s", row, qPrintable(caption)) << caption << row;
        }
        for (const QString &caption : SitesFile::nameCaptions())
            QTest::newRow(qPrintable(caption)) << caption << 0;
        const std::pair<const char *, int> written[] = {
            {"PerTap", InputRow::PeoplePerTap}, {"People/tap", InputRow::PeoplePerTap},
            {"Persons per tap", InputRow::PeoplePerTap}, {"PERSONS_PER_TAP (people)", InputRow::PeoplePerTap},
            {"PipeLength", InputRow::PipelineLength}, {"Pipeline length (m)", InputRow::PipelineLength},
            {"pumpingHours [h/day]", InputRow::PumpingHours}, {"Persons", InputRow::Population},
            {"site-name", 0}, {"Pipe", -1}, {"L2", -1}, {"Tap", -1}};
        for (const auto &[caption, input] : written)
            QTest::newRow(caption) << caption << input;
    }

    void captions()
    {
        QFETCH(QString, caption);
        QFETCH(int, input);
        QStringList captions = QString::fromLatin1(header).trimmed().split(',');
        if (input >= 0)
            captions[input] = caption;
        else
            captions << caption;
        SitesFile sites;
        try {
            sites = loaded(captions.join(',').toUtf8() + "\nA,1,2,3,4,5,6,7,8\n");
        } catch (const Error &e) {
            QFAIL(qPrintable(e.message()));
        }
        const Site site = sites.site(0);
        QCOMPARE(site.name, QStringLiteral("A"));
        if (input > 0)
            QCOMPARE(site.inputs[input], QString::number(input));
        QCOMPARE(sites.notices().size(), input < 0 ? 1 : 0);
    }
};

QTEST_GUILESS_MAIN(TestSitesFile)
#include "tst_sitesfile.moc"
