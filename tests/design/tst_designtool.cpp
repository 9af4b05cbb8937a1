// quorvel-design: the site designer's picks and checks on small catalogs, and the
// command end to end on the shipped catalogs (exit status, CSV, JSON, report, -o).
#include "catalogfiles.h"
#include "celltable.h"
#include "error.h"
#include "rowlist.h"
#include "sitedesign.h"
#include "../hardening/scratchmount.h"

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

using namespace quorvel;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out;
    QString err;
};

Run designTool(const QStringList &arguments, const QByteArray &input = {})
{
    QProcess process;
    process.start(QStringLiteral(QUORVEL_DESIGN_TOOL), arguments);
    process.write(input);
    process.closeWriteChannel();
    process.waitForFinished(60000);
    return {process.exitCode(), process.readAllStandardOutput(), QString::fromUtf8(process.readAllStandardError())};
}

const QString shipped = QStringLiteral(QUORVEL_SHIPPED_DATABASE);

// The fields of one comma-text line.
QStringList fields(const QString &line, int count)
{
    CellTable table(count, 1);
    table.setStrictDelimiter(0, true);
    rowList(table, 0).setCommaText(line);
    QStringList texts;
    for (int k = 0; k < count; ++k)
        texts << (table.cell(k, 0) == QLatin1String(" ") ? QString() : table.cell(k, 0));
    return texts;
}

// Small catalogs: three pipes, pumps with flow and head, tanks of chosen capacities.
void fillCatalogs(Catalogs &c, const QStringList &tankCapacities)
{
    const QStringList pipes{"No,Description,Nominal,Schedule,Inside", "1,a,2,40,52.5", "2,b,4,40,102.3", "3,c,6,40,154.1"};
    const QStringList pumps{"No,Pump,Model,Flow (L/s),Head (m),Power (kW),Curve picture", "1,Small,S-1,2,80,1,",
                            "2,Low,L-1,20,10,1,", "3,Big,B-1,20,80,5,", "4,Bigger,B-2,40,90,9,"};
    for (int i = 0; i < pipes.size(); ++i)
        rowList(c.pipes, i).setCommaText(pipes[i]);
    // Pump and tank lines are read as the catalog load reads them: only commas part fields.
    for (int i = 0; i < pumps.size(); ++i) {
        c.pumps.setStrictDelimiter(i, true);
        rowList(c.pumps, i).setCommaText(pumps[i]);
    }
    const QStringList tanks = QStringList{"No,Tank type,Capacity (m3),Remark"} + tankCapacities;
    for (int i = 0; i < tanks.size(); ++i) {
        c.tanks.setStrictDelimiter(i, true);
        rowList(c.tanks, i).setCommaText(i == 0 ? tanks[0] : QStringLiteral("%1,T%2,%2,").arg(i).arg(tanks[i]));
    }
    c.pipeCount = 3;
    c.tankCount = int(tankCapacities.size());
}

// 125 m3 a day, 8.68 L/s over 4 hours, 53.8 m of head with the 4" pipe.
const QStringList worked{"1000", "100", "150", "5000", "4", "25", "250"};

} // namespace

class TestDesignTool : public QObject {
    Q_OBJECT

private slots:
    void picksAndChecks_data()
    {
        QTest::addColumn<QStringList>("inputs");
        QTest::addColumn<QStringList>("tanks");
        QTest::addColumn<QString>("pump");
        QTest::addColumn<QString>("expectedPump");
        QTest::addColumn<QString>("expectedTank");
        QTest::addColumn<QStringList>("warnings");

        QTest::newRow("first pump reaching flow and head; fewest tanks")
            << worked << QStringList{"10", "50", "5"} << "" << "Big pump B-1 model" << "T50 Tank 50 M^3"
            << QStringList{"flow velocity 0.47 m/s outside 0.5-2.0 m/s"};
        QTest::newRow("equal tank counts: the smaller capacity")
            << worked << QStringList{"70", "63"} << "" << "Big pump B-1 model" << "T63 Tank 63 M^3"
            << QStringList{"flow velocity 0.47 m/s outside 0.5-2.0 m/s"};
        QTest::newRow("no type reaches the storage: the largest storage")
            << worked << QStringList{"100", "60"} << "" << "Big pump B-1 model" << "T60 Tank 60 M^3"
            << QStringList{"flow velocity 0.47 m/s outside 0.5-2.0 m/s", "actual storage under the theoretical storage"};
        QTest::newRow("named pump short of the flow")
            << worked << QStringList{"10"} << "S-1" << "Small pump S-1 model" << "T10 Tank 10 M^3"
            << QStringList{"flow velocity 0.47 m/s outside 0.5-2.0 m/s", "design flow beyond the pump's rated flow of 2 L/s"};
        QTest::newRow("no pump reaches the duty")
            << QStringList{"1000", "100", "150", "40000", "4", "25", "250"} << QStringList{"10"} << ""
            << "" << "T10 Tank 10 M^3"
            << QStringList{"no catalog pump reaches the duty", "flow velocity 3.72 m/s outside 0.5-2.0 m/s"};
        QTest::newRow("named pump short of the head; minimum standards")
            << QStringList{"1000", "100", "150", "12000", "4", "10", "300"} << QStringList{"10"} << "L-1"
            << "Low pump L-1 model" << "T10 Tank 10 M^3"
            << QStringList{"flow velocity 0.45 m/s outside 0.5-2.0 m/s", "daily usage under 15 L/person/day",
                           "more than 250 people per tap", "pumping head beyond the pump's rated head of 10 m"};
        QTest::newRow("pumping time over a day")
            << QStringList{"1000", "100", "150", "5000", "20", "25", "250"} << QStringList{"200"} << "2"
            << "Low pump L-1 model" << "T200 Tank 200 M^3"
            << QStringList{"actual pumping time over 24 h/day", "pumping head beyond the pump's rated head of 10 m"};
    }

    void picksAndChecks()
    {
        QFETCH(QStringList, inputs);
        QFETCH(QStringList, tanks);
        QFETCH(QString, pump);
        Catalogs catalogs;
        fillCatalogs(catalogs, tanks);
        DesignOptions options;
        options.pump = pump;
        const SiteResult r = SiteDesigner(catalogs, options).design(Site{2, "x", SiteInputs::fromTexts(inputs)});
        QCOMPARE(r.error, QString());
        QTEST(r.pump, "expectedPump");
        QCOMPARE(r.results[ResultRow::Pump], r.pump.isEmpty() ? QString() : QStringLiteral("1"));
        QTEST(r.tank, "expectedTank");
        QTEST(r.warnings, "warnings");
    }

    void optionsNamingNothingAreRefused()
    {
        Catalogs catalogs;
        fillCatalogs(catalogs, {"10"});
        for (const auto &[pump, tank] : {std::pair{"9", ""}, {"X-9", ""}, {"", "Steel"}}) {
            DesignOptions options;
            options.pump = pump;
            options.tank = tank;
            QVERIFY_THROWS_EXCEPTION(Error, SiteDesigner(catalogs, options));
        }
    }

    // The window's worked example on the shipped catalogs, pump 3 and tank 5 named.
    void workedExampleAsTheWindowGivesIt()
    {
        const Run run = designTool({"--site", worked.join(','), "--name", "Camp", "--pump", "3", "--tank", "5",
                                    "--database", shipped, "--csv"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QStringList captions = fields(lines[0], 16);
        QCOMPARE(captions.mid(2, 10), resultCaptions());
        const QStringList site = fields(lines[1], 16);
        QCOMPARE(site.mid(0, 12), (QStringList{"1", "Camp", "520.8", "5", "3.83", "53.83", "125", "1", "13", "130",
                                              "4.16", "4"}));
        QCOMPARE(site[12], QStringLiteral("Diesel engine pump DE-80 model"));
        QCOMPARE(site[13], QStringLiteral("Onion Tank 10 M^3"));
    }

    // Good and bad sites in one file: the bad ones get the program's message with
    // their line, the good ones come out, the exit status says some failed.
    void sitesFileWithFailures()
    {
        const QByteArray sites = "Site,L,Zw,Zt,P,T,U,K\r\n"
                                 "\"School, north\",1000,100,130,2000,4,25,250\r\n"
                                 " Clinic A , 800 , 100 , 140 , 2000 , 4 , 20 , 200 \r\n"
                                 "Bad,abc,100,150,5000,4,25,250\r\n"
                                 "\r\n"
                                 "No time,1000,100,150,5000,0,25,250\r\n"
                                 "Short,1000,100,150,5000,4,25\r\n";
        const Run run = designTool({"--json", "--database", shipped, "-"}, sites);
        QCOMPARE(run.exitCode, 1);
        QJsonParseError error;
        const QJsonArray all = QJsonDocument::fromJson(run.out, &error).array();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(all.size(), 5);
        QStringList outcome;
        for (const QJsonValue &v : all) {
            const QJsonObject o = v.toObject();
            outcome << QStringLiteral("%1 %2: %3").arg(o["line"].toInt()).arg(o["site"].toString(),
                       o["error"].isNull() ? o["results"].toObject()["Q design"].toString() : o["error"].toString());
        }
        QCOMPARE(outcome, (QStringList{"2 School, north: 208.2", "3  Clinic A : 166.8",
                                       "4 Bad: 'abc' is not a valid floating point value",
                                       "6 No time: Floating point division by zero",
                                       "7 Short: '' is not a valid floating point value"}));
        // The first shipped pump whose rated flow and head reach 3.47 L/s and 32 m.
        const QJsonObject pump = all[0].toObject()["pump"].toObject();
        QCOMPARE(pump["description"].toString(), QStringLiteral("Petrol engine pump PE-50H model"));
        QVERIFY(pump["choice"].toString().contains("duty"));
    }

    void badUsage_data()
    {
        QTest::addColumn<QStringList>("arguments");
        QTest::newRow("no sites") << QStringList{};
        QTest::newRow("two formats") << QStringList{"--csv", "--json", "x.csv"};
        QTest::newRow("unreadable sites") << QStringList{"/nonexistent/sites.csv"};
        QTest::newRow("short --site") << QStringList{"--site", "1,2,3"};
        QTest::newRow("unknown pump") << QStringList{"--database", shipped, "--pump", "ZZ-1", "--site", worked.join(',')};
    }

    void badUsage()
    {
        QFETCH(QStringList, arguments);
        const Run run = designTool(arguments);
        QCOMPARE(run.exitCode, 2);
        QVERIFY(run.err.startsWith("quorvel-design: "));
        QCOMPARE(run.out, QByteArray());
    }

    void reportHoldsTheResults()
    {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty())
            QSKIP("pdftotext (poppler-utils) is not installed");
        QTemporaryDir dir;
        const QString pdf = dir.filePath("report.pdf");
        const Run run = designTool({"--site", worked.join(','), "--name", "Camp", "--database", shipped,
                                    "--pump", "3", "--tank", "5", "--report", pdf});
        QCOMPARE(run.exitCode, 0);
        QProcess text;
        text.start("pdftotext", {pdf, "-"});
        QVERIFY(text.waitForFinished());
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *expected : {"Camp", "520.8", "53.83", "4.16", "Onion Tank 10 M^3"})
            QVERIFY2(page.contains(QString::fromUtf8(expected)), expected);
    }

    // A full disk: the old output file stays as it was.
    void fullDiskKeepsTheOldOutput()
    {
        ScratchMount disk(64 * 1024);
        if (!disk.mounted())
            QSKIP(qPrintable(disk.refusal()));
        const QString out = disk.path() + "/results.csv";
        QFile old(out);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("old results\n");
        old.close();
        QVERIFY(disk.fill());
        QTemporaryDir dir;
        QFile sites(dir.filePath("sites.csv"));
        QVERIFY(sites.open(QIODevice::WriteOnly));
        sites.write("Site,L,Zw,Zt,P,T,U,K\n");
        for (int i = 0; i < 500; ++i)
            sites.write(QStringLiteral("Site %1,1000,100,150,5000,4,25,250\n").arg(i).toUtf8());
        sites.close();
        const Run run = designTool({"--csv", "--database", shipped, "-o", out, sites.fileName()});
        QCOMPARE(run.exitCode, 2);
        QVERIFY2(run.err.contains("Stream write error") || run.err.contains("Cannot create file"), qPrintable(run.err));
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old results\n"));
    }
};

QTEST_GUILESS_MAIN(TestDesignTool)
#include "tst_designtool.moc"
