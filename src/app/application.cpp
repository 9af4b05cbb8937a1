#include "application.h"

#include "mainwindow.h"

namespace quorvel {

Application::Application(Platform &platform)
    : mainWindow_(std::make_unique<MainWindow>(platform, folders_, catalogs_))
{
}

Application::~Application() = default;

} // namespace quorvel
