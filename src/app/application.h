#pragma once

#include "catalogfiles.h"
#include "datafolders.h"

#include <memory>

namespace quorvel {

class MainWindow;
struct Platform;

// The running program: the folders and catalogs every window works on, and the
// main window, which owns the other five. The data outlives the windows.
class Application {
public:
    // Creates the six windows hidden, in their order (see MainWindow).
    explicit Application(Platform &platform);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    MainWindow &mainWindow() { return *mainWindow_; }

    // Test seam: the data the windows share.
    const DataFolders &folders() const { return folders_; }
    Catalogs &catalogs() { return catalogs_; }

private:
    DataFolders folders_;
    Catalogs catalogs_;
    std::unique_ptr<MainWindow> mainWindow_;
};

} // namespace quorvel
