#pragma once

#include <QDialog>

class QLabel;
class QPushButton;
class StretchedPicture;

// The About window: logo, product line, maker, schematic and web address. It is
// created hidden at start-up, shown modally any number of times and only hidden
// in between, so every showing is the same window.
class TForm6 : public QDialog {
    Q_OBJECT
public:
    explicit TForm6(QWidget *parent = nullptr);

    StretchedPicture *Image2 = nullptr; // the maker's logo
    QLabel *StaticText1 = nullptr;
    QLabel *StaticText2 = nullptr;
    StretchedPicture *Image1 = nullptr; // the main window's schematic
    QLabel *StaticText3 = nullptr;      // the maker's web address
    QPushButton *OK = nullptr;

    void OKClick();
};
