#pragma once

#include "printing.h"

#include <QList>
#include <QPoint>
#include <optional>

namespace quorvel {

// A print system in memory: a scripted list of printers, a scripted print-setup dialog
// and failures, and a record of every operation and of every page sent. It keeps the
// selection rules of the real one: selecting by position gives default settings,
// except the already current printer by its own position; -1 selects the default
// afresh.
class RecordingPrinting : public Printing {
public:
    // Settings a freshly selected printer has.
    static QString defaultSettings() { return QStringLiteral("defaults"); }

    enum class Failure {
        None,
        NoDeviceSettings, // setOrientation() fails
        NoDrawingContext, // beginDoc() fails
        DocumentRefused,  // beginDoc() goes on into nothing, endDoc() fails
    };

    struct DrawnText {
        QString text;
        QPoint at;
        std::optional<QRect> box; // none for textOut()
        PrintFont font;
    };

    struct Page {
        QString printer;
        QString title;
        QPageLayout::Orientation orientation = QPageLayout::Portrait;
        QString settings;
        QList<DrawnText> texts;
    };

    explicit RecordingPrinting(QStringList installed = {QStringLiteral("Office Laser"),
                                                        QStringLiteral("Plotter"),
                                                        QStringLiteral("Print to PDF")},
                               int defaultPrinter = 0);

    // The print system.
    QStringList installed;
    int defaultPrinter; // position in installed; -1: no default printer set
    Failure failure = Failure::None;

    // The next showing of the print-setup dialog is confirmed with this printer and
    // these settings, or cancelled. Without a scripted answer a showing is cancelled.
    void confirmSetup(int printer, const QString &settings);
    void cancelSetup();

    // The record.
    QStringList calls;      // every operation, e.g. "setPrinterIndex(-1)", "beginDoc"
    QList<Page> pages;      // every page that reached the printer
    int printerListReads = 0;
    int setupShowings = 0;
    QString settings() const { return settings_; } // of the current printer

    QStringList printers() override;
    int printerIndex() override;
    void setPrinterIndex(int index) override;
    bool printerSetup(QWidget *parent) override;
    void setOrientation(QPageLayout::Orientation orientation) override;
    QPageLayout::Orientation orientation() override;
    void setTitle(const QString &title) override;
    QString title() const override { return title_; }
    void beginDoc() override;
    void endDoc() override;
    void setFont(const PrintFont &font) override { font_ = font; }
    PrintFont font() const override { return font_; }
    void textOut(int x, int y, const QString &text) override;
    void textRect(const QRect &box, int x, int y, const QString &text) override;

private:
    void resolve();
    void selectDefault();

    std::optional<QStringList> list_;
    int current_ = -1; // -1: the default, not resolved yet
    QString settings_;
    QPageLayout::Orientation orientation_ = QPageLayout::Portrait;
    QString title_;
    PrintFont font_;
    std::optional<Page> open_;
    bool refused_ = false;
    QList<std::optional<std::pair<int, QString>>> setupAnswers_;
};

} // namespace quorvel
