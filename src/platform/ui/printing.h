#pragma once

#include "translatable.h"

#include <QColor>
#include <QPageLayout>
#include <QRect>
#include <QString>
#include <QStringList>

class QWidget;

namespace quorvel {

// The font of the printer's drawing surface; the size is in points, so it keeps its
// physical size on any printer.
struct PrintFont {
    QString name;
    int size = 10;
    bool bold = false;
    bool underline = false;
    QColor color = Qt::black;

    bool operator==(const PrintFont &) const = default;
};

// The program-wide printer and its one-page documents.
//
// The current printer is identified by its position in printers(); -1 stands for the
// system's default printer, resolved on first use. Selecting a printer by position
// gives it its driver's default settings, except that selecting the printer that is
// already current by its own position changes nothing; -1 always selects the default
// printer afresh, with default settings.
//
// Coordinates are the printer's own device pixels, origin at the top-left corner of
// the page's printable area. Failures raise Error with the messages below.
class Printing {
public:
    // No printer installed or no default printer set: raised wherever the default
    // printer has to be resolved (selecting -1, and every operation while the current
    // printer is still the unresolved default).
    static TranslatableText noDefaultPrinterMessage() { return translatable("quorvel::Printing", "There is no default printer currently selected"); }
    // setOrientation(): the current printer offers no device settings.
    static TranslatableText notSupportedMessage() { return translatable("quorvel::Printing", "Operation not supported on selected printer"); }
    // beginDoc(): no drawing context can be made for the current printer.
    static TranslatableText notValidMessage() { return translatable("quorvel::Printing", "Printer selected is not valid"); }
    // endDoc(): the print system refused to start the document at beginDoc(), so the
    // page went nowhere.
    static TranslatableText notPrintingMessage() { return translatable("quorvel::Printing", "Printer is not currently printing"); }
    // setPrinterIndex() with a position that is neither -1 nor in the list.
    static TranslatableText indexOutOfRangeMessage() { return translatable("quorvel::Printing", "Printer index out of range"); }

    virtual ~Printing() = default;

    // The installed printers' names, read from the print system once, on first use.
    virtual QStringList printers() = 0;
    // The current printer's position in printers() (resolves the default first).
    virtual int printerIndex() = 0;
    virtual void setPrinterIndex(int index) = 0;
    // The print-setup dialog bound to the current printer. When the user confirms it,
    // the printer and settings chosen there become current; returns whether confirmed.
    virtual bool printerSetup(QWidget *parent) = 0;

    // A lasting change of the current printer's settings.
    virtual void setOrientation(QPageLayout::Orientation orientation) = 0;
    virtual QPageLayout::Orientation orientation() = 0;
    // The document title, which names the print job.
    virtual void setTitle(const QString &title) = 0;
    virtual QString title() const = 0;

    // Begins a one-page document on the current printer; endDoc() sends it.
    virtual void beginDoc() = 0;
    virtual void endDoc() = 0;

    // The drawing surface of the page. The font stays set until changed.
    virtual void setFont(const PrintFont &font) = 0;
    virtual PrintFont font() const = 0;
    // Draws the text with the top-left corner of its line at (x, y).
    virtual void textOut(int x, int y, const QString &text) = 0;
    // Fills the box (left and top inside, right and bottom edges outside) with the
    // page's white background and draws the text with its top-left corner at (x, y),
    // unwrapped, cut off at the box's edges.
    virtual void textRect(const QRect &box, int x, int y, const QString &text) = 0;
};

} // namespace quorvel
