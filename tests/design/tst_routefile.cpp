#include "error.h"
#include "piperatings.h"
#include "routefile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cmath>

using namespace quorvel;

namespace {

// A track point of a GPX file, with an elevation unless told otherwise.
QByteArray trackPoint(double lat, double lon, const char *elevation = "100")
{
    QByteArray point = "<trkpt lat=\"" + QByteArray::number(lat, 'g', 12) + "\" lon=\"" + QByteArray::number(lon, 'g', 12)
                     + "\">";
    if (elevation)
        point += QByteArray("<ele>") + elevation + "</ele>";
    return point + "<time>2026-12-01T08:00:00Z</time></trkpt>\n";
}

QByteArray gpx(const QByteArray &points)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<gpx version=\"1.1\" creator=\"GPS\" "
           "xmlns=\"http://www.topografix.com/GPX/1/1\">\n<trk><name>Main</name><trkseg>\n"
         + points + "</trkseg></trk>\n</gpx>\n";
}

// The points as "chainage:elevation", to the centimetre.
QStringList pointTexts(const QList<RoutePoint> &points)
{
    QStringList texts;
    for (const RoutePoint &p : points)
        texts << QStringLiteral("%1:%2").arg(std::round(p.chainage * 100) / 100).arg(std::round(p.elevation * 100) / 100);
    return texts;
}

} // namespace

class TestRouteFile : public QObject {
    Q_OBJECT

private:
    QTemporaryDir dir_;

private slots:
    // Routes as files hold them, the points read, or the message that names the file,
    // the line and the field. A hundredth of a degree is 1113.19 m along the equator
    // and 1105.74 m along a meridian there, on the WGS-84 ellipsoid.
    void reads_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<QStringList>("points");
        QTest::addColumn<QString>("error"); // the message after the file's name
        const QStringList none;
        QTest::newRow("captions in any order, units in brackets")
            << QByteArray("Ground elevation (m),Chainage (m),Note\n100,0,source\n112.5,250,ridge\n104,600,tank\n")
            << QStringList{"0:100", "250:112.5", "600:104"} << "";
        QTest::newRow("a European spreadsheet")
            << QByteArray("\xef\xbb\xbf" "Distance;Altitude\r\n0;1.200,5\r\n1.250,75;1.180\r\n;\r\n")
            << QStringList{"0:1200.5", "1250.75:1180"} << "";
        QTest::newRow("two number columns without captions")
            << QByteArray("0,100\n500,90\n") << QStringList{"0:100", "500:90"} << "";
        QTest::newRow("no elevation column") << QByteArray("Distance,Name\n0,a\n") << none
            << " line 1: no column for the elevation; expected the captions Distance (m) and Elevation (m), in any order";
        QTest::newRow("a distance going back") << QByteArray("Distance,Elevation\n0,100\n300,90\n250,95\n") << none
            << " line 4, Distance: 250 m does not rise above the 300 m before it";
        QTest::newRow("an elevation not a number") << QByteArray("Distance,Elevation\n0,100\n300,n/a\n") << none
            << " line 3, Elevation: 'n/a' is not a finite number";
        QTest::newRow("an ambiguous point with decimal commas") << QByteArray("Distance;Elevation\n0;100\n300;9.5\n")
            << none << " line 3, Elevation: '9.5' is not a finite number";
        QTest::newRow("one point") << QByteArray("Distance,Elevation\n0,100\n") << none
            << ": a route needs at least two points, the source and the tank; the file has 1";
        QTest::newRow("GPX along the equator")
            << gpx(trackPoint(0, 0, "10") + trackPoint(0, 0.01, "12.5") + trackPoint(0, 0.02, "11"))
            << QStringList{"0:10", "1113.19:12.5", "2226.39:11"} << "";
        QTest::newRow("GPX along a meridian, a fix repeated")
            << gpx(trackPoint(0, 30) + trackPoint(0, 30) + trackPoint(0.01, 30, "95"))
            << QStringList{"0:100", "1105.74:95"} << "";
        QTest::newRow("GPX point without elevation")
            << gpx(trackPoint(0, 0) + trackPoint(0, 0.01, nullptr)) << none
            << " line 5: point 2 has no elevation; a route needs the ground's elevation at every point";
        QTest::newRow("GPX cut short") << gpx(trackPoint(0, 0)).left(150) << none
            << " line 4: not a GPX file as XML writes it: Premature end of document.";
    }
    void reads()
    {
        QFETCH(QByteArray, content);
        const QString path = dir_.filePath(QStringLiteral("%1.txt").arg(QTest::currentDataTag()).replace(u' ', u'-'));
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        file.close();
        QFETCH(QString, error);
        try {
            const RouteFile route = readRouteFile(path);
            QVERIFY2(error.isEmpty(), "no error raised");
            QTEST(pointTexts(route.points), "points");
        } catch (const Error &e) {
            QCOMPARE(e.message(), path + error);
        }
    }

    // The shipped ratings: every pipe of the shipped catalog has one, plastic pipes by
    // class for any size; a pipe no row names has none.
    void shippedRatings_data()
    {
        QTest::addColumn<QString>("material");
        QTest::addColumn<double>("nominal");
        QTest::addColumn<double>("bar"); // 0: none
        QTest::addColumn<double>("waveSpeed");
        QTest::newRow("galvanised 1/2\"") << "Sch 40 galvanised steel" << 0.5 << 20.7 << 1439.0;
        QTest::newRow("galvanised 4\"") << "sch 40 GALVANISED steel " << 4.0 << 20.7 << 1364.0;
        QTest::newRow("black 12\"") << "Sch 40 black steel" << 12.0 << 19.6 << 1294.0;
        QTest::newRow("black steel of a size not listed") << "Sch 40 black steel" << 14.0 << 0.0 << 0.0;
        QTest::newRow("PE100 PN 10, any size") << "PE100 SDR 17 (PN 10)" << 3.0 << 10.0 << 258.0;
        QTest::newRow("PVC-U PN 16") << "PVC-U SDR 13.6 (PN 16)" << 2.0 << 16.0 << 464.0;
        QTest::newRow("an unknown material") << "Bamboo" << 2.0 << 0.0 << 0.0;
    }
    void shippedRatings()
    {
        const PipeRatings ratings = PipeRatings::load(QStringLiteral(QUORVEL_SHIPPED_DATABASE));
        QFETCH(QString, material);
        QFETCH(double, nominal);
        QFETCH(double, bar);
        QFETCH(double, waveSpeed);
        const std::optional<PipeRating> found = ratings.find(material, nominal);
        QCOMPARE(found.has_value(), bar > 0);
        if (found) {
            QCOMPARE(found->ratedPressure, bar);
            QCOMPARE(found->waveSpeed, waveSpeed);
        }
    }

    // A database from before the ratings has none; a row that cannot be read is named.
    void ratingsFile()
    {
        QVERIFY(PipeRatings::load(dir_.filePath("no database")).isEmpty());
        const QString path = dir_.filePath("ratings.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("No,Material,Nominal (in),Rated pressure (bar),Wave speed (m/s),Source\r\n1,PE100,,10,-5,x\r\n");
        file.close();
        try {
            PipeRatings::read(path);
            QFAIL("no error raised");
        } catch (const Error &e) {
            QCOMPARE(e.message(), path + " line 2, Wave speed (m/s): '-5' is not a positive number");
        }
    }
};

QTEST_MAIN(TestRouteFile)
#include "tst_routefile.moc"
