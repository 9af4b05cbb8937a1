#pragma once

#include "platform/ui/errorguard.h"
#include "platform/ui/platform.h"
#include "platform/ui/qtprinting.h"
#include "printing/tform5.h"
#include "support/fakemessageboxes.h"

// The printer choice window over the Qt print back end, created as at start-up; its
// error boxes are recorded.
struct QtPrinterWindow {
    QtPrinting printing;
    FakeMessageBoxes boxes;
    Platform platform;
    TForm5 form;

    QtPrinterWindow() : platform(makePlatform(boxes, printing)), form(platform)
    {
        guarded(boxes, [this] { form.FormCreate(); });
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
