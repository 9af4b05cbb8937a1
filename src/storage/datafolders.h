#pragma once

#include <QString>

class KnownFolders;

// The program's folders, set once when the main window is created.
inline QString databaseDir; // shared catalogs, curve pictures, help; ends with "/"
inline QString projectsDir; // initial folder of the project dialogs; ends with "/"
inline QString picturesDir; // initial folder of the picture dialog, as the system gives it

// Queries the three known folders in order. A failed query gives the empty text and
// the folder string is built from it all the same; no folder is created.
void resolveDataFolders(KnownFolders &folders);
