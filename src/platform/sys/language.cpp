#include "language.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

#include <cstdio>

namespace quorvel {

namespace {

const QString languageOption = QStringLiteral("--language");

// "pt_BR", "pt-BR", "PT" → "pt".
QString languagePart(const QString &code)
{
    return code.section(QLatin1Char('-'), 0, 0).section(QLatin1Char('_'), 0, 0).toLower();
}

// The CODE given with --language; a null text when the option is absent, an empty one
// when it has no code.
QString requestedLanguage(const QStringList &arguments)
{
    QString requested;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == languageOption)
            requested = i + 1 < arguments.size() ? arguments[++i] : QStringLiteral("");
        else if (arguments[i].startsWith(languageOption + QLatin1Char('=')))
            requested = arguments[i].mid(languageOption.size() + 1);
    }
    return requested;
}

// Qt takes the layout direction from this entry of the installed translations; the
// program's own translations carry it so that Arabic is right to left without Qt's.
[[maybe_unused]] constexpr struct {
    const char *source, *comment;
} layoutDirection = QT_TRANSLATE_NOOP3("QGuiApplication", "QT_LAYOUT_DIRECTION",
                                       "Translate this string to the string 'LTR' in left-to-right languages or to "
                                       "'RTL' in right-to-left languages (such as Hebrew and Arabic) to get proper "
                                       "widget layout.");

} // namespace

QStringList programLanguages()
{
    return {QStringLiteral("en"), QStringLiteral("fr"), QStringLiteral("es"), QStringLiteral("pt"),
            QStringLiteral("ar")};
}

QString chooseLanguage(const QStringList &arguments, const QStringList &uiLanguages, QString *unknown)
{
    const QStringList spoken = programLanguages();
    const QString requested = requestedLanguage(arguments);
    if (!requested.isNull()) {
        const QString language = languagePart(requested);
        if (spoken.contains(language))
            return language;
        if (unknown)
            *unknown = requested;
        return spoken.first();
    }
    for (const QString &code : uiLanguages) {
        const QString language = languagePart(code);
        if (spoken.contains(language))
            return language;
    }
    return spoken.first();
}

QString chooseProgramLanguage(const QStringList &arguments)
{
    QString unknown;
    const QString language = chooseLanguage(arguments, QLocale::system().uiLanguages(), &unknown);
    if (!unknown.isNull())
        std::fprintf(stderr, "%s\n",
                     qPrintable(QStringLiteral("%1: --language \"%2\": not one of %3; using English")
                                    .arg(QCoreApplication::applicationName(), unknown,
                                         programLanguages().join(QStringLiteral(", ")))));
    return language;
}

void installTranslations(QCoreApplication &application, const QString &language)
{
    if (language == programLanguages().first())
        return;
    auto *program = new QTranslator(&application);
    if (program->load(QStringLiteral(":/i18n/quorvel_%1.qm").arg(language)))
        QCoreApplication::installTranslator(program);
    // Qt's own texts: Portuguese comes as Brazilian, which the locale's fallbacks find.
    auto *qt = new QTranslator(&application);
    if (qt->load(QLocale(language), QStringLiteral("qtbase"), QStringLiteral("_"),
                 QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(qt);
}

} // namespace quorvel
