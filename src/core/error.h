#pragma once

#include <QString>
#include <exception>

namespace quorvel {

// The program's one error type. Conversion errors, arithmetic faults, file errors and
// everything else a handler can fail with carry their user-facing message here; the
// event wrapper shows it in the error box.
class Error : public std::exception {
public:
    explicit Error(QString message) : message_(std::move(message)), utf8_(message_.toUtf8()) {}
    const QString &message() const noexcept { return message_; }
    const char *what() const noexcept override { return utf8_.constData(); }

private:
    QString message_;
    QByteArray utf8_;
};

} // namespace quorvel
