#pragma once

#include "knownfolders.h"
#include "platform.h"
#include "qtfiledialogs.h"
#include "qtmessageboxes.h"
#include "qtpictureloader.h"
#include "qtprinting.h"
#include "qtshell.h"

namespace quorvel {

// The Qt implementation of every platform interface, as the program runs with them.
// Making it starts loading the print support, which the printer choice window needs
// while the program starts.
struct QtPlatform {
    QtPlatform() { printing.startLoadingPrintSupport(); }

    QtMessageBoxes messages;
    SystemKnownFolders folders;
    QtFileDialogs fileDialogs;
    QtPictureLoader pictures;
    QtPrinting printing;
    QtShell shell;
    Platform platform{&messages, &folders, &fileDialogs, &pictures, &printing, &shell};
};

// The look of the whole application: the program's icon and style. Once, right after
// the QApplication is made.
void setUpApplicationLook();

} // namespace quorvel
