#pragma once

#include <QWidget>
#include <functional>

namespace quorvel {

// Answers the next modal window: waits (in the event loop) until a modal widget is
// active, then runs the action on it. Chain calls for nested boxes. Use it before
// the call that opens the window:
//     whenModal([](QWidget *w) { QTest::mouseClick(...); });
//     form->exec();
void whenModal(std::function<void(QWidget *)> action, int timeoutMs = 5000);

} // namespace quorvel
