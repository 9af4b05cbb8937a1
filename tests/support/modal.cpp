#include "modal.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QTimer>

namespace quorvel {

namespace {
void poll(std::function<void(QWidget *)> action, QElapsedTimer timer, int timeoutMs)
{
    QWidget *modal = QApplication::activeModalWidget();
    if (modal && modal->isVisible()) {
        action(modal);
        return;
    }
    if (timer.elapsed() > timeoutMs)
        qFatal("whenModal: no modal window appeared within %d ms", timeoutMs);
    QTimer::singleShot(10, [=] { poll(action, timer, timeoutMs); });
}
}

void whenModal(std::function<void(QWidget *)> action, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    QTimer::singleShot(0, [=] { poll(action, timer, timeoutMs); });
}

} // namespace quorvel
