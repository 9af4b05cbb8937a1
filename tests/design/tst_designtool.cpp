// quorvel-design: the site designer's picks and checks on small catalogs, and the
// command end to end on the shipped catalogs (exit status, CSV, JSON, report, -o).
#include "catalogfiles.h"
#include "celltable.h"
#include "error.h"
#include "rowlist.h"
#include "sitedesign.h"
#include "designsummary.h"
#include "sitesfile.h"
#include "../hardening/scratchmount.h"
#include "../support/copyfiles.h"
#include "../support/workedexample.h"

#include <QDir>
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

// The command in English unless the locale given names another language.
Run designTool(const QStringList &arguments, const QByteArray &input = {}, const QString &locale = {})
{
    QProcess process;
    // Without a runtime folder Qt's painter complains; the command must keep it quiet.
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.remove(QStringLiteral("XDG_RUNTIME_DIR"));
    environment.remove(QStringLiteral("LANGUAGE"));
    environment.insert(QStringLiteral("LC_ALL"), locale.isEmpty() ? QStringLiteral("C.UTF-8") : locale);
    process.setProcessEnvironment(environment);
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
                            "2,Low,L-1,20,10,1,", "3,Big,B-1,20,80,5,", "4,Bigger,B-2,40,90,9,",
                            "5,Mid,M-1,10,60,6,"};
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
const QStringList &worked = WorkedExample::inputs;

const QByteArray header = "Site,L,Zw,Zt,P,T,U,K\n";
const QByteArray camp = "Camp,1000,100,150,5000,4,25,250\n";
const QByteArray school = "School,1000,100,130,2000,4,25,250\n"; // a shipped pump meets its duty

// Replaces line n (from 1) of a file, or appends the text when n is 0.
bool editLine(const QString &path, int n, const QByteArray &text)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    QList<QByteArray> lines = file.readAll().split('\n');
    file.close();
    if (n == 0)
        lines.insert(lines.size() - 1, text);
    else
        lines[n - 1] = text + (lines[n - 1].endsWith('\r') ? "\r" : "");
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) && file.write(lines.join('\n')) > 0;
}

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
        QTest::addColumn<QStringList>("failures");
        const QStringList none;
        const QString slow = "flow velocity 0.47 m/s below 0.5 m/s";

        // The worked example's tank fills with Big (least power) and Mid; only Mid runs
        // near its rated point (116 % of it), Big at 130 %.
        QTest::newRow("least power near its rated point; fewest tanks")
            << worked << QStringList{"10", "50", "5"} << "" << "Mid pump M-1 model" << "T50 Tank 50 M^3"
            << QStringList{slow} << none;
        QTest::newRow("equal tank counts: the smaller capacity")
            << worked << QStringList{"70", "63"} << "" << "Mid pump M-1 model" << "T63 Tank 63 M^3" << QStringList{slow}
            << none;
        QTest::newRow("no type reaches the storage: the largest storage")
            << worked << QStringList{"100", "60"} << "" << "Mid pump M-1 model" << "T60 Tank 60 M^3"
            << QStringList{slow, "actual storage 120 m³ below the theoretical storage of 125 m³, 5 m³ short"} << none;
        // Twice the demand: Mid no longer fills the tank; Bigger runs in its band but too
        // fast for the pipe; Big fills it far off its rated point.
        QTest::newRow("none near its rated point: the least power filling the tank")
            << QStringList{"1000", "100", "150", "10000", "4", "25", "250"} << QStringList{"50"} << ""
            << "Big pump B-1 model" << "T50 Tank 50 M^3"
            << QStringList{"the pump runs at 130 % of its rated flow of 20 L/s, far right of its rated point: "
                           "inefficient, and it may cavitate"}
            << none;
        QTest::newRow("named pump short of the flow")
            << worked << QStringList{"10"} << "S-1" << "Small pump S-1 model" << "T10 Tank 10 M^3"
            << QStringList{slow, "design flow 8.68 L/s above the pump's rated flow of 2 L/s",
                           "operating flow 2.91 L/s below the design flow of 8.68 L/s: the tank does not fill in the pumping hours",
                           "the pump runs at 146 % of its rated flow of 2 L/s, far right of its rated point: "
                           "inefficient, and it may cavitate"}
            << none;
        QTest::newRow("no pump reaches the duty")
            << QStringList{"1000", "100", "150", "40000", "4", "25", "250"} << QStringList{"10"} << ""
            << "" << "T10 Tank 10 M^3" << QStringList{"flow velocity 3.72 m/s above 2 m/s"}
            << QStringList{"no catalog pump delivers 69.44 L/s at 135.63 m (pumping head 123.3 m + 10 %)"};
        QTest::newRow("named pump short of the head; minimum standards")
            << QStringList{"1000", "100", "150", "12000", "4", "10", "300"} << QStringList{"10"} << "L-1"
            << "Low pump L-1 model" << "T10 Tank 10 M^3"
            << QStringList{"flow velocity 0.45 m/s below 0.5 m/s", "daily usage 10 L/person/day below 15 L/person/day",
                           "people per tap 300 people above 250 people", "pumping head 51.45 m above the pump's rated head of 10 m"}
            << QStringList{"operating flow 0 L/s below the design flow of 8.33 L/s: no water reaches the tank"};
        QTest::newRow("one pump reaches the duty")
            << QStringList{"1000", "100", "150", "16000", "4", "25", "250"} << QStringList{"500"} << ""
            << "Bigger pump B-2 model" << "T500 Tank 500 M^3"
            << QStringList{"flow velocity at the operating point 2.4 m/s above 2 m/s"} << none;
        QTest::newRow("pumping time over a day")
            << QStringList{"1000", "100", "150", "5000", "20", "25", "250"} << QStringList{"200"} << "2"
            << "Low pump L-1 model" << "T200 Tank 200 M^3"
            << QStringList{"estimated pumping time at the design flow 32 h/day above 24 h/day",
                           "pumping head 65.09 m above the pump's rated head of 10 m"}
            << QStringList{"operating flow 0 L/s below the design flow of 1.74 L/s: no water reaches the tank"};
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
        const SiteResult r = SiteDesigner(catalogs, options).design(Site{2, "x", InputTexts::fromTexts(inputs), {}});
        QCOMPARE(r.error.english, QString());
        QTEST(r.pump, "expectedPump");
        QCOMPARE(r.results[ResultRow::Pump], r.pump.isEmpty() ? QString() : QStringLiteral("1"));
        QTEST(r.tank, "expectedTank");
        QTEST(englishTexts(r.warnings), "warnings");
        QTEST(englishTexts(r.failures), "failures");
        // The chosen pump's note counts as people do: one pump is "the only one".
        const QString pumpNote = r.notes.isEmpty() ? QString() : r.notes.first().english;
        QVERIFY2(!pumpNote.contains(QRegularExpression("of (the )?1 ")), qPrintable(pumpNote));
        QCOMPARE(pumpNote.startsWith("pump: the only one reaching"), QTest::currentDataTag() == QLatin1String("one pump reaches the duty"));
        // A pump that delivers water says how long it runs a day.
        if (!r.pump.isEmpty() && r.failures.isEmpty())
            QVERIFY(r.notes.last().english.startsWith("the pump needs "));
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

    // The window's worked example on the shipped catalogs, pump 8 (the one that lifts
    // its water) and tank 5 named.
    void workedExampleAsTheWindowGivesIt()
    {
        const Run run = designTool({"--site", worked.join(','), "--name", "Camp", "--pump", "8", "--tank", "5",
                                    "--database", shipped, "--csv"});
        QCOMPARE(run.err, QString());
        QCOMPARE(run.exitCode, 0);
        const QStringList lines = QString::fromUtf8(run.out).split('\n', Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 2);
        const QStringList captions = fields(lines[0], 16);
        QCOMPARE(captions.mid(2, 10), resultCaptions());
        const QStringList site = fields(lines[1], 16);
        QCOMPARE(site.mid(0, 12), QStringList({"1", "Camp"}) + WorkedExample::shippedResults);
        QCOMPARE(site[12], QStringLiteral("Electric surface pump CS-80 model"));
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
                       o["error"].isNull() ? QString::number(o["results"].toObject()["Q design"].toDouble())
                                           : o["error"].toString());
        }
        QCOMPARE(outcome, (QStringList{"2 School, north: 208.2", "3  Clinic A : 166.8",
                                       "4 Bad: L: not a number (got abc)",
                                       "6 No time: T: must be greater than 0 (got 0)",
                                       "7 Short: K: missing"}));
        // Of the five shipped pumps that fill the tank (3.47 L/s at 32 m + 10 %), none
        // near its rated point: the least power.
        const QJsonObject pump = all[0].toObject()["pump"].toObject();
        QCOMPARE(pump["description"].toString(), QStringLiteral("Submersible pump SM4-14 model"));
        QVERIFY(all[0].toObject()["notes"].toArray().first().toString().startsWith("pump: least power (3.7 kW) of 5"));
    }

    // In another language (from --language or the locale) only what people read
    // changes: CSV and JSON keep their bytes, the messages and the table are translated.
    void languageChangesOnlyWhatPeopleRead_data()
    {
        QTest::addColumn<QStringList>("language"); // arguments added to the command
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("error");        // line 3's message on standard error
        QTest::addColumn<QString>("caption");      // a caption of the table
        // A warning of the table, made of the check's name, value, unit and limit: whole
        // in the language, whatever the gender of the name, its units translated.
        QTest::addColumn<QString>("warning");
        QTest::newRow("--language fr") << QStringList{"--language", "fr"} << QString()
                                       << "ligne 3, L : n'est pas un nombre (reçu abc)" << "Débit de calcul"
                                       << "consommation journalière 12 L/pers./jour, en dessous de 15 L/pers./jour";
        QTest::newRow("LC_ALL=es_ES") << QStringList() << "es_ES.UTF-8"
                                      << "línea 3, L: no es un número (recibido abc)" << "Caudal de diseño"
                                      << "caudal de diseño 3.47 L/s, por encima de 2.5 L/s (caudal nominal de la bomba)";
        QTest::newRow("--language=pt over LC_ALL=fr")
            << QStringList{"--language=pt"} << "fr_FR.UTF-8"
            << "linha 3, L: não é um número (recebido abc)" << "Caudal de projeto"
            << "caudal de projeto 3.47 L/s, acima de 2.5 L/s (caudal nominal da bomba)";
        QTest::newRow("--language ar") << QStringList{"--language", "ar"} << QString()
                                       << "السطر 3، L: ليس عددًا (القيمة المعطاة abc)" << "تدفق التصميم"
                                       << "تدفق التصميم 3.47 ل/ث أعلى من التدفق الاسمي للمضخة البالغ 2.5 ل/ث";
    }

    void languageChangesOnlyWhatPeopleRead()
    {
        QFETCH(QStringList, language);
        QFETCH(QString, locale);
        QFETCH(QString, error);
        QFETCH(QString, caption);
        QFETCH(QString, warning);
        QTemporaryDir dir;
        const QString sites = dir.filePath("sites.csv");
        QFile file(sites);
        QVERIFY(file.open(QIODevice::WriteOnly));
        // Designed sites with notes and warnings, and one that fails.
        file.write("Site,L,Zw,Zt,P,T,U,K\nSchool,1000,100,130,2000,4,12,300\nBad,abc,100,150,5000,4,25,250\n"
                   "Camp,1000,100,130,2000,4,25,250\n");
        file.close();
        for (const QStringList &format : {QStringList{"--csv"}, QStringList{"--json", "--summary"}}) {
            const QStringList arguments = format + QStringList{"--database", shipped, sites};
            const Run english = designTool(arguments);
            const Run translated = designTool(language + arguments, {}, locale);
            QCOMPARE(translated.exitCode, english.exitCode);
            QVERIFY(english.out.contains("daily usage 12 L/person/day below 15 L/person/day"));
            QCOMPARE(translated.out, english.out);
            QVERIFY2(english.err.contains("line 3, L: not a number (got abc)"), qPrintable(english.err));
            QVERIFY2(translated.err.contains(error), qPrintable(translated.err));
        }
        const Run table = designTool(language + QStringList{"--database", shipped, sites}, {}, locale);
        QVERIFY2(QString::fromUtf8(table.out).section(u'\n', 0, 0).contains(caption), table.out.constData());
        QVERIFY2(QString::fromUtf8(table.out).contains(warning), table.out.constData());
    }

    // The command on a sites file and a copy of the shipped database: SITES, DB, OUT
    // and DIR in the arguments stand for the sites file, the database folder, an
    // output file that holds "old" beforehand, and the temporary folder. A catalog
    // edit "pumps.csv:3:text" replaces line 3 (line 0 appends).
    void commandRefusesAndReports_data()
    {
        QTest::addColumn<QByteArray>("sites");
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<QString>("catalogEdit");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("out");  // found in standard output (or in OUT when given)
        QTest::addColumn<QString>("err");  // found in standard error; empty: nothing there

        const QStringList csv{"--csv", "--database", "@DB", "@SITES"};
        // Columns by caption, files as spreadsheets write them.
        // A notice for each column that is no input.
        QTest::newRow("columns in another order") << QByteArray("Zt,Zw,L (m),k,U,T,population,Site,Remark,Note\n130,100,1000,250,25,4,2000,School,x,y\n")
            << csv << "" << 0 << "2,School,208.2,3.5,3.92,33.92,50" << "line 1: column 10 \"Note\" is not an input, ignored";
        QTest::newRow("no caption line") << camp << csv << "" << 2 << "" << "line 1: no known caption; expected";
        QTest::newRow("no caption line, as asked") << school << QStringList{"--no-header", "--csv", "--database", "@DB", "@SITES"}
            << "" << 0 << "1,School,208.2" << "";
        QTest::newRow("a missing column") << QByteArray("Site,L,Zw,Zt,P,T,U\nCamp,1000,100,150,5000,4,25\n") << csv
            << "" << 2 << "" << "line 1: no column for K;";
        QTest::newRow("empty file") << QByteArray() << csv << "" << 2 << "" << "holds no line";
        QTest::newRow("captions alone") << header << csv << "" << 2 << "" << "holds no site";
        QTest::newRow("UTF-8 without a mark") << header + "L\xc3\xb3vua \xd8\xaf,1000,100,130,2000,4,25,250\n" << csv << ""
            << 0 << QString::fromUtf8("2,Lóvua \u062f,208.2") << "";
        QTest::newRow("Windows-1252") << header + "L\xf3vua,1000,100,130,2000,4,25,250\n" << csv << "" << 0
            << QString::fromUtf8("2,Lóvua,208.2") << "";
        QTest::newRow("European spreadsheet") << QByteArray("Site;L;Zw;Zt;P;T;U;K\nSchool;1000,0;100;130;2000;4;24,5;250\n")
            << csv << "" << 0 << "2,School,204" << "semicolon-separated with decimal commas";
        QTest::newRow("line break in a quoted name") << header + "\"North\nSchool\",1000,100,130,2000,4,25,250\nB,1000,100,130,2000,4,25,250\n"
            << csv << "" << 0 << "2,\"North\nSchool\",208.2" << "";
        QTest::newRow("a formula as a name") << header + "=HYPERLINK(\"x\"),1000,100,130,2000,4,25,250\n" << csv << ""
            << 0 << "2,\"'=HYPERLINK(\"\"x\"\")\",208.2" << "";
        // Impossible inputs, each named with its column as the file captions it.
        QTest::newRow("negative length") << header + "A,-1000,100,150,5000,4,25,250\n" << csv << "" << 1
            << "L: must be greater than 0 (got -1000)" << "line 2, L: must be greater than 0 (got -1000)";
        QTest::newRow("30 pumping hours") << QByteArray("Site,L,Zw,Zt,P,Pumping hours (h/day),U,K\nA,1000,100,150,5000,30,25,250\n")
            << csv << "" << 1 << "" << "line 2, Pumping hours (h/day): must be at most 24 hours a day (got 30)";
        QTest::newRow("negative people per tap") << header + "A,1000,100,150,5000,4,25,-250\n" << csv << "" << 1 << ""
            << "line 2, K: must be greater than 0 (got -250)";
        QTest::newRow("no people") << header + "A,1000,100,150,0,4,25,250\n" << csv << "" << 1 << ""
            << "line 2, P: must be greater than 0 (got 0)";
        QTest::newRow("no daily usage") << header + "A,1000,100,150,5000,4,,250\n" << csv << "" << 1 << ""
            << "line 2, U: missing";
        QTest::newRow("elevation not a number") << header + "A,1000,nan,150,5000,4,25,250\n" << csv << "" << 1 << ""
            << "line 2, Zw: not a number (got nan)";
        QTest::newRow("gravity") << header + "Hill,1000,170,100,5000,4,25,250\n" << csv << "" << 0
            << "gravity supply: the storage is below the source, no pump needed" << "";
        // Outputs never over an input, always whole.
        QTest::newRow("-o over the sites") << camp << QStringList{"--database", "@DB", "-o", "@SITES", "@SITES"} << "" << 2
            << "" << "is the sites file: refusing to write over an input";
        QTest::newRow("--report over the sites") << camp << QStringList{"--database", "@DB", "--report", "@SITES", "@SITES"}
            << "" << 2 << "" << "is the sites file: refusing to write over an input";
        QTest::newRow("-o over a catalog") << header + camp << QStringList{"--database", "@DB", "-o", "@DB/pumps.csv", "@SITES"}
            << "" << 2 << "" << "is the catalog pumps.csv";
        QTest::newRow("-o a folder") << header + camp << QStringList{"--database", "@DB", "-o", "@DIR", "@SITES"} << "" << 2
            << "" << "is a folder; give a file name";
        QTest::newRow("-o -") << header + school << QStringList{"--csv", "--database", "@DB", "-o", "-", "@SITES"} << "" << 0
            << "2,School,208.2" << "";
        QTest::newRow("a wrong --database") << header + camp << QStringList{"--database", "@DIR/none", "-o", "@OUT", "@SITES"}
            << "" << 2 << "old" << "--database";
        QTest::newRow("unreadable catalogs") << header + camp << QStringList{"--database", "@DIR", "-o", "@OUT", "@SITES"}
            << "" << 2 << "old" << "pipes.csv";
        // Catalog rows the command cannot use, named once against the catalog.
        QTest::newRow("pump flow not a number") << header + school << csv << "pumps.csv:3:2,Petrol engine,PE-50H,four,45,4.8,"
            << 0 << "" << QString::fromUtf8("pumps.csv line 3, Flow (L/s): 'four' is not a number \u2014 row skipped");
        QTest::newRow("named pump unusable") << header + camp << QStringList{"--pump", "pe-50h", "--database", "@DB", "@SITES"}
            << "pumps.csv:3:2,Petrol engine,PE-50H,four,45,4.8," << 1 << ""
            << QString::fromUtf8("line 2: pumps.csv line 3, Flow (L/s): 'four' is not a number \u2014 row skipped");
        QTest::newRow("flow caption in lower case") << header + school << csv
            << "pumps.csv:1:No,Pump,Model,Flow (l/s),Head (m),Power kW,Curve picture" << 0 << "least power" << "";
        QTest::newRow("tank of size 0") << header + school << csv << "storage.csv:2:1,Bladder,0,x" << 0 << ""
            << QString::fromUtf8("storage.csv line 2, Size (m3): '0' is not a positive number \u2014 row skipped");
        QTest::newRow("blank line ending pipes.csv") << header + school << csv << "pipes.csv:0:" << 0 << "2,School,208.2"
            << QString::fromUtf8("pipes.csv line 17: blank line \u2014 row skipped");
        // Choices and options.
        QTest::newRow("pump model in any case") << header + school << QStringList{"--csv", "--pump", "de-80", "--database", "@DB", "@SITES"}
            << "" << 0 << "Diesel engine pump DE-80 model" << "";
        QTest::newRow("unknown pump lists the models") << header + camp << QStringList{"--pump", "X-1", "--database", "@DB", "@SITES"}
            << "" << 2 << "" << "has no pump X-1; its models are PE-50, PE-50H, DE-80";
        QTest::newRow("empty --pump") << header + camp << QStringList{"--pump", "", "--database", "@DB", "@SITES"} << "" << 2
            << "" << "--pump needs a pump row or model";
        QTest::newRow("--velocity nan") << header + camp << QStringList{"--velocity", "nan,2", "--database", "@DB", "@SITES"}
            << "" << 2 << "" << "--velocity takes MIN,MAX";
        QTest::newRow("--tank rounding to 0") << header + "Small,1000,100,150,500,4,25,250\n"
            << QStringList{"--tank", "9", "--database", "@DB", "@SITES"} << "" << 1 << ""
            << QString::fromUtf8("line 2: Corrugated steel 95 m\u00b3 tanks round to 0 for a theoretical storage of 12 m\u00b3");
        QTest::newRow("--tank short of the storage") << header + camp << QStringList{"--csv", "--tank", "6", "--database", "@DB", "@SITES"}
            << "" << 1 << QString::fromUtf8("actual storage 120 m\u00b3 below the theoretical storage of 125 m\u00b3, 5 m\u00b3 short")
            << "line 2: not designed: no catalog pump delivers 8.68 L/s at 59.21 m (pumping head 53.83 m + 10 %)";
        QTest::newRow("JSON in its order, numbers as numbers") << header + school << QStringList{"--json", "--database", "@DB", "@SITES"}
            << "" << 0 << "{\"line\":2,\"site\":\"School\",\"inputs\":{\"Pump discharge pipeline length\":1000," << "";
        // Only complete designs are counted and served; a site without a pump is listed
        // with the duty one must meet.
        QTest::newRow("summary") << header + school + camp + school << QStringList{"--csv", "--summary", "--database", "@DB", "@SITES"}
            << "" << 1
            << "Sites,designed,2,sites\nSites,failed,1,sites\nSites,\"gravity supply, no pump\",0,sites\n"
               "Pumps,Submersible pump SM4-14 model,2,unit\n"
            << "line 3: not designed: no catalog pump delivers";
        QTest::newRow("summary served") << header + school + camp + school << QStringList{"--csv", "--summary", "--database", "@DB", "@SITES"}
            << "" << 1
            << "People served,,4000,people\nDaily demand,,100,m³/day\n"
               "Pumps to be sourced,Camp (line 3): 8.68 L/s at a pumping head of 53.83 m,1,unit"
            << "line 3: not designed: no catalog pump delivers";
        QTest::newRow("--epanet a file") << header + camp << QStringList{"--epanet", "@SITES", "--database", "@DB", "@SITES"}
            << "" << 2 << "" << "is a file; give a folder";
        QTest::newRow("--epanet without a pump") << header + camp << QStringList{"--epanet", "@DIR/n", "--database", "@DB", "@SITES"}
            << "" << 1 << "no catalog pump delivers" << "line 2: not designed: no catalog pump delivers";
        QTest::newRow("operating point columns") << header + school << csv << "" << 0
            << "Hydraulic gradient (m/km),Operating flow (L/s),Operating head (m),Hours at operating flow (h/day),"
               "Maximum pressure (m),Minimum pressure head (m),Air valves,Surge rise (m),Notes" << "";
        QTest::newRow("report without Qt's notes") << header + school << QStringList{"--report", "@DIR/r.pdf", "--database", "@DB", "@SITES"}
            << "" << 0 << "School" << "";
    }

    void commandRefusesAndReports()
    {
        QFETCH(QByteArray, sites);
        QFETCH(QStringList, arguments);
        QFETCH(QString, catalogEdit);
        QTemporaryDir dir;
        const QString database = dir.filePath("Database");
        QVERIFY(copyFiles(shipped, database));
        if (!catalogEdit.isEmpty()) {
            const QStringList edit = catalogEdit.split(':');
            QVERIFY(editLine(database + "/" + edit[0], edit[1].toInt(), edit.mid(2).join(':').toUtf8()));
        }
        const QString sitesPath = dir.filePath("sites.csv"), outPath = dir.filePath("out.csv");
        for (const auto &[path, bytes] : {std::pair{sitesPath, sites}, {outPath, QByteArray("old")}}) {
            QFile file(path);
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write(bytes);
        }
        for (QString &argument : arguments)
            argument.replace("@SITES", sitesPath).replace("@DB", database).replace("@OUT", outPath).replace("@DIR", dir.path());
        const Run run = designTool(arguments);

        QTEST(run.exitCode, "exitCode");
        QFETCH(QString, err);
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
        QVERIFY2(run.err.isEmpty() || run.err.count(QStringLiteral("quorvel-design: ")) == run.err.count('\n'),
                 qPrintable(run.err));
        QFETCH(QString, out);
        QFile written(outPath);
        const QString shown = arguments.contains(outPath) && written.open(QIODevice::ReadOnly)
                                  ? QString::fromUtf8(written.readAll()) : QString::fromUtf8(run.out);
        QVERIFY2(shown.contains(out), qPrintable(shown));
        QFile input(sitesPath);
        QVERIFY(input.open(QIODevice::ReadOnly));
        QCOMPARE(input.readAll(), sites);
    }

    // A site's route from its profile: the school's pump gives 34.98 m at the source and
    // its grade line comes down to the tank at 130 m, 1 km on; the pipe is 3 1/2"
    // galvanised steel (20.7 bar, 1372 m/s).
    void profileThroughTheCommand_data()
    {
        QTest::addColumn<QByteArray>("profile");
        QTest::addColumn<QStringList>("arguments"); // @PROFILE: the profile's file
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("out");       // found in standard output
        QTest::addColumn<QString>("err");           // found in standard error; empty: nothing there
        const QByteArray hill = "Chainage (m),Elevation (m)\n0,100\n500,120\n800,110\n1000,130\n";
        const QStringList site{"--database", shipped, "--site", "1000,100,130,2000,4,25,250", "--profile", "@PROFILE"};
        QTest::newRow("a high point and a low point") << hill << QStringList{"--json"} + site << 0
            << QStringList{"\"airValves\":[500]", "\"washouts\":[800]", "\"maximumPressure\":{\"head\":93.33,\"chainage\":0}",
                           "\"rating\":{\"pressure\":20.7,\"waveSpeed\":1372}", "air valves at the high points at 500 m"}
            << "";
        QTest::newRow("CSV columns") << hill << QStringList{"--csv"} + site << 0
            << QStringList{",93.33,0.00,1,86.75,"} << ""; // the shut-off pressure, 4/3 of 70 m
        QTest::newRow("a ridge above the grade line") << QByteArray("Distance,Elevation\n0,100\n500,140\n1000,130\n")
            << QStringList{"--json"} + site << 1 << QStringList{"\"designed\":false"}
            << "not designed: grade line less than 2 m above the ground from";
        QTest::newRow("a profile that cannot be read") << QByteArray("Distance,Elevation\n0,100\n0,120\n")
            << site << 1 << QStringList{} << "line 3, Distance: 0 m does not rise above the 0 m before it";
        QTest::newRow("a profile for a sites file") << hill << QStringList{"--profile", "@PROFILE", "@PROFILE"} << 2
            << QStringList{} << "--profile goes with --site";
    }
    void profileThroughTheCommand()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath("route.csv");
        QFile file(path);
        QFETCH(QByteArray, profile);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(profile) == profile.size());
        file.close();
        QFETCH(QStringList, arguments);
        for (QString &argument : arguments)
            argument.replace("@PROFILE", path);
        const Run run = designTool(arguments);
        QTEST(run.exitCode, "exitCode");
        QFETCH(QString, err);
        QVERIFY2(err.isEmpty() ? run.err.isEmpty() : run.err.contains(err), qPrintable(run.err));
        QFETCH(QStringList, out);
        for (const QString &expected : out)
            QVERIFY2(run.out.contains(expected.toUtf8()), qPrintable(expected + "\n" + run.out));
    }

    // A sites file names each site's profile in its Profile column, beside the file.
    void profileColumn()
    {
        QTemporaryDir dir;
        QFile route(dir.filePath("school route.gpx")), sites(dir.filePath("sites.csv"));
        QVERIFY(route.open(QIODevice::WriteOnly) && sites.open(QIODevice::WriteOnly));
        route.write("<?xml version=\"1.0\"?><gpx><trk><trkseg>"
                    "<trkpt lat=\"0\" lon=\"0\"><ele>100</ele></trkpt>"
                    "<trkpt lat=\"0\" lon=\"0.00898\"><ele>130</ele></trkpt></trkseg></trk></gpx>\n");
        sites.write("Site,L,Zw,Zt,P,T,U,K,Profile\nSchool,1000,100,130,2000,4,25,250,school route.gpx\n"
                    "Camp,1000,100,130,2000,4,25,250,\n");
        route.close();
        sites.close();
        const Run run = designTool({"--csv", "--database", shipped, sites.fileName()});
        QCOMPARE(run.exitCode, 0);
        const QList<QByteArray> lines = run.out.split('\n');
        QVERIFY2(lines.value(1).contains(",93.33,0.00,0,"), lines.value(1).constData()); // no high point on a straight climb
        QVERIFY2(lines.value(2).contains("3.51,,,,,"), lines.value(2).constData());       // no profile, no columns
    }

    // One network a designed site, names unique, none over an input; gravity without a pump.
    void epanetNetworks()
    {
        QTemporaryDir dir;
        const QString sitesPath = dir.filePath("School.inp");
        QFile sites(sitesPath);
        QVERIFY(sites.open(QIODevice::WriteOnly));
        sites.write(header + school + school + "Hill,1000,170,100,5000,4,25,250\n" + "Bad,x,1,1,1,1,1,1\n");
        sites.close();
        const Run run = designTool({"--database", shipped, "--epanet", dir.path(), sitesPath});
        QCOMPARE(run.exitCode, 1);
        QCOMPARE(QDir(dir.path()).entryList({"*.inp"}, QDir::Files, QDir::Name),
                 (QStringList{"Hill.inp", "School-2.inp", "School-3.inp", "School.inp"}));
        QVERIFY(sites.open(QIODevice::ReadOnly));
        QVERIFY(sites.readAll().startsWith(header));
        QFile hill(dir.filePath("Hill.inp"));
        QVERIFY(hill.open(QIODevice::ReadOnly));
        const QByteArray network = hill.readAll();
        QVERIFY(network.contains("Quorvel design: Hill"));
        QVERIFY(!network.contains("[PUMPS]"));
        QVERIFY(network.contains("THEN PIPE Pipeline STATUS IS CLOSED"));
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
                                    "--pump", "8", "--tank", "5", "--report", pdf});
        QCOMPARE(run.exitCode, 0);
        QProcess text;
        text.start("pdftotext", {pdf, "-"});
        QVERIFY(text.waitForFinished());
        const QString page = QString::fromUtf8(text.readAllStandardOutput());
        for (const char *expected : {"Camp", "520.8", "53.83", "4.16", "Onion Tank 10 M^3"})
            QVERIFY2(page.contains(QString::fromUtf8(expected)), expected);
        QVERIFY2(!page.contains("of the sites file"), qPrintable(page)); // --site has none

        // A site no catalog pump can serve: a line of the table of sites not designed, with why.
        const Run unpumped = designTool({"--site", worked.join(','), "--name", "Camp", "--database", shipped, "--report", pdf});
        QCOMPARE(unpumped.exitCode, 1);
        text.start("pdftotext", {"-layout", pdf, "-"});
        QVERIFY(text.waitForFinished());
        const QString failures = QString::fromUtf8(text.readAllStandardOutput()).simplified();
        QVERIFY2(failures.contains("Sites not designed") && failures.contains("1 Camp no catalog pump delivers"),
                 qPrintable(failures));
    }

    // Totals summed over many sites are written without binary noise.
    void quantitiesWithoutNoise_data()
    {
        QTest::addColumn<double>("quantity");
        QTest::addColumn<QString>("text");
        QTest::newRow("noise in the 15th digit") << 819409.875000001 << "819409.875";
        QTest::newRow("tenths summed") << 0.1 + 0.2 << "0.3";
        QTest::newRow("whole") << 2000.0 << "2000";
        QTest::newRow("to the litre") << 1234.5678 << "1234.568";
    }
    void quantitiesWithoutNoise()
    {
        QFETCH(double, quantity);
        QTEST(quantityText(quantity), "text");
    }

    // A run stopped while it writes the report leaves the old report whole.
    void interruptedReportKeepsTheOldOne()
    {
        QTemporaryDir dir;
        const QString sitesPath = dir.filePath("sites.csv"), pdf = dir.filePath("report.pdf");
        QFile sites(sitesPath), old(pdf);
        QVERIFY(sites.open(QIODevice::WriteOnly) && old.open(QIODevice::WriteOnly));
        old.write("old report\n");
        old.close();
        sites.write(header);
        for (int i = 0; i < 10000; ++i)
            sites.write(school); // designed: a page each
        sites.close();
        QProcess process;
        process.start(QStringLiteral(QUORVEL_DESIGN_TOOL), {"--database", shipped, "--report", pdf, sitesPath});
        QVERIFY(process.waitForStarted());
        // Stopped while it draws pages (a few thousand a second at most).
        QTest::qWait(1000);
        QCOMPARE(process.state(), QProcess::Running);
        process.terminate();
        process.waitForFinished(30000);
        QVERIFY(old.open(QIODevice::ReadOnly));
        QCOMPARE(old.readAll(), QByteArray("old report\n"));
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
