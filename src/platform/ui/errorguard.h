#pragma once

#include "platform/ui/messageboxes.h"

#include <functional>

// The error box text: the message with "." appended when its last character's
// code is above that of ".".
QString errorBoxText(const QString &message);

// The one wrapper every event binding goes through: runs the handler, and when an
// error escapes it shows the error box and returns false. Errors never cross Qt's
// event loop.
bool guarded(MessageBoxes &boxes, const std::function<void()> &handler);
