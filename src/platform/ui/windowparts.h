#pragma once

#include <QFont>
#include <QRect>
#include <QString>

class QFrame;
class QPushButton;
class QWidget;

namespace quorvel {

// Pieces every window of the program is made of.

// The designed font of every window: Tahoma, 8 points. The first call registers the
// Tahoma of fonts-wine with the application when the system has none.
QFont windowFont();

// A raised panel with a one-pixel edge, such as the ones that hold buttons, tables
// and pictures.
QFrame *makeRaisedPanel(QWidget *parent, const QString &name);

// A 75 x 25 push button that Enter does not press unless it has the focus.
QPushButton *makeButton(QWidget *parent, const QString &name, const QString &text);

// Places a child at a place given left to right in its parent, mirrored in the parent
// when the window reads right to left: Qt mirrors what layouts place, not what is
// placed by hand.
void placeInParent(QWidget *child, const QRect &leftToRight);

} // namespace quorvel
