#include "qtplatform.h"

#include "deferredicon.h"
#include "programstyle.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

namespace quorvel {

void setUpApplicationLook()
{
    const QString icon = QStringLiteral(":/icons/quorvel.svg");
    // Read when a window first shows it (some desktops never ask for it): reading the
    // picture loads Qt's SVG icon engine.
    if (QFile::exists(icon))
        QApplication::setWindowIcon(deferredIcon([icon] { return QIcon(icon); }));
    QApplication::setStyle(new ProgramStyle);
}

} // namespace quorvel
