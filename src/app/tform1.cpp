#include "tform1.h"

#include "app/forms.h"
#include "app/stretchedpicture.h"
#include "app/tform6.h"
#include "catalogs/tform2.h"
#include "catalogs/tform3.h"
#include "catalogs/tform4.h"
#include "core/numbers.h"
#include "platform/ui/errorguard.h"
#include "platform/ui/gridwidget.h"
#include "platform/ui/platform.h"
#include "platform/ui/shell.h"
#include "printing/inputsheetprintout.h"
#include "printing/tform5.h"
#include "storage/catalogfiles.h"
#include "storage/datafolders.h"

#include <QBoxLayout>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QToolBar>
#include <QToolButton>

namespace {

// The designed client area.
constexpr int designedWidth = 773;
constexpr int designedHeight = 703;

// Label4 sits on the colour of the desktop background; this is the classic one.
const QColor desktopBackground(0x3a, 0x6e, 0xa5);

QFrame *makePanel(QWidget *parent, const QString &name)
{
    auto *panel = new QFrame(parent);
    panel->setObjectName(name);
    panel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    panel->setLineWidth(1);
    return panel;
}

QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text)
{
    auto *button = new QPushButton(text, parent);
    button->setObjectName(name);
    button->resize(75, 25);
    button->setAutoDefault(false);
    return button;
}

// A caption over the schematic: bold, 21 pixels high, sized to its text, opaque.
QLabel *makeCaption(QWidget *parent, const QString &name, const QString &text, const QColor &colour,
                    const QColor &background)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(name);
    QFont font(QStringLiteral("Tahoma"));
    font.setPixelSize(21);
    font.setBold(true);
    label->setFont(font);
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    palette.setColor(QPalette::Window, background);
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    label->adjustSize();
    return label;
}

// A fixed-width gap in the toolbar.
QWidget *makeGap(QWidget *parent, const QString &name, int width)
{
    auto *gap = new QWidget(parent);
    gap->setObjectName(name);
    gap->setFixedSize(width, 24);
    return gap;
}

} // namespace

TForm1::TForm1(Platform &platform, QWidget *parent)
    : QMainWindow(parent),
      sheet(*this),
      project(sheet, *this, *platform.messages, *platform.fileDialogs, this),
      platform_(platform)
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Quorvel-DravenholtSystems"));
    setFont(QFont(QStringLiteral("Tahoma"), 8));

    buildMenus();
    buildToolBar();
    buildPanels();
    bindTables();
    SG1->setFocus(); // typing goes into the inputs from the start
    resize(designedWidth, designedHeight + menuBar()->sizeHint().height());
}

TForm1::~TForm1() = default;

void TForm1::buildMenus()
{
    QMenuBar *bar = menuBar();
    auto item = [this](QMenu *menu, const QString &name, const QString &caption) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(name);
        return action;
    };
    auto separator = [](QMenu *menu, const QString &name) {
        QAction *action = menu->addSeparator();
        action->setObjectName(name);
        return action;
    };

    File1 = bar->addMenu(QStringLiteral("File"));
    File1->setObjectName(QStringLiteral("File1"));
    Open1 = item(File1, QStringLiteral("Open1"), QStringLiteral("New"));
    Open2 = item(File1, QStringLiteral("Open2"), QStringLiteral("Open"));
    Saveas1 = item(File1, QStringLiteral("Saveas1"), QStringLiteral("Save as"));
    N2 = separator(File1, QStringLiteral("N2"));
    OpenDiametersFile1 = item(File1, QStringLiteral("OpenDiametersFile1"), QStringLiteral("Open Diameters File"));
    N1 = separator(File1, QStringLiteral("N1"));
    Exit1 = item(File1, QStringLiteral("Exit1"), QStringLiteral("Exit"));

    Resources1 = bar->addMenu(QStringLiteral("Resources"));
    Resources1->setObjectName(QStringLiteral("Resources1"));
    Pumps1 = item(Resources1, QStringLiteral("Pumps1"), QStringLiteral("Pumps"));
    DistributionTanks1 = item(Resources1, QStringLiteral("DistributionTanks1"), QStringLiteral("Distribution Tanks"));

    Help1 = bar->addMenu(QStringLiteral("Help"));
    Help1->setObjectName(QStringLiteral("Help1"));
    AboutQuorvel1 = item(Help1, QStringLiteral("AboutQuorvel1"), QStringLiteral("Quorvel"));
    AboutQuorvel2 = item(Help1, QStringLiteral("AboutQuorvel2"), QStringLiteral("About Quorvel"));

    bind(Open1, &TForm1::Open1Click);
    bind(Open2, &TForm1::Open2Click);
    bind(Saveas1, &TForm1::Saveas1Click);
    bind(OpenDiametersFile1, &TForm1::OpenDiametersFile1Click);
    bind(Exit1, &TForm1::Exit1Click);
    bind(Pumps1, &TForm1::Pumps1Click);
    bind(DistributionTanks1, &TForm1::DistributionTanks1Click);
    bind(AboutQuorvel1, &TForm1::AboutQuorvel1Click);
    bind(AboutQuorvel2, &TForm1::AboutQuorvel2Click);
}

void TForm1::buildToolBar()
{
    ToolBar1 = new QToolBar(this);
    ToolBar1->setObjectName(QStringLiteral("ToolBar1"));
    ToolBar1->setMovable(false);
    ToolBar1->setFloatable(false);
    ToolBar1->setContextMenuPolicy(Qt::PreventContextMenu);
    ToolBar1->setFixedHeight(29);
    ToolBar1->setIconSize(QSize(16, 16));
    ToolBar1->setContentsMargins(0, 0, 0, 0);
    ToolBar1->layout()->setSpacing(0);
    addToolBar(Qt::TopToolBarArea, ToolBar1);

    auto button = [this](const QString &name, const QString &hint, const QString &picture, bool greyed) {
        auto *b = new QToolButton(ToolBar1);
        b->setObjectName(name);
        b->setToolTip(hint);
        b->setAutoRaise(true);
        b->setFocusPolicy(Qt::NoFocus); // picture buttons never take the focus
        b->setFixedSize(23, 24);
        QIcon icon(QStringLiteral(":/toolbar/%1.svg").arg(picture));
        if (greyed)
            icon.addFile(QStringLiteral(":/toolbar/%1-disabled.svg").arg(picture), QSize(), QIcon::Disabled);
        b->setIcon(icon);
        ToolBar1->addWidget(b);
        return b;
    };
    SpeedButton1 = button(QStringLiteral("SpeedButton1"), QStringLiteral("Open a file"), QStringLiteral("open"), true);
    SpeedButton2 = button(QStringLiteral("SpeedButton2"), QStringLiteral("Save the current project"), QStringLiteral("save"), true);
    SpeedButton3 = button(QStringLiteral("SpeedButton3"), QStringLiteral("Print the current project"), QStringLiteral("print"), true);
    Splitter1 = makeGap(ToolBar1, QStringLiteral("Splitter1"), 44);
    ToolBar1->addWidget(Splitter1);
    SpeedButton4 = button(QStringLiteral("SpeedButton4"), QStringLiteral("Open the Pipes file"), QStringLiteral("pipes"), false);
    SpeedButton5 = button(QStringLiteral("SpeedButton5"), QStringLiteral("Open the Pumps file"), QStringLiteral("pump"), false);
    SpeedButton6 = button(QStringLiteral("SpeedButton6"), QStringLiteral("Open the Tanks file"), QStringLiteral("tank"), false);
    Splitter2 = makeGap(ToolBar1, QStringLiteral("Splitter2"), 59);
    ToolBar1->addWidget(Splitter2);

    bind(SpeedButton1, &TForm1::SpeedButton1Click);
    bind(SpeedButton2, &TForm1::SpeedButton2Click);
    bind(SpeedButton3, &TForm1::SpeedButton3Click);
    bind(SpeedButton4, &TForm1::SpeedButton4Click);
    bind(SpeedButton5, &TForm1::SpeedButton5Click);
    bind(SpeedButton6, &TForm1::SpeedButton6Click);
}

void TForm1::buildPanels()
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

    // Panel1: bottom edge, the "OK" button (placed by FormResize).
    Panel1 = makePanel(client, QStringLiteral("Panel1"));
    Panel1->setFixedHeight(65);
    clientLayout->addWidget(Panel1);
    BitBtn1 = makeButton(Panel1, QStringLiteral("BitBtn1"), QStringLiteral("OK"));
    BitBtn1->move(designedWidth - 120, 24);
    bind(BitBtn1, &TForm1::BitBtn1Click);

    // Panel2: left edge, the project name and the two tables stacked from the top.
    // Placed, not laid out: a low window cuts the panels off rather than growing.
    Panel2 = makePanel(client, QStringLiteral("Panel2"));
    Panel2->setFixedWidth(705);
    middle->addWidget(Panel2);
    const int inner = 705 - 2;

    Panel5 = makePanel(Panel2, QStringLiteral("Panel5"));
    Panel5->setGeometry(1, 1, inner, 64);
    StaticText1 = new QLabel(QStringLiteral("Project:"), Panel5);
    StaticText1->setObjectName(QStringLiteral("StaticText1"));
    Edit1 = new QLineEdit(Panel5);
    Edit1->setObjectName(QStringLiteral("Edit1"));
    Edit1->setGeometry(141, 24, 210, 21);
    StaticText1->adjustSize();
    // Lined up with the edit box's text.
    StaticText1->move(93, 24 + (21 - StaticText1->height()) / 2);
    connect(Edit1, &QLineEdit::textEdited, this,
            [this](const QString &text) { guard([&] { sheet.setProjectName(text); }); });
    connect(&sheet, &ProjectSheet::projectNameChanged, this, [this](const QString &name) {
        if (Edit1->text() != name)
            Edit1->setText(name);
    });

    Panel3 = makePanel(Panel2, QStringLiteral("Panel3"));
    Panel3->setGeometry(1, 1 + 64, inner, 208);
    SG1 = new GridWidget(Panel3);
    SG1->setObjectName(QStringLiteral("SG1"));
    SG1->setGeometry(Panel3->contentsRect());

    Panel4 = makePanel(Panel2, QStringLiteral("Panel4"));
    Panel4->setGeometry(1, 1 + 64 + 208, inner, 337);
    BitBtn2 = makeButton(Panel4, QStringLiteral("BitBtn2"), QStringLiteral("To Calculate"));
    BitBtn2->move(587, 6);
    bind(BitBtn2, &TForm1::BitBtn2Click);
    SG2 = new GridWidget(Panel4);
    SG2->setObjectName(QStringLiteral("SG2"));
    const QRect along = Panel4->contentsRect();
    SG2->setGeometry(along.left(), along.bottom() + 1 - 287, along.width(), 287);

    // Panel6: the rest, the schematic with the four captions over it.
    Panel6 = makePanel(client, QStringLiteral("Panel6"));
    middle->addWidget(Panel6, 1);
    auto *picture = new QVBoxLayout(Panel6);
    picture->setContentsMargins(0, 0, 0, 0);
    Image1 = new StretchedPicture(QStringLiteral(":/schematic.svg"), Panel6);
    Image1->setObjectName(QStringLiteral("Image1"));
    picture->addWidget(Image1);
    const QColor face = palette().color(QPalette::Button);
    Label1 = makeCaption(Panel6, QStringLiteral("Label1"), sheet.label(1), Qt::red, face);
    Label2 = makeCaption(Panel6, QStringLiteral("Label2"), sheet.label(2), Qt::red, face);
    Label3 = makeCaption(Panel6, QStringLiteral("Label3"), sheet.label(3), Qt::blue, face);
    Label4 = makeCaption(Panel6, QStringLiteral("Label4"), sheet.label(4), Qt::black, desktopBackground);
    connect(&sheet, &ProjectSheet::labelChanged, this, &TForm1::showCaption);
}

void TForm1::bindTables()
{
    SG1->setTable(&sheet.SG1);
    SG1->setRangeSelect(true);
    SG1->onSelectCell = [this](int col, int row) { return guard([&] { SG1SelectCell(col, row); }); };
    SG1->onKeyUp = [this](int) { guard([this] { SG1KeyUp(); }); };
    SG2->setTable(&sheet.SG2);
}

bool TForm1::guard(const std::function<void()> &handler)
{
    return guarded(*platform_.messages, handler);
}

void TForm1::bind(QAction *action, void (TForm1::*handler)())
{
    connect(action, &QAction::triggered, this, [this, handler] { guard([&] { (this->*handler)(); }); });
}

void TForm1::bind(QAbstractButton *button, void (TForm1::*handler)())
{
    connect(button, &QAbstractButton::clicked, this, [this, handler] { guard([&] { (this->*handler)(); }); });
}

void TForm1::showCaption(int n, const QString &text)
{
    QLabel *labels[] = {nullptr, Label1, Label2, Label3, Label4};
    if (n < 1 || n > 4)
        return;
    labels[n]->setText(text);
    labels[n]->adjustSize();
}

// --- window events --------------------------------------------------------------

void TForm1::FormCreate()
{
    resolveDataFolders(*platform_.folders);
    project.setInitialDir(projectsDir);
    setSaveAsEnabled(false);
    setSaveEnabled(false);
    setPrintEnabled(false);
    sheet.createTables();
}

void TForm1::FormResize()
{
    const int W = Image1->width();
    const int H = Image1->height();
    BitBtn1->move(Panel1->width() - 120, BitBtn1->y());
    Label1->move(20, H - 40);
    Label2->move(W - 380, 80);
    Label3->move(int(RoundHalfEven(Extended(W) / 2)), int(RoundHalfEven(Extended(H) / 2)));
    Label4->move(W - 240, H - 120);
    sheet.resizeTexts();
}

void TForm1::FormActivate()
{
    setDecimalSeparator(u'.');
    if (!Form2 || !Form3 || !Form4)
        return; // the catalog windows were not created
    loadCatalogs(Form2->table, Form3->table, Form4->table, calc.nd);
}

void TForm1::FormClose()
{
    project.FormClose();
}

void TForm1::SG1SelectCell(int ACol, int ARow)
{
    sheet.SG1SelectCell(ACol, ARow);
}

void TForm1::SG1KeyUp()
{
    sheet.SG1KeyUp();
}

bool TForm1::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::WindowActivate:
        // The first activation only: modal windows, boxes and other programs give
        // the focus back without loading the catalogs again.
        if (!activated_) {
            activated_ = true;
            guard([this] { FormActivate(); });
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

void TForm1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    guard([this] { FormResize(); });
}

void TForm1::closeEvent(QCloseEvent *event)
{
    // Whatever the answer to the exit prompt, the program ends; only an error of the
    // save it started keeps the window open.
    if (guard([this] { FormClose(); }))
        event->accept();
    else
        event->ignore();
}

// --- commands -------------------------------------------------------------------

void TForm1::Open1Click()
{
    sheet.Open1Click();
}

void TForm1::Open2Click()
{
    SpeedButton1Click();
}

void TForm1::Saveas1Click()
{
    SpeedButton2Click();
}

void TForm1::OpenDiametersFile1Click()
{
    SpeedButton4Click();
}

void TForm1::Exit1Click()
{
    close();
}

void TForm1::Pumps1Click()
{
    SpeedButton5Click();
}

void TForm1::DistributionTanks1Click()
{
    SpeedButton6Click();
}

void TForm1::AboutQuorvel1Click()
{
    platform_.shell->openDocument(databaseDir + QStringLiteral("Quorvel Help.chm"));
}

void TForm1::AboutQuorvel2Click()
{
    Form6->exec();
}

void TForm1::SpeedButton1Click()
{
    project.SpeedButton1Click();
}

void TForm1::SpeedButton2Click()
{
    project.SpeedButton2Click();
}

void TForm1::SpeedButton3Click()
{
    printInputSheet(*Form5, *platform_.printing, sheet.SG1, sheet.projectName());
}

void TForm1::SpeedButton4Click()
{
    Form2->exec();
}

void TForm1::SpeedButton5Click()
{
    Form3->exec();
}

void TForm1::SpeedButton6Click()
{
    Form4->exec();
}

void TForm1::BitBtn2Click()
{
    // The calculation enables Print, Save as and Save before it reads anything.
    const DesignCalculation::Tables tables{sheet.SG1, sheet.SG2, Form2->table, Form3->table, Form4->table};
    calc.run(tables, *this, *this);
}

void TForm1::BitBtn1Click()
{
    close();
}

// --- command switches and picks ---------------------------------------------------

void TForm1::setSaveEnabled(bool on)
{
    SpeedButton2->setEnabled(on);
}

void TForm1::setSaveAsEnabled(bool on)
{
    Saveas1->setEnabled(on);
}

void TForm1::setPrintEnabled(bool on)
{
    SpeedButton3->setEnabled(on);
}

bool TForm1::saveEnabled() const
{
    return SpeedButton2->isEnabledTo(ToolBar1);
}

bool TForm1::saveAsEnabled() const
{
    return Saveas1->isEnabled();
}

bool TForm1::printEnabled() const
{
    return SpeedButton3->isEnabledTo(ToolBar1);
}

void TForm1::showPumpPicker()
{
    Form3->Button2->setVisible(true);
    Form3->Button1->setVisible(false);
    Form3->exec();
}

void TForm1::endPumpPick()
{
    Form3->Button2->setVisible(false);
    Form3->Button1->setVisible(true);
}

void TForm1::showTankPicker()
{
    Form4->exec();
}
