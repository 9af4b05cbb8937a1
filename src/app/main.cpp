#include "app/forms.h"
#include "app/tform1.h"
#include "platform/sys/knownfolders.h"
#include "platform/ui/platform.h"
#include "platform/ui/qtfiledialogs.h"
#include "platform/ui/qtmessageboxes.h"
#include "platform/ui/qtpictureloader.h"
#include "platform/ui/qtprinting.h"
#include "platform/ui/qtshell.h"

#include <QApplication>
#include <QFile>
#include <QIcon>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
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

    createForms(platform);
    Form1->showMaximized();
    const int result = QApplication::exec();
    destroyForms();
    return result;
}
