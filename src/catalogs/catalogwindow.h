#pragma once

#include <QDialog>
#include <functional>

class CellTable;
class GridWidget;
class QFrame;
class QKeyEvent;
class QPushButton;
struct Platform;

// What the three catalog windows share: a title bar with the system menu and close
// box only, Tahoma 8 pt, no closing by Escape (none of them has a cancel button),
// event bindings through the error wrapper, and an activation handler that runs
// once per showing, as soon as the window is visible and before it takes input.
class CatalogWindow : public QDialog {
    Q_OBJECT
public:
    CatalogWindow(Platform &platform, const QString &caption, int clientWidth,
                  int clientHeight, QWidget *parent);

    // Showing runs the activation.
    void setVisible(bool visible) override;

protected:
    // The window's FormActivate; the default does nothing.
    virtual void activate() {}

    // Runs a handler through the error wrapper; false when it failed.
    bool guard(const std::function<void()> &handler);
    // Binds a button's click to a handler through the error wrapper.
    void onClick(QPushButton *button, std::function<void()> handler);

    // The window's table shown in a grid: pixel sizes, editability, range selection,
    // and the highlight on cell (1, 1) as at creation.
    GridWidget *makeGrid(CellTable &table, const QString &name, int colWidth, bool editable);
    // A raised panel such as the ones that hold the buttons and the picture.
    static QFrame *makePanel(QWidget *parent, const QString &name);
    // A 75 x 25 button at a fixed place in its panel, neither default nor cancel.
    static QPushButton *makeButton(const QString &text, const QString &name, QWidget *panel,
                                   int left, int top);

    void keyPressEvent(QKeyEvent *event) override;

    Platform &platform_;
};
