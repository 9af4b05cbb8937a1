#pragma once

#include "errorguard.h"
#include "platform.h"
#include "qtprinting.h"
#include "printerchoicedialog.h"
#include "printerchoicewidgets.h"
#include "support/fakemessageboxes.h"

namespace quorvel {

// The printer choice window over the Qt print back end, created as at start-up; its
// error boxes are recorded.
struct QtPrinterWindow {
    QtPrinting printing;
    FakeMessageBoxes boxes;
    Platform platform;
    PrinterChoiceDialog dialog;

    QtPrinterWindow() : platform(makePlatform(boxes, printing)), dialog(platform)
    {
        guarded(boxes, [this] { dialog.fillPrinterBox(); });
    }

private:
    static Platform makePlatform(FakeMessageBoxes &boxes, QtPrinting &printing)
    {
        Platform platform;
        platform.messages = &boxes;
        platform.printing = &printing;
        return platform;
    }
};

} // namespace quorvel
