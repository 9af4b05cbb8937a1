// The language of a run: --language over the user's locale, English when nothing matches.
#include "language.h"

#include <QtTest>

using namespace quorvel;

class TestLanguage : public QObject {
    Q_OBJECT
private slots:
    void choose_data();
    void choose();
};

void TestLanguage::choose_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QStringList>("uiLanguages");
    QTest::addColumn<QString>("language");
    QTest::addColumn<QString>("unknown");
    const QStringList none{QStringLiteral("Quorvel")};
    const auto args = [](const char *a, const char *b = nullptr) {
        QStringList l{QStringLiteral("Quorvel"), QString::fromUtf8(a)};
        if (b)
            l << QString::fromUtf8(b);
        return l;
    };
    QTest::newRow("LANG=fr_FR") << none << QStringList{"fr-FR", "fr"} << "fr" << QString();
    QTest::newRow("LANG=pt_MZ") << none << QStringList{"pt-MZ", "pt"} << "pt" << QString();
    QTest::newRow("LANG=es_419") << none << QStringList{"es-419"} << "es" << QString();
    QTest::newRow("LANG=ar_SD") << none << QStringList{"ar-SD"} << "ar" << QString();
    QTest::newRow("LANGUAGE=de:es") << none << QStringList{"de", "es", "en-US"} << "es" << QString();
    QTest::newRow("LANGUAGE=en:fr") << none << QStringList{"en", "fr"} << "en" << QString();
    QTest::newRow("LANG=de_DE") << none << QStringList{"de-DE", "de"} << "en" << QString();
    QTest::newRow("LANG=C") << none << QStringList{"en-US"} << "en" << QString();
    QTest::newRow("nothing") << none << QStringList() << "en" << QString();
    QTest::newRow("--language ar") << args("--language", "ar") << QStringList{"fr-FR"} << "ar" << QString();
    QTest::newRow("--language=pt_BR") << args("--language=pt_BR") << QStringList{"fr"} << "pt" << QString();
    QTest::newRow("--language en") << args("--language", "en") << QStringList{"fr"} << "en" << QString();
    QTest::newRow("--language de") << args("--language", "de") << QStringList{"fr"} << "en" << "de";
    QTest::newRow("--language without code") << args("--language") << QStringList{"fr"} << "en" << "";
}

void TestLanguage::choose()
{
    QFETCH(QStringList, arguments);
    QFETCH(QStringList, uiLanguages);
    QFETCH(QString, language);
    QFETCH(QString, unknown);
    QString reported;
    QCOMPARE(chooseLanguage(arguments, uiLanguages, &reported), language);
    QCOMPARE(reported, unknown);
    QCOMPARE(reported.isNull(), unknown.isNull());
}

QTEST_GUILESS_MAIN(TestLanguage)
#include "tst_language.moc"
