#pragma once

class MessageBoxes;
class KnownFolders;
class FileDialogs;
class PictureLoader;
class Printing;
class Shell;

// Everything the windows reach of the desktop platform. The program passes the Qt
// implementations (QtPlatform); tests pass fakes that answer scripted choices and
// record what was shown.
struct Platform {
    MessageBoxes &messages;
    KnownFolders &folders;
    FileDialogs &fileDialogs;
    PictureLoader &pictures;
    Printing &printing;
    Shell &shell;
};
