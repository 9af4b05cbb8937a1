#pragma once

#include "application.h"
#include "mainwindow.h"
#include "support/copyfiles.h"
#include "support/fakeplatform.h"

#include <QTemporaryDir>
#include <QTest>

#include <memory>

namespace quorvel {

// The program as a user runs it on the shipped database, with the test platform: a
// temporary home whose common documents hold a copy of the shipped database.
struct ShippedProgram {
    QTemporaryDir root;
    FakePlatform fake;
    std::unique_ptr<Application> app;

    ShippedProgram()
    {
        fake.folders = FakeKnownFolders(root.filePath(QStringLiteral("common")), root.filePath(QStringLiteral("documents")),
                                        root.filePath(QStringLiteral("pictures")));
    }

    QString databaseDir() const { return root.filePath(QStringLiteral("common/Pellmarsh/Quorvel/Database/")); }
    QString projectsDir() const { return root.filePath(QStringLiteral("documents/Pellmarsh/Quorvel/Projects/")); }

    // Copies the shipped database where the program looks for it.
    bool installDatabase() const
    {
        return root.isValid() && copyFiles(QStringLiteral(QUORVEL_SHIPPED_DATABASE), databaseDir());
    }

    // Makes the program and shows its main window through the first activation (which
    // loads the catalogs).
    bool start()
    {
        app = std::make_unique<Application>(fake.platform);
        mainWindow().show();
        return QTest::qWaitForWindowActive(&mainWindow());
    }

    MainWindow &mainWindow() { return app->mainWindow(); }
};

} // namespace quorvel
