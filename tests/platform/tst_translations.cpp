// The translations are complete and current: lupdate, run over the sources into copies
// of the .ts files, finds no text that is new (unfinished) or gone (vanished), and
// every translation keeps the %1-style arguments of its source.
#include "language.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QXmlStreamReader>
#include <QtTest>

namespace {

struct Message {
    QString context;
    QString source;
    QString translation;
    QString type; // "", "unfinished", "vanished" or "obsolete"
};

QList<Message> readTs(const QString &path)
{
    QList<Message> messages;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return messages;
    QXmlStreamReader xml(&file);
    QString context;
    Message message;
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        if (xml.name() == QLatin1String("name")) {
            context = xml.readElementText();
        } else if (xml.name() == QLatin1String("message")) {
            message = {context, {}, {}, {}};
        } else if (xml.name() == QLatin1String("source")) {
            message.source = xml.readElementText();
        } else if (xml.name() == QLatin1String("translation")) {
            message.type = xml.attributes().value(QLatin1String("type")).toString();
            message.translation = xml.readElementText(QXmlStreamReader::IncludeChildElements);
            messages << message;
        }
    }
    return messages;
}

// The distinct %1..%99 a text holds, in order.
QStringList arguments(const QString &text)
{
    static const QRegularExpression argument(QStringLiteral("%[1-9][0-9]?"));
    QStringList found;
    for (const QRegularExpressionMatch &m : argument.globalMatch(text))
        found << m.captured();
    found.sort();
    found.removeDuplicates();
    return found;
}

} // namespace

class TestTranslations : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void complete_data();
    void complete();

private:
    QTemporaryDir updated_;
};

// Copies of the committed .ts files, brought up to date with the sources.
void TestTranslations::initTestCase()
{
    QVERIFY(updated_.isValid());
    QStringList tsFiles;
    for (const QString &language : quorvel::programLanguages().mid(1)) {
        const QString name = QStringLiteral("quorvel_%1.ts").arg(language);
        QVERIFY(QFile::copy(QStringLiteral(QUORVEL_TS_DIR "/") + name, updated_.filePath(name)));
        tsFiles << updated_.filePath(name);
    }
    QProcess lupdate;
    lupdate.start(QStringLiteral(QUORVEL_LUPDATE),
                  QStringList{QStringLiteral("-silent"), QStringLiteral("-locations"), QStringLiteral("none"),
                              QStringLiteral("-tr-function-alias"), QStringLiteral("QT_TRANSLATE_NOOP+=translatable"),
                              QStringLiteral("-extensions"), QStringLiteral("cpp,h,ui"),
                              QStringLiteral(QUORVEL_SOURCE_DIR), QStringLiteral("-ts")}
                      + tsFiles);
    QVERIFY(lupdate.waitForFinished(120000));
    QVERIFY2(lupdate.exitCode() == 0, lupdate.readAllStandardError().constData());
}

void TestTranslations::complete_data()
{
    QTest::addColumn<QString>("language");
    for (const QString &language : quorvel::programLanguages().mid(1))
        QTest::newRow(qPrintable(language)) << language;
}

void TestTranslations::complete()
{
    QFETCH(QString, language);
    const QList<Message> messages = readTs(updated_.filePath(QStringLiteral("quorvel_%1.ts").arg(language)));
    QVERIFY(messages.size() > 100);
    QStringList faults;
    for (const Message &m : messages) {
        const QString where = m.context + QStringLiteral(" \"") + m.source + QLatin1Char('"');
        if (!m.type.isEmpty())
            faults << QStringLiteral("%1 is %2").arg(where, m.type);
        else if (m.translation.isEmpty())
            faults << where + QStringLiteral(" has an empty translation");
        else if (arguments(m.translation) != arguments(m.source))
            faults << QStringLiteral("%1 has the arguments %2 in \"%3\"")
                          .arg(where, arguments(m.translation).join(u','), m.translation);
    }
    QVERIFY2(faults.isEmpty(), qPrintable(faults.join(u'\n')));
}

QTEST_GUILESS_MAIN(TestTranslations)
#include "tst_translations.moc"
