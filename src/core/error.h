#pragma once

#include "translatable.h"

#include <QString>
#include <exception>

namespace quorvel {

// The program's one error type. Conversion errors, arithmetic faults, file errors and
// everything else a handler can fail with carry their user-facing message here; the
// event wrapper shows it in the error box. A message can be English in files
// (message()) and in the user's language on the screen (shownMessage()).
class Error : public std::exception {
public:
    explicit Error(QString message) : Error(TranslatableText::plain(message)) {}
    explicit Error(TranslatableText message)
        : message_(std::move(message.english)), shown_(std::move(message.shown)), utf8_(message_.toUtf8())
    {
    }
    const QString &message() const noexcept { return message_; }
    const QString &shownMessage() const noexcept { return shown_; }
    const char *what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QString shown_;
    QByteArray utf8_;
};

} // namespace quorvel
