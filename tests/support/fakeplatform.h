#pragma once

#include "platform.h"
#include "qtpictureloader.h"
#include "support/fakefiledialogs.h"
#include "support/fakeknownfolders.h"
#include "support/fakemessageboxes.h"
#include "support/fakeshell.h"
#include "support/recordingprinting.h"

namespace quorvel {

// The whole platform for tests that run the real windows: scripted boxes, folders
// and dialogs, a recording printer and shell, and the real picture loader.
struct FakePlatform {
    FakeMessageBoxes boxes;
    FakeKnownFolders folders;
    FakeFileDialogs dialogs;
    QtPictureLoader pictures;
    RecordingPrinting printing;
    FakeShell shell;
    Platform platform{&boxes, &folders, &dialogs, &pictures, &printing, &shell};
};

} // namespace quorvel
