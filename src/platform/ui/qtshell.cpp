#include "qtshell.h"

#include <QDesktopServices>
#include <QUrl>

namespace quorvel {

void QtShell::openDocument(const QString &path)
{
    // A missing file or a type without a viewer is not reported: the caller hands the
    // document over and goes on, whatever the desktop makes of it.
    QDesktopServices::openUrl(QUrl::fromLocalFile(path));
}

} // namespace quorvel
