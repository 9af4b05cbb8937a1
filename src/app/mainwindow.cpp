#include "mainwindow.h"

#include "aboutdialog.h"
#include "catalogfiles.h"
#include "checkssummary.h"
#include "designcheckswindow.h"
#include "filedialog.h"
#include "datafolders.h"
#include "designfromsheet.h"
#include "diameterswindow.h"
#include "error.h"
#include "errorguard.h"
#include "gridwidget.h"
#include "inputchecks.h"
#include "inputsheetprintout.h"
#include "numbers.h"
#include "platform.h"
#include "printerchoicedialog.h"
#include "pumpswindow.h"
#include "reportauthordialog.h"
#include "reportexport.h"
#include "sheetlayout.h"
#include "shell.h"
#include "stretchedpicture.h"
#include "tankswindow.h"
#include "windowparts.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace quorvel {

namespace {

// The designed client area.
constexpr int designedWidth = 773;
constexpr int designedHeight = 703;

// A caption over the schematic: bold, sized to its text, opaque on the window's
// face colour or the desktop's.
QLabel *makeCaption(QWidget *parent, const QString &name, const QString &text, SchematicCaption which,
                    const QColor &face)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font = windowFont();
    font.setPixelSize(schematicCaptionPixels);
    font.setBold(true);
    label->setFont(font);
    const SchematicCaptionStyle style = schematicCaptionStyle(which);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, QColor::fromRgb(style.colourRgb));
    palette.setColor(QPalette::Window, style.onDesktopColour ? QColor::fromRgb(desktopBackgroundRgb) : face);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->adjustSize();
    return label;
}

// A fixed-width gap in the toolbar.
QWidget *makeGap(QWidget *parent, int width)
{
    auto *gap = new QWidget(parent);
    gap->setFixedSize(width, 24);
    return gap;
}

// The calculation's picks, made in the pumps and tanks windows.
class PicksFromWindows final : public CatalogPickers {
public:
    PicksFromWindows(PumpsWindow &pumps, TanksWindow &tanks) : pumps_(pumps), tanks_(tanks) {}

    qint32 pickPump(const DesignRecord &) override
    {
        pumps_.setPicking(true);
        pumps_.exec();
        return pumps_.pickedRow();
    }
    void endPumpPick() override { pumps_.setPicking(false); }
    qint32 pickTank(const DesignRecord &) override
    {
        tanks_.exec();
        return tanks_.selectedRow();
    }

private:
    PumpsWindow &pumps_;
    TanksWindow &tanks_;
};

} // namespace

MainWindow::MainWindow(Platform &platform, DataFolders &folders, Catalogs &catalogs, QWidget *parent)
    : QMainWindow(parent),
      platform_(platform),
      folders_(folders),
      catalogs_(catalogs),
      projectFiles_(sheet_, *platform.messages, *platform.fileDialogs, this)
{
    setObjectName(QStringLiteral("mainWindow"));
    setWindowTitle(QStringLiteral("Quorvel-DravenholtSystems"));
    setFont(windowFont());

    buildMenus();
    buildToolBar();
    buildPanels();
    bindTables();
    inputGrid_->setFocus(); // typing goes into the inputs from the start
    resize(designedWidth, designedHeight + menuBar()->sizeHint().height());

    guard([this] { initialize(); });
    createPrinterChoice();
}

MainWindow::~MainWindow() = default;

void MainWindow::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto item = [](QMenu *menu, const QString &name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };

    QMenu *fileMenu = bar->addMenu(tr("File"));
    fileMenu->setObjectName(QStringLiteral("fileMenu"));
    fileMenu->setToolTipsVisible(true); // a disabled export says why
    QAction *newAction = item(fileMenu, QStringLiteral("newAction"), tr("New"));
    QAction *openAction = item(fileMenu, QStringLiteral("openAction"), tr("Open"));
    QAction *saveAsAction = item(fileMenu, QStringLiteral("saveAsAction"), tr("Save as"));
    exportReportAction_ = item(fileMenu, QStringLiteral("exportReportAction"), tr("Export Design Report\u2026"));
    exportEpanetAction_ = item(fileMenu, QStringLiteral("exportEpanetAction"), tr("Export EPANET Network\u2026"));
    enableExports(tr("No design to export: calculate first"));
    fileMenu->addSeparator();
    QAction *diametersAction = item(fileMenu, QStringLiteral("diametersAction"), tr("Open Diameters File"));
    fileMenu->addSeparator();
    QAction *exitAction = item(fileMenu, QStringLiteral("exitAction"), tr("Exit"));

    QMenu *resourcesMenu = bar->addMenu(tr("Resources"));
    resourcesMenu->setObjectName(QStringLiteral("resourcesMenu"));
    QAction *pumpsAction = item(resourcesMenu, QStringLiteral("pumpsAction"), tr("Pumps"));
    QAction *tanksAction = item(resourcesMenu, QStringLiteral("tanksAction"), tr("Distribution Tanks"));

    QMenu *helpMenu = bar->addMenu(tr("Help"));
    helpMenu->setObjectName(QStringLiteral("helpMenu"));
    QAction *helpAction = item(helpMenu, QStringLiteral("helpAction"), tr("Quorvel"));
    QAction *aboutAction = item(helpMenu, QStringLiteral("aboutAction"), tr("About Quorvel"));

    onTriggered(newAction, &MainWindow::newProject);
    onTriggered(openAction, &MainWindow::openProject);
    onTriggered(saveAsAction, &MainWindow::saveProject);
    onTriggered(exportReportAction_, &MainWindow::exportDesignReport);
    onTriggered(exportEpanetAction_, &MainWindow::exportEpanetNetwork);
    onTriggered(diametersAction, &MainWindow::showDiameters);
    connectGuarded(*platform_.messages, exitAction, &QAction::triggered, this, [this] { close(); });
    onTriggered(pumpsAction, &MainWindow::showPumps);
    onTriggered(tanksAction, &MainWindow::showTanks);
    onTriggered(helpAction, &MainWindow::showHelp);
    onTriggered(aboutAction, &MainWindow::showAbout);
}

QString MainWindow::toolbarPicture(const QString &name, QIcon::Mode mode)
{
    return mode == QIcon::Disabled ? QStringLiteral(":/toolbar/%1-disabled.svg").arg(name)
                                   : QStringLiteral(":/toolbar/%1.svg").arg(name);
}

void MainWindow::buildToolBar()
{
    auto *toolBar = new QToolBar(this);
    toolBar->setObjectName(QStringLiteral("toolBar"));
    toolBar->setMovable(false);
    toolBar->setFloatable(false);
    toolBar->setContextMenuPolicy(Qt::PreventContextMenu);
    toolBar->setFixedHeight(29);
    toolBar->setIconSize(toolbarIconSize);
    toolBar->setContentsMargins(0, 0, 0, 0);
    toolBar->layout()->setSpacing(0);
    addToolBar(Qt::TopToolBarArea, toolBar);

    auto button = [toolBar](const QString &name, const QString &hint, const QString &picture, bool greyed) {
        auto *b = new QToolButton(toolBar);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus); // picture buttons never take the focus
        b->setFixedSize(23, 24);
        QIcon icon(toolbarPicture(picture));
        if (greyed)
            icon.addFile(toolbarPicture(picture, QIcon::Disabled), QSize(), QIcon::Disabled);
        b->setIcon(icon);
        toolBar->addWidget(b);
        return b;
    };
    QToolButton *openButton = button(QStringLiteral("openButton"), tr("Open a file"), QStringLiteral("open"), true);
    QToolButton *saveButton = button(QStringLiteral("saveButton"), tr("Save the current project"), QStringLiteral("save"), true);
    QToolButton *printButton = button(QStringLiteral("printButton"), tr("Print the current project"), QStringLiteral("print"), true);
    toolBar->addWidget(makeGap(toolBar, 44));
    QToolButton *diametersButton = button(QStringLiteral("diametersButton"), tr("Open the Pipes file"), QStringLiteral("pipes"), false);
    QToolButton *pumpsButton = button(QStringLiteral("pumpsButton"), tr("Open the Pumps file"), QStringLiteral("pump"), false);
    QToolButton *tanksButton = button(QStringLiteral("tanksButton"), tr("Open the Tanks file"), QStringLiteral("tank"), false);
    toolBar->addWidget(makeGap(toolBar, 59));

    onClicked(openButton, &MainWindow::openProject);
    onClicked(saveButton, &MainWindow::saveProject);
    onClicked(printButton, &MainWindow::printInputSheet);
    onClicked(diametersButton, &MainWindow::showDiameters);
    onClicked(pumpsButton, &MainWindow::showPumps);
    onClicked(tanksButton, &MainWindow::showTanks);

    // Save and Save as follow the project's unsaved changes, Print whether there is
    // something to print.
    QAction *saveAsAction = findChild<QAction *>(QStringLiteral("saveAsAction"));
    const auto showModified = [saveButton, saveAsAction](bool modified) {
        saveButton->setEnabled(modified);
        saveAsAction->setEnabled(modified);
    };
    showModified(sheet_.state.isModified());
    printButton->setEnabled(sheet_.state.isPrintable());
    connect(&sheet_.state, &ProjectState::modifiedChanged, this, showModified);
    connect(&sheet_.state, &ProjectState::printableChanged, printButton, &QWidget::setEnabled);
}

void MainWindow::buildPanels()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    setCentralWidget(client);
    auto *clientLayout = new QVBoxLayout(client);
    clientLayout->setContentsMargins(0, 0, 0, 0);
    clientLayout->setSpacing(0);
    auto *middle = new QHBoxLayout;
    middle->setSpacing(0);
    clientLayout->addLayout(middle, 1);

    // Along the bottom edge, the "OK" button (placed again at every resize).
    bottomPanel_ = makeRaisedPanel(client, QStringLiteral("bottomPanel"));
    bottomPanel_->setFixedHeight(65);
    clientLayout->addWidget(bottomPanel_);
    okButton_ = makeButton(bottomPanel_, QStringLiteral("okButton"), tr("OK"));
    placeInParent(okButton_, QRect(QPoint(designedWidth - 120, 24), okButton_->size()));
    connectGuarded(*platform_.messages, okButton_, &QAbstractButton::clicked, this, [this] { close(); });
    // The design checks in the free room left of "OK", on the button's line.
    checksSummary_ = new ChecksSummary(bottomPanel_);
    connectGuarded(*platform_.messages, checksSummary_, &ChecksSummary::listRequested, this,
                   [this] { showDesignChecks(); });

    // Along the left edge, the project name and the two tables stacked from the top.
    // Placed, not laid out: a low window cuts the panels off rather than growing.
    QFrame *sheetPanel = makeRaisedPanel(client, QStringLiteral("sheetPanel"));
    sheetPanel->setFixedWidth(705);
    middle->addWidget(sheetPanel);
    const int inner = 705 - 2;

    QFrame *projectPanel = makeRaisedPanel(sheetPanel, QStringLiteral("projectPanel"));
    projectPanel->setGeometry(1, 1, inner, 64);
    auto *projectLabel = new QLabel(tr("Project:"), projectPanel);
    projectLabel->setObjectName(QStringLiteral("projectLabel"));
    projectNameEdit_ = new QLineEdit(projectPanel);
    projectNameEdit_->setObjectName(QStringLiteral("projectNameEdit"));
    placeInParent(projectNameEdit_, QRect(141, 24, 210, 21));
    projectLabel->adjustSize();
    // Lined up with the edit box's text.
    placeInParent(projectLabel, QRect(QPoint(93, 24 + (21 - projectLabel->height()) / 2), projectLabel->size()));
    connect(projectNameEdit_, &QLineEdit::textEdited, this,
            [this](const QString &text) { guard([&] { sheet_.setProjectName(text); }); });
    connect(&sheet_, &ProjectSheet::projectNameChanged, this, [this](const QString &name) {
        if (projectNameEdit_->text() != name)
            projectNameEdit_->setText(name);
    });

    QFrame *inputPanel = makeRaisedPanel(sheetPanel, QStringLiteral("inputPanel"));
    inputPanel->setGeometry(1, 1 + 64, inner, 208);
    inputGrid_ = new GridWidget(inputPanel);
    inputGrid_->setObjectName(QStringLiteral("inputGrid"));
    inputGrid_->setGeometry(inputPanel->contentsRect());

    QFrame *resultPanel = makeRaisedPanel(sheetPanel, QStringLiteral("resultPanel"));
    resultPanel->setGeometry(1, 1 + 64 + 208, inner, 337);
    QPushButton *calculateButton = makeButton(resultPanel, QStringLiteral("calculateButton"), tr("To Calculate"));
    placeInParent(calculateButton, QRect(QPoint(587, 6), calculateButton->size()));
    onClicked(calculateButton, &MainWindow::calculate);
    resultGrid_ = new GridWidget(resultPanel);
    resultGrid_->setObjectName(QStringLiteral("resultGrid"));
    const QRect along = resultPanel->contentsRect();
    resultGrid_->setGeometry(along.left(), along.bottom() + 1 - 287, along.width(), 287);

    // The rest: the schematic with the four captions over it.
    QFrame *schematicPanel = makeRaisedPanel(client, QStringLiteral("schematicPanel"));
    middle->addWidget(schematicPanel, 1);
    auto *picture = new QVBoxLayout(schematicPanel);
    picture->setContentsMargins(0, 0, 0, 0);
    schematic_ = new StretchedPicture(QStringLiteral(":/schematic.svg"), schematicPanel);
    schematic_->setObjectName(QStringLiteral("schematic"));
    picture->addWidget(schematic_);
    using Caption = ProjectSheet::Caption;
    const QColor face = palette().color(QPalette::Button);
    sourceCaption_ = makeCaption(schematicPanel, QStringLiteral("sourceCaption"),
                                 sheet_.caption(Caption::SourceElevation), Caption::SourceElevation, face);
    storageCaption_ = makeCaption(schematicPanel, QStringLiteral("storageCaption"),
                                  sheet_.caption(Caption::StorageElevation), Caption::StorageElevation, face);
    pipelineCaption_ = makeCaption(schematicPanel, QStringLiteral("pipelineCaption"),
                                   sheet_.caption(Caption::PipelineLength), Caption::PipelineLength, face);
    populationCaption_ = makeCaption(schematicPanel, QStringLiteral("populationCaption"),
                                     sheet_.caption(Caption::Population), Caption::Population, face);
    connect(&sheet_, &ProjectSheet::captionChanged, this, &MainWindow::showCaption);
}

void MainWindow::bindTables()
{
    inputGrid_->setTable(&sheet_.inputs);
    inputGrid_->setRangeSelect(true);
    inputGrid_->onSelectCell = [this](int col, int row) {
        return guard([&] { sheet_.inputCellSelected(col, row); });
    };
    inputGrid_->onKeyUp = [this](int) { guard([this] { sheet_.inputKeyReleased(); }); };
    resultGrid_->setTable(&sheet_.results);
    // Any change of an input makes the checks stale.
    connect(&sheet_.inputs, &CellTable::cellChanged, this, [this] { clearChecks(); });
}

void MainWindow::createPrinterChoice()
{
    // Made at start-up: filling the printer box may show the error box, and that
    // comes before the main window.
    printerChoiceDialog_ = new PrinterChoiceDialog(platform_, this);
    guard([this] { printerChoiceDialog_->fillPrinterBox(); });
}

DiametersWindow &MainWindow::diametersWindow()
{
    if (!diametersWindow_)
        diametersWindow_ = new DiametersWindow(platform_, catalogs_.pipes, this);
    return *diametersWindow_;
}

PumpsWindow &MainWindow::pumpsWindow()
{
    if (!pumpsWindow_)
        pumpsWindow_ = new PumpsWindow(platform_, folders_, catalogs_, this);
    return *pumpsWindow_;
}

TanksWindow &MainWindow::tanksWindow()
{
    if (!tanksWindow_)
        tanksWindow_ = new TanksWindow(platform_, folders_, catalogs_, this);
    return *tanksWindow_;
}

AboutDialog &MainWindow::aboutDialog()
{
    if (!aboutDialog_)
        aboutDialog_ = new AboutDialog(*platform_.messages, this);
    return *aboutDialog_;
}

DesignChecksWindow &MainWindow::designChecksWindow()
{
    if (!designChecksWindow_)
        designChecksWindow_ = new DesignChecksWindow(*platform_.messages, this);
    return *designChecksWindow_;
}

ReportAuthorDialog &MainWindow::reportAuthorDialog()
{
    if (!reportAuthorDialog_)
        reportAuthorDialog_ = new ReportAuthorDialog(*platform_.messages, this);
    return *reportAuthorDialog_;
}

bool MainWindow::guard(const std::function<void()> &handler)
{
    return guarded(*platform_.messages, handler);
}

void MainWindow::onTriggered(QAction *action, void (MainWindow::*handler)())
{
    connectGuarded(*platform_.messages, action, &QAction::triggered, this, [this, handler] { (this->*handler)(); });
}

void MainWindow::onClicked(QAbstractButton *button, void (MainWindow::*handler)())
{
    connectGuarded(*platform_.messages, button, &QAbstractButton::clicked, this,
                   [this, handler] { (this->*handler)(); });
}

void MainWindow::showCaption(ProjectSheet::Caption which, const QString &text)
{
    QLabel *label = nullptr;
    switch (which) {
    case ProjectSheet::Caption::SourceElevation: label = sourceCaption_; break;
    case ProjectSheet::Caption::StorageElevation: label = storageCaption_; break;
    case ProjectSheet::Caption::PipelineLength: label = pipelineCaption_; break;
    case ProjectSheet::Caption::Population: label = populationCaption_; break;
    }
    label->setText(text);
    label->adjustSize();
}

void MainWindow::placeChecksSummary()
{
    constexpr int margin = 8;
    const int okLeft = bottomPanel_->width() - 120;
    placeInParent(checksSummary_, QRect(margin, okButton_->y(), std::max(0, okLeft - 2 * margin), okButton_->height()));
}

void MainWindow::showChecks(const DesignRecord &design)
{
    // Inputs out of range make the rest of the checks meaningless: only they are shown.
    const QList<DesignCheck> inputFailures = inputChecks(InputTexts::fromTable(sheet_.inputs));
    shown_ = {design, {}, {}, {}};
    if (inputFailures.isEmpty()) {
        shown_.assessment = assessDesign(design, catalogs_.pumps);
        const DesignAssessment &a = shown_.assessment;
        shown_.chart = dutyChartOf(design, a.gravity, a.pumpDuty, a.operatingPoint);
    } else {
        shown_.assessment.checks = inputFailures;
    }
    showAssessment();
}

void MainWindow::showInputFailures(const QList<DesignCheck> &failures)
{
    shown_ = {std::nullopt, {}, {}, {}};
    shown_.assessment.checks = failures;
    showAssessment();
}

void MainWindow::showAssessment()
{
    const QList<DesignCheck> &checks = shown_.assessment.checks;
    checksSummary_->showChecks(checks);
    if (!shown_.exportable())
        enableExports(tr("Not exported while the design fails: %1")
                          .arg(joinShown(shownTexts(shown_.assessment.messages(CheckOutcome::Fail)))));
    else
        enableExports({});
    if (designChecksWindow_)
        designChecksWindow_->setChecks(checks, shown_.chart);
}

void MainWindow::enableExports(const QString &whyNot)
{
    for (QAction *action : {exportReportAction_, exportEpanetAction_}) {
        action->setEnabled(whyNot.isEmpty());
        action->setToolTip(whyNot.isEmpty() ? action->text().remove(QStringLiteral("\u2026")) : whyNot);
    }
}

void MainWindow::showChecksOfSheet()
{
    DesignFromSheet rebuilt = designFromSheet(sheet_.inputs, sheet_.results, catalogs_.tables());
    if (rebuilt.design) {
        showChecks(*rebuilt.design);
        return;
    }
    showUnchecked(rebuilt.unavailable);
}

void MainWindow::showUnchecked(const QString &reason)
{
    shown_ = {std::nullopt, {}, reason, {}};
    if (!reason.isEmpty())
        checksSummary_->showUnavailable(reason);
    enableExports(tr("No design to export: calculate first"));
    if (designChecksWindow_)
        designChecksWindow_->setChecks({}, std::nullopt);
}

void MainWindow::clearChecks()
{
    shown_ = {};
    checksSummary_->clear();
    enableExports(tr("No design to export: calculate first"));
    if (designChecksWindow_)
        designChecksWindow_->setChecks({}, std::nullopt);
}

// --- window events --------------------------------------------------------------

void MainWindow::initialize()
{
    folders_ = DataFolders::resolve(*platform_.folders);
    projectFiles_.setInitialDir(folders_.projectsDir);
    sheet_.state.setModified(false);
    sheet_.state.setPrintable(false);
    sheet_.createTables();
}

void MainWindow::placeCaptions()
{
    const int width = schematic_->width();
    const int height = schematic_->height();
    placeInParent(okButton_, QRect(QPoint(bottomPanel_->width() - 120, okButton_->y()), okButton_->size()));
    placeChecksSummary();
    // Halves (the middle of an odd size) round to even.
    const auto place = [width, height](QLabel *label, SchematicCaption which) {
        const QPointF corner = schematicCaptionPlace(which, width, height);
        label->move(int(roundHalfEven(Extended(corner.x()))), int(roundHalfEven(Extended(corner.y()))));
    };
    place(sourceCaption_, SchematicCaption::SourceElevation);
    place(storageCaption_, SchematicCaption::StorageElevation);
    place(pipelineCaption_, SchematicCaption::PipelineLength);
    place(populationCaption_, SchematicCaption::Population);
    sheet_.windowResized();
}

void MainWindow::firstActivation()
{
    setDecimalSeparator(u'.');
    catalogs_.load(folders_.databaseDir);
}

void MainWindow::confirmExit()
{
    projectFiles_.confirmExit();
}

bool MainWindow::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        // The first activation only: modal windows, boxes and other programs give
        // the focus back without loading the catalogs again.
        if (!activated_) {
            activated_ = true;
            guard([this] { firstActivation(); });
        }
        break;
    case QEvent::LocaleChange:
    case QEvent::ThemeChange:
    case QEvent::ApplicationFontChange:
    case QEvent::ApplicationPaletteChange:
        // A change of the desktop's settings: the regional number format is read
        // again, decimal separator included.
        readRegionalNumberSettings();
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void MainWindow::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    guard([this] { placeCaptions(); });
}

void MainWindow::closeEvent(QCloseEvent *event)
{
    // Whatever the answer to the exit prompt, the program ends; only an error of the
    // save it started keeps the window open.
    if (guard([this] { confirmExit(); }))
        event->accept();
    else
        event->ignore();
}

// --- commands -------------------------------------------------------------------

void MainWindow::newProject()
{
    clearChecks();
    sheet_.newProject();
}

void MainWindow::openProject()
{
    if (projectFiles_.openProject())
        showChecksOfSheet();
}

void MainWindow::saveProject()
{
    projectFiles_.saveProject();
}

void MainWindow::printInputSheet()
{
    ::quorvel::printInputSheet(*printerChoiceDialog_, *platform_.printing, sheet_.inputs, sheet_.projectName());
}

void MainWindow::showDiameters()
{
    diametersWindow().exec();
}

void MainWindow::showPumps()
{
    pumpsWindow().exec();
    recheckAfterCatalogEdit();
}

void MainWindow::showTanks()
{
    tanksWindow().exec();
    recheckAfterCatalogEdit();
}

void MainWindow::recheckAfterCatalogEdit()
{
    // A rated duty or a description edited in the catalog changes what the checks say.
    if (shown_.checked() || !shown_.unavailable.isEmpty())
        showChecksOfSheet();
}

void MainWindow::calculate()
{
    // Print, Save as and Save come on before any input is read, so they stay on when
    // the calculation then fails.
    sheet_.state.setPrintable(true);
    sheet_.state.setModified(true);
    PicksFromWindows picks(pumpsWindow(), tanksWindow());
    clearChecks(); // a run that stops part-way leaves none
    // The calculation's own messages are shown as ever; the checks line says which
    // input makes no sense, however far the run got.
    const InputTexts inputs = InputTexts::fromTable(sheet_.inputs);
    const QList<DesignCheck> inputFailures = inputChecks(inputs);
    try {
        calculation_.run(inputs, catalogs_.tables(), picks, &sheet_.results);
    } catch (const Error &) {
        if (!inputFailures.isEmpty())
            showInputFailures(inputFailures);
        throw;
    }
    const DesignRecord &design = calculation_.design();
    if (design.pumpCatalogRow != 0)
        showChecks(design);
    else if (!inputFailures.isEmpty())
        showInputFailures(inputFailures);
    else // the pumps window closed before any pick: the results name its caption row
        showUnchecked(pumpNotInCatalog(sheet_.results.cell(descriptionColumn, ResultRow::Pump)));
}

void MainWindow::showHelp()
{
    platform_.shell->openDocument(folders_.databaseDir + QStringLiteral("Quorvel Help.chm"));
}

void MainWindow::showAbout()
{
    aboutDialog().exec();
}

void MainWindow::showDesignChecks()
{
    designChecksWindow().setChecks(shown_.assessment.checks, shown_.chart);
    designChecksWindow().exec();
}

QString MainWindow::askExportName(std::unique_ptr<FileDialog> &dialog, const QString &filter, const QString &suffix)
{
    if (!dialog) {
        dialog.reset(platform_.fileDialogs->create(FileDialogs::Kind::Save, this));
        dialog->setFilter(filter);
        dialog->setInitialDir(folders_.projectsDir);
    }
    // The project name as the default name, in the folder last used.
    const QString last = dialog->fileName();
    const QString folder = last.isEmpty() ? folders_.projectsDir : QFileInfo(last).absolutePath() + u'/';
    dialog->setFileName(sheet_.projectName().isEmpty() ? QString() : folder + sheet_.projectName() + suffix);
    return dialog->execute() ? dialog->fileName() : QString();
}

SiteResult MainWindow::shownSite() const
{
    return reportSite(sheet_.projectName(), InputTexts::fromTable(sheet_.inputs), *shown_.design, shown_.assessment,
                      catalogs_);
}

void MainWindow::exportDesignReport()
{
    if (!shown_.exportable())
        return;
    // Who prepared it, asked at every export with the last answer filled in, and
    // remembered for the next one and for quorvel-design.
    const std::optional<ReportAuthor> author = reportAuthorDialog().ask(ReportAuthor::remembered());
    if (!author)
        return;
    author->remember();
    const QString path = askExportName(reportDialog_, tr("PDF files (*.pdf)|*.pdf"), QStringLiteral(".pdf"));
    if (!path.isEmpty())
        writeDesignReport(path, shownSite(), *author);
}

void MainWindow::exportEpanetNetwork()
{
    if (!shown_.exportable())
        return;
    const QString path = askExportName(epanetDialog_, tr("EPANET networks (*.inp)|*.inp"), QStringLiteral(".inp"));
    if (!path.isEmpty())
        writeEpanetFile(path, shownSite());
}

} // namespace quorvel
