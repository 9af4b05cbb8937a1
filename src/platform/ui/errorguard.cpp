#include "errorguard.h"

#include "error.h"

#include <QCoreApplication>

namespace quorvel {

QString errorBoxText(const QString &message)
{
    if (!message.isEmpty() && message.back().unicode() > u'.')
        return message + QLatin1Char('.');
    return message;
}

bool guarded(MessageBoxes &boxes, const std::function<void()> &handler)
{
    try {
        handler();
        return true;
    } catch (const Error &e) {
        boxes.error(errorBoxText(e.shownMessage()));
    } catch (const std::bad_alloc &) {
        boxes.error(errorBoxText(QCoreApplication::translate("quorvel::Error", "Out of memory")));
    } catch (const std::exception &e) {
        boxes.error(errorBoxText(QString::fromLocal8Bit(e.what())));
    }
    return false;
}

} // namespace quorvel
