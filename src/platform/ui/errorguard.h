#pragma once

#include "messageboxes.h"

#include <QObject>
#include <functional>

namespace quorvel {

// The error box text: the message with "." appended when its last character's
// code is above that of ".".
QString errorBoxText(const QString &message);

// The one wrapper every event binding goes through: runs the handler, and when an
// error escapes it shows the error box and returns false. Errors never cross Qt's
// event loop.
bool guarded(MessageBoxes &boxes, const std::function<void()> &handler);

// Connects a signal to a handler (taking none of the signal's arguments) that runs
// through the error wrapper while the context object lives.
template <typename Sender, typename Signal>
QMetaObject::Connection connectGuarded(MessageBoxes &boxes, Sender *sender, Signal signal, QObject *context,
                                       std::function<void()> handler)
{
    return QObject::connect(sender, signal, context,
                            [&boxes, handler = std::move(handler)] { guarded(boxes, handler); });
}

} // namespace quorvel
