#pragma once

#include <QCoreApplication>
#include <QList>
#include <QString>
#include <QStringList>

#include <concepts>

namespace quorvel {

// A text the user reads that may also end up in a file: files get the English source
// text, the screen its translation into the user's language. Arguments fill both.
struct TranslatableText {
    QString english;
    QString shown;

    // A text that is the same in every language (a file name, a system's message).
    static TranslatableText plain(const QString &text) { return {text, text}; }
    // The English source text and its translation in the context.
    static TranslatableText of(const char *context, const char *sourceText)
    {
        return {QString::fromUtf8(sourceText), QCoreApplication::translate(context, sourceText)};
    }

    bool isEmpty() const { return english.isEmpty(); }

    template <typename... Args>
    TranslatableText arg(const Args &...args) const
    {
        return {english.arg(englishOf(args)...), shown.arg(shownOf(args)...)};
    }

    TranslatableText &operator+=(const TranslatableText &more)
    {
        english += more.english;
        shown += more.shown;
        return *this;
    }

private:
    static const QString &englishOf(const TranslatableText &t) { return t.english; }
    static const QString &englishOf(const QString &s) { return s; }
    static QString englishOf(std::integral auto n) { return QString::number(n); }
    static const QString &shownOf(const TranslatableText &t) { return t.shown; }
    static const QString &shownOf(const QString &s) { return s; }
    static QString shownOf(std::integral auto n) { return QString::number(n); }
};

using TranslatableTexts = QList<TranslatableText>;

// The English texts, for files.
inline QStringList englishTexts(const TranslatableTexts &texts)
{
    QStringList english;
    for (const TranslatableText &text : texts)
        english << text.english;
    return english;
}

// The texts in the user's language, for the screen.
inline QStringList shownTexts(const TranslatableTexts &texts)
{
    QStringList shown;
    for (const TranslatableText &text : texts)
        shown << text.shown;
    return shown;
}

// Texts a person reads, one after the other as a list in the user's language: "; "
// in English, "؛ " in Arabic. Files join their English texts with "; ".
inline QString joinShown(const QStringList &texts)
{
    return texts.join(QCoreApplication::translate("quorvel::Texts", "; "));
}

// TranslatableText::of for a literal text: lupdate reads this function as
// QT_TRANSLATE_NOOP, so the text is extracted for translation.
inline TranslatableText translatable(const char *context, const char *sourceText)
{
    return TranslatableText::of(context, sourceText);
}

} // namespace quorvel
