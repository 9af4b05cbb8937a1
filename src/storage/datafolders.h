#pragma once

#include <QString>

namespace quorvel {

class KnownFolders;

// The program's folders, found once when the main window is created.
struct DataFolders {
    QString databaseDir; // shared catalogs, curve pictures, help; ends with "/"
    QString projectsDir; // initial folder of the project dialogs; ends with "/"
    QString picturesDir; // initial folder of the picture dialog, as the system gives it

    // Queries the three known folders in order. A failed query gives the empty text
    // and the folder is built from it all the same; no folder is created.
    static DataFolders resolve(KnownFolders &folders);
};

} // namespace quorvel
