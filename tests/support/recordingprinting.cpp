#include "recordingprinting.h"

#include "error.h"

namespace quorvel {

RecordingPrinting::RecordingPrinting(QStringList installed, int defaultPrinter)
    : installed(std::move(installed)), defaultPrinter(defaultPrinter)
{
}

void RecordingPrinting::confirmSetup(int printer, const QString &settings)
{
    setupAnswers_.append(std::make_pair(printer, settings));
}

void RecordingPrinting::cancelSetup()
{
    setupAnswers_.append(std::nullopt);
}

QStringList RecordingPrinting::printers()
{
    if (!list_) {
        list_ = installed;
        ++printerListReads;
    }
    return *list_;
}

void RecordingPrinting::selectDefault()
{
    printers();
    if (defaultPrinter < 0 || defaultPrinter >= list_->size())
        throw Error(noDefaultPrinterMessage());
    current_ = defaultPrinter;
    settings_ = defaultSettings();
    orientation_ = QPageLayout::Portrait;
}

void RecordingPrinting::resolve()
{
    if (current_ < 0)
        selectDefault();
}

int RecordingPrinting::printerIndex()
{
    resolve();
    return current_;
}

void RecordingPrinting::setPrinterIndex(int index)
{
    calls.append(QStringLiteral("setPrinterIndex(%1)").arg(index));
    if (index == -1) {
        selectDefault();
        return;
    }
    if (index < 0 || index >= printers().size())
        throw Error(indexOutOfRangeMessage());
    if (index == current_)
        return;
    current_ = index;
    settings_ = defaultSettings();
    orientation_ = QPageLayout::Portrait;
}

bool RecordingPrinting::printerSetup(QWidget *)
{
    calls.append(QStringLiteral("printerSetup"));
    resolve();
    ++setupShowings;
    if (setupAnswers_.isEmpty())
        return false;
    const auto answer = setupAnswers_.takeFirst();
    if (!answer)
        return false;
    current_ = answer->first;
    settings_ = answer->second;
    return true;
}

void RecordingPrinting::setOrientation(QPageLayout::Orientation orientation)
{
    calls.append(orientation == QPageLayout::Landscape ? QStringLiteral("setOrientation(landscape)")
                                                       : QStringLiteral("setOrientation(portrait)"));
    resolve();
    if (failure == Failure::NoDeviceSettings)
        throw Error(notSupportedMessage());
    orientation_ = orientation;
}

QPageLayout::Orientation RecordingPrinting::orientation()
{
    resolve();
    return orientation_;
}

void RecordingPrinting::setTitle(const QString &title)
{
    calls.append(QStringLiteral("setTitle(%1)").arg(title));
    title_ = title;
}

void RecordingPrinting::beginDoc()
{
    calls.append(QStringLiteral("beginDoc"));
    resolve();
    if (open_)
        throw Error(QStringLiteral("Printing in progress"));
    if (failure == Failure::NoDrawingContext)
        throw Error(notValidMessage());
    refused_ = failure == Failure::DocumentRefused;
    open_ = Page{list_->at(current_), title_, orientation_, settings_, {}};
}

void RecordingPrinting::endDoc()
{
    calls.append(QStringLiteral("endDoc"));
    if (!open_)
        throw Error(notPrintingMessage());
    Page page = *open_;
    open_.reset();
    if (refused_)
        throw Error(notPrintingMessage());
    pages.append(page);
}

void RecordingPrinting::textOut(int x, int y, const QString &text)
{
    if (open_)
        open_->texts.append({text, QPoint(x, y), std::nullopt, font_});
}

void RecordingPrinting::textRect(const QRect &box, int x, int y, const QString &text)
{
    if (open_)
        open_->texts.append({text, QPoint(x, y), box, font_});
}

} // namespace quorvel
