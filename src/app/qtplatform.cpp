#include "qtplatform.h"

#include "programstyle.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

namespace quorvel {

void setUpApplicationLook()
{
    const QString icon = QStringLiteral(":/icons/quorvel.svg");
    if (QFile::exists(icon))
        QApplication::setWindowIcon(QIcon(icon));
    QApplication::setStyle(new ProgramStyle);
}

} // namespace quorvel
