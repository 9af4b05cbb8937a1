#pragma once

#include <QString>
#include <QStringList>

class QCoreApplication;

namespace quorvel {

// The languages the program speaks, English (the source) first.
QStringList programLanguages();

// The language of a run: the CODE of "--language CODE" (or "--language=CODE") among
// the arguments, else the first of the user's languages (QLocale's uiLanguages, as Qt
// reads LANGUAGE, LC_ALL, LC_MESSAGES and LANG) that the program speaks. Codes compare
// by their language part ("fr_CA", "fr-FR" and "fr" are French). English when nothing
// matches. A CODE the program does not speak is reported in *unknown and gives English.
QString chooseLanguage(const QStringList &arguments, const QStringList &uiLanguages, QString *unknown = nullptr);

// The language for this process's arguments and locale; an unknown --language code is
// reported on standard error and English is used.
QString chooseProgramLanguage(const QStringList &arguments);

// Installs the program's translation and Qt's own (its dialog and message-box buttons)
// for the language. English installs nothing, so the texts stay exactly the sources.
// A right-to-left translation turns the layout of a GUI application right to left (Qt
// reads the direction from the installed translations).
void installTranslations(QCoreApplication &application, const QString &language);

} // namespace quorvel
