#include "application.h"
#include "mainwindow.h"
#include "qtplatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    using namespace quorvel;

    QApplication qtApplication(argc, argv);
    setUpApplicationLook();
    QtPlatform qt;
    Application application(qt.platform);
    application.mainWindow().showMaximized();
    return QApplication::exec();
}
