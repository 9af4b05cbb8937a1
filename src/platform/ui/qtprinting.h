#pragma once

#include "printing.h"

#include <QHash>
#include <QPainter>
#include <future>
#include <memory>
#include <optional>

class QPrinter;

namespace quorvel {

// Printing through Qt PrintSupport (CUPS on Linux).
class QtPrinting : public Printing {
public:
    QtPrinting();
    ~QtPrinting() override;

    // Starts loading Qt's print support libraries (and the system's printing libraries
    // they use) on a second thread, so that the loading overlaps the making of the
    // windows; the first question about printers waits for it. Optional.
    void startLoadingPrintSupport();

    QStringList printers() override;
    int printerIndex() override;
    void setPrinterIndex(int index) override;
    bool printerSetup(QWidget *parent) override;

    void setOrientation(QPageLayout::Orientation orientation) override;
    QPageLayout::Orientation orientation() override;
    void setTitle(const QString &title) override;
    QString title() const override;

    void beginDoc() override;
    void endDoc() override;

    void setFont(const PrintFont &font) override;
    PrintFont font() const override;
    void textOut(int x, int y, const QString &text) override;
    void textRect(const QRect &box, int x, int y, const QString &text) override;

    // The device resolution a document on the current printer is drawn at (dots per
    // inch): the printer's own default resolution.
    int resolution();

    // The resolution a PPD names as its default, 0 when it names none.
    static int ppdDefaultResolution(const QByteArray &ppd);

private:
    // The current printer, resolving the default when none is selected yet.
    QPrinter &current();
    void select(int index);
    void applyFont();

    void waitForPrintSupport();

    std::future<void> loadingPrintSupport_;
    std::optional<QStringList> printers_;
    int index_ = -1;
    std::unique_ptr<QPrinter> printer_; // null until the current printer is resolved
    QString title_;
    PrintFont font_;
    QPainter painter_;
    bool printing_ = false;
    QHash<QString, int> resolutions_; // per printer name
};

} // namespace quorvel
