#pragma once

#include <QCoreApplication>
#include <QString>

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

    template <typename... Args>
    TranslatableText arg(const Args &...args) const
    {
        return {english.arg(englishOf(args)...), shown.arg(shownOf(args)...)};
    }

private:
    static const QString &englishOf(const TranslatableText &t) { return t.english; }
    static const QString &englishOf(const QString &s) { return s; }
    static const QString &shownOf(const TranslatableText &t) { return t.shown; }
    static const QString &shownOf(const QString &s) { return s; }
};

// TranslatableText::of for a literal text: lupdate reads this function as
// QT_TRANSLATE_NOOP, so the text is extracted for translation.
inline TranslatableText translatable(const char *context, const char *sourceText)
{
    return TranslatableText::of(context, sourceText);
}

} // namespace quorvel
