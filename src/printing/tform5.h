#pragma once

#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;
struct Platform;

// Set by "Cancel" and cleared by "OK" of the printer choice window; the printout
// reads it right after the window closes.
inline bool printCancelled = false;

// The printer choice window, shown modally before every printout. It works on the
// program-wide current printer, so a printer picked here stays current for every
// later printout, whichever way the window was closed.
class TForm5 : public QDialog {
    Q_OBJECT
public:
    TForm5(Platform &platform, QWidget *parent = nullptr);

    // Fills the printer box with the installed printers, showing the default one's
    // name with no entry selected. Fails when there is no default printer.
    void FormCreate();
    // The user changed the box: its selected entry, or the default printer when the
    // text matches no entry, becomes the current printer.
    void ComboBox1Change();
    void Button3Click(); // "Printer Setup"
    void Button1Click(); // "OK"
    void Button2Click(); // "Cancel"

    QLabel *StaticText1;
    QComboBox *ComboBox1;
    QPushButton *Button3;
    QPushButton *Button1;
    QPushButton *Button2;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void done(int result) override;

private:
    void bind(QPushButton *button, void (TForm5::*handler)());
    void textEdited(const QString &text);

    Platform &platform_;
    QWidget *focusAtClose_;
};
