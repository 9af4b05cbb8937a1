#pragma once

#include <QString>

namespace quorvel {

// The program's message boxes, modal over the whole program.
class MessageBoxes {
public:
    virtual ~MessageBoxes() = default;
    // Caption "Warning", OK button, no icon.
    virtual void warning(const QString &text) = 0;
    // Caption "Warning", Yes and No buttons, no icon; true when Yes was chosen.
    virtual bool question(const QString &text) = 0;
    // The same with No as the default button, for a question whose Yes may lose data.
    virtual bool questionDefaultNo(const QString &text) = 0;
    // Caption = application title, OK button, no icon.
    virtual void information(const QString &text) = 0;
    // The error box: caption = application title, error icon, OK button. The text
    // is shown as given (errorBoxText() has already applied the "." rule).
    virtual void error(const QString &text) = 0;
};

} // namespace quorvel
