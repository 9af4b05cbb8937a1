#pragma once

#include <QObject>
#include <QString>
#include <QtGlobal>

namespace quorvel {

// A window's child (at any depth) of the given type and object name. A missing one
// ends the test run with its name, rather than a crash on a null pointer.
template <class T = QObject>
T &child(const QObject &window, const char *name)
{
    T *found = window.findChild<T *>(QString::fromLatin1(name));
    if (!found)
        qFatal("%s has no child named %s", qPrintable(window.objectName()), name);
    return *found;
}

} // namespace quorvel
