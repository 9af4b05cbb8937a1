#pragma once

#include "core/commandswitches.h"
#include "core/designcalculation.h"
#include "core/projectsheet.h"
#include "project/projectfiles.h"

#include <QMainWindow>
#include <functional>

class GridWidget;
class QAbstractButton;
class QAction;
class QFrame;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QToolBar;
class QToolButton;
class StretchedPicture;
struct Platform;

// The main window: toolbar, menu, the project name, the input and result tables,
// the schematic with its four captions. It routes every command to the part of the
// program that does the work, switches Save, Save as and Print, and supplies the
// calculation with the pump and tank picks.
class TForm1 : public QMainWindow, public CommandSwitches, public CatalogPickers {
    Q_OBJECT
public:
    explicit TForm1(Platform &platform, QWidget *parent = nullptr);
    ~TForm1() override;

    ProjectSheet sheet;     // SG1, SG2, C, R, the captions and the project name
    DesignCalculation calc; // nd, qd, de, di, dn, hf
    ProjectFiles project;   // the project file set and the exit prompt

    QToolBar *ToolBar1;
    QToolButton *SpeedButton1; // open
    QToolButton *SpeedButton2; // save
    QToolButton *SpeedButton3; // print
    QWidget *Splitter1;
    QToolButton *SpeedButton4; // pipes
    QToolButton *SpeedButton5; // pumps
    QToolButton *SpeedButton6; // tanks
    QWidget *Splitter2;
    QFrame *Panel1;
    QPushButton *BitBtn1; // "OK"
    QFrame *Panel2;
    QFrame *Panel5;
    QLabel *StaticText1;
    QLineEdit *Edit1; // the project name
    QFrame *Panel3;
    GridWidget *SG1;
    QFrame *Panel4;
    QPushButton *BitBtn2; // "To Calculate"
    GridWidget *SG2;
    QFrame *Panel6;
    StretchedPicture *Image1;
    QLabel *Label1; // water source elevation
    QLabel *Label2; // storage elevation
    QLabel *Label3; // pipeline length
    QLabel *Label4; // population

    QMenu *File1;
    QAction *Open1; // "New"
    QAction *Open2; // "Open"
    QAction *Saveas1;
    QAction *N2;
    QAction *OpenDiametersFile1;
    QAction *N1;
    QAction *Exit1;
    QMenu *Resources1;
    QAction *Pumps1;
    QAction *DistributionTanks1;
    QMenu *Help1;
    QAction *AboutQuorvel1; // "Quorvel": the help file
    QAction *AboutQuorvel2; // "About Quorvel"

    // Window events.
    void FormCreate();
    void FormResize();
    void FormActivate();
    void FormClose();
    void SG1SelectCell(int ACol, int ARow);
    void SG1KeyUp();

    // Commands.
    void Open1Click();
    void Open2Click();
    void Saveas1Click();
    void OpenDiametersFile1Click();
    void Exit1Click();
    void Pumps1Click();
    void DistributionTanks1Click();
    void AboutQuorvel1Click();
    void AboutQuorvel2Click();
    void SpeedButton1Click();
    void SpeedButton2Click();
    void SpeedButton3Click();
    void SpeedButton4Click();
    void SpeedButton5Click();
    void SpeedButton6Click();
    void BitBtn2Click();
    void BitBtn1Click();

    // CommandSwitches: Save = SpeedButton2, Save as = Saveas1, Print = SpeedButton3.
    void setSaveEnabled(bool on) override;
    void setSaveAsEnabled(bool on) override;
    void setPrintEnabled(bool on) override;
    bool saveEnabled() const override;
    bool saveAsEnabled() const;
    bool printEnabled() const;

    // CatalogPickers: the pumps and tanks windows shown for the calculation's picks.
    void showPumpPicker() override;
    void endPumpPick() override;
    void showTankPicker() override;

    bool activated() const { return activated_; }

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    void buildMenus();
    void buildToolBar();
    void buildPanels();
    void bindTables();
    bool guard(const std::function<void()> &handler);
    void bind(QAction *action, void (TForm1::*handler)());
    void bind(QAbstractButton *button, void (TForm1::*handler)());
    void showCaption(int n, const QString &text);

    Platform &platform_;
    bool activated_ = false;
};
