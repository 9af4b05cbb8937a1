#include "windowparts.h"

#include <QFrame>
#include <QPushButton>

namespace quorvel {

QFont windowFont()
{
    return QFont(QStringLiteral("Tahoma"), 8);
}

QFrame *makeRaisedPanel(QWidget *parent, const QString &name)
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
    // In a dialog Qt makes buttons default-capable; here Enter presses no button.
    button->setAutoDefault(false);
    button->setDefault(false);
    return button;
}

} // namespace quorvel
