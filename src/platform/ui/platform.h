#pragma once

namespace quorvel {

class MessageBoxes;
class KnownFolders;
class FileDialogs;
class PictureLoader;
class Printing;
class Shell;

// Everything the windows reach of the desktop platform. The program fills every
// member with the Qt implementations; a test fills the members that the code under
// test uses with fakes that answer scripted choices and record what was shown.
struct Platform {
    MessageBoxes *messages = nullptr;
    KnownFolders *folders = nullptr;
    FileDialogs *fileDialogs = nullptr;
    PictureLoader *pictures = nullptr;
    Printing *printing = nullptr;
    Shell *shell = nullptr;
};

} // namespace quorvel
