#pragma once

#include "designcalculation.h"
#include "designchecks.h"
#include "dutychart.h"
#include "projectfiles.h"
#include "projectsheet.h"

#include <QMainWindow>
#include <functional>
#include <memory>

class QAbstractButton;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QPushButton;

namespace quorvel {

class AboutDialog;
class ChecksSummary;
class DesignChecksWindow;
class ReportAuthorDialog;
class FileDialog;
class DiametersWindow;
class GridWidget;
class PrinterChoiceDialog;
class PumpsWindow;
class StretchedPicture;
class TanksWindow;
struct Catalogs;
struct DataFolders;
struct SiteResult;
struct Platform;


// The main window: toolbar, menu, the project name, the input and result tables,
// the schematic with its four captions. It owns the five other windows, routes
// every command to the part of the program that does the work, and hands the
// calculation the pump and tank picks.
class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    // Builds the window, initializes it, then makes the printer choice hidden (filling
    // its printer box). Failures of the initializations are shown and start-up goes
    // on. The folders are found here; the catalogs are loaded at the first activation.
    // The diameters, pumps, tanks and About windows run no code when created: each is
    // made when first shown, as a view over the tables Catalogs owns, and kept.
    MainWindow(Platform &platform, DataFolders &folders, Catalogs &catalogs, QWidget *parent = nullptr);
    ~MainWindow() override;

    // Test seam: the project the window shows, for what the screen cannot tell
    // (the current input cell as the handlers see it).
    const ProjectSheet &sheet() const { return sheet_; }

    // The windows made when first needed (the first call makes the window hidden,
    // later calls return the same one).
    DiametersWindow &diametersWindow();
    PumpsWindow &pumpsWindow();
    TanksWindow &tanksWindow();
    AboutDialog &aboutDialog();
    DesignChecksWindow &designChecksWindow();
    ReportAuthorDialog &reportAuthorDialog();

    // The design the results show, its checks (none while no checks are shown) and
    // its duty-point chart (none while inputs are out of range).
    struct ShownDesign {
        std::optional<DesignRecord> design;
        DesignAssessment assessment;
        QString unavailable; // why complete results are not checked
        std::optional<DutyChart> chart;

        bool checked() const { return design.has_value(); }
        // A design whose checks do not fail: what the exports write.
        bool exportable() const { return checked() && assessment.designed(); }
    };
    // Test seam: the design and checks shown.
    const ShownDesign &shownDesign() const { return shown_; }

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // The toolbar's pictures, at this size.
    static constexpr QSize toolbarIconSize{16, 16};
    static QString toolbarPicture(const QString &name, QIcon::Mode mode = QIcon::Normal);

    void buildMenus();
    void buildToolBar();
    void buildPanels();
    void bindTables();
    void createPrinterChoice();
    bool guard(const std::function<void()> &handler);
    void onTriggered(QAction *action, void (MainWindow::*handler)());
    void onClicked(QAbstractButton *button, void (MainWindow::*handler)());
    void showCaption(ProjectSheet::Caption which, const QString &text);
    void placeChecksSummary();

    // The design checks: shown after a calculation that completes and after opening a
    // project whose results are complete; cleared by anything that makes them stale.
    // Open and a catalog edit have only the tables' texts to go on: the record is
    // rebuilt from them.
    void showChecks(const DesignRecord &design);
    // A calculation stopped by inputs that make no sense: they are the checks shown.
    void showInputFailures(const QList<DesignCheck> &failures);
    void showAssessment();
    // The exports are on for a design whose checks do not fail; else off, saying why.
    void enableExports(const QString &whyNot);
    void showChecksOfSheet();
    // No checks, for the reason given (none: results not complete).
    void showUnchecked(const QString &reason);
    void clearChecks();
    void recheckAfterCatalogEdit();

    // Window events.
    void initialize();
    void firstActivation();
    void placeCaptions();
    void confirmExit();

    // Commands.
    void newProject();
    void openProject();
    void saveProject();
    void printInputSheet();
    void showDiameters();
    void showPumps();
    void showTanks();
    void calculate();
    void showHelp();
    void showAbout();
    void showDesignChecks();
    void exportDesignReport();
    void exportEpanetNetwork();
    // The file name the user picks in an export's save dialog (made on first use), with
    // the project name as default; empty when the dialog is cancelled.
    QString askExportName(std::unique_ptr<FileDialog> &dialog, const QString &filter, const QString &suffix);
    // The checked design shown, as the exports write it.
    SiteResult shownSite() const;

    Platform &platform_;
    DataFolders &folders_;
    Catalogs &catalogs_;
    ProjectSheet sheet_;
    DesignCalculation calculation_;
    ProjectFiles projectFiles_;
    bool activated_ = false;
    ShownDesign shown_;
    std::unique_ptr<FileDialog> reportDialog_;
    std::unique_ptr<FileDialog> epanetDialog_;

    QFrame *bottomPanel_;
    QPushButton *okButton_;
    QLineEdit *projectNameEdit_;
    GridWidget *inputGrid_;
    GridWidget *resultGrid_;
    StretchedPicture *schematic_;
    QLabel *sourceCaption_;
    QLabel *storageCaption_;
    QLabel *pipelineCaption_;
    QLabel *populationCaption_;
    ChecksSummary *checksSummary_;
    QAction *exportReportAction_;
    QAction *exportEpanetAction_;

    // Children of this window; all but the printer choice made when first shown.
    DiametersWindow *diametersWindow_ = nullptr;
    PumpsWindow *pumpsWindow_ = nullptr;
    TanksWindow *tanksWindow_ = nullptr;
    PrinterChoiceDialog *printerChoiceDialog_ = nullptr;
    AboutDialog *aboutDialog_ = nullptr;
    DesignChecksWindow *designChecksWindow_ = nullptr;
    ReportAuthorDialog *reportAuthorDialog_ = nullptr;
};

} // namespace quorvel
