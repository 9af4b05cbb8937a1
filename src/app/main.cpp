#include "application.h"
#include "knownfolders.h"
#include "mainwindow.h"
#include "platform.h"
#include "qtfiledialogs.h"
#include "qtmessageboxes.h"
#include "qtpictureloader.h"
#include "qtprinting.h"
#include "qtshell.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

int main(int argc, char *argv[])
{
    using namespace quorvel;

    QApplication qtApplication(argc, argv);
    const QString icon = QStringLiteral(":/icons/quorvel.svg");
    if (QFile::exists(icon))
        QApplication::setWindowIcon(QIcon(icon));

    QtMessageBoxes messages;
    QtKnownFolders folders;
    QtFileDialogs fileDialogs;
    QtPictureLoader pictures;
    QtPrinting printing;
    QtShell shell;
    Platform platform{&messages, &folders, &fileDialogs, &pictures, &printing, &shell};

    Application application(platform);
    application.mainWindow().showMaximized();
    return QApplication::exec();
}
