#include "windowparts.h"

#include <QFontDatabase>
#include <QFrame>
#include <QPushButton>
#include <QStyle>

namespace quorvel {

namespace {

// The window layouts were made for Tahoma's metrics; a wider stand-in cuts their captions.
// Where the system has no Tahoma, the metric-compatible one of Debian's fonts-wine (not
// registered with fontconfig) is registered for this program only. Only the regular face:
// the bold one of fonts-wine is bold in its small bitmaps but not in its outlines, so the
// large bold captions come out bolder emboldened from the regular face.
// The list of installed families is looked in rather than hasFamily(), which also asks
// fontconfig to resolve aliases: that alone took a fifth of a start-up.
bool provideTahoma()
{
    const QString family = QStringLiteral("Tahoma");
    if (QFontDatabase::families().contains(family, Qt::CaseInsensitive))
        return true;
    return QFontDatabase::addApplicationFont(QStringLiteral(QUORVEL_TAHOMA_DIR "/tahoma.ttf")) != -1;
}

} // namespace

QFont windowFont()
{
    [[maybe_unused]] static const bool tahoma = provideTahoma();
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

namespace quorvel {

void placeInParent(QWidget *child, const QRect &leftToRight)
{
    child->setGeometry(QStyle::visualRect(child->layoutDirection(), child->parentWidget()->rect(), leftToRight));
}

} // namespace quorvel
