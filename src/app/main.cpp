#include "application.h"
#include "language.h"
#include "mainwindow.h"
#include "qtplatform.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    using namespace quorvel;

    QApplication qtApplication(argc, argv);
    // --language CODE, else the user's locale; English leaves every text as it is.
    installTranslations(qtApplication, chooseProgramLanguage(QApplication::arguments()));
    setUpApplicationLook();
    QtPlatform qt;
    Application application(qt.platform);
    application.mainWindow().showMaximized();
    return QApplication::exec();
}
