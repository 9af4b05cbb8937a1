#pragma once

#include <QIcon>
#include <QList>
#include <QPixmap>

#include <functional>

namespace quorvel {

// A pixmap of an icon drawn beforehand: for one size in device pixels, mode and state.
struct ReadyIconPixmap {
    QSize size;
    QIcon::Mode mode = QIcon::Normal;
    QIcon::State state = QIcon::Off;
    QPixmap pixmap;
};

// An icon whose real one is made, by make, only when first asked for something the
// ready pixmaps do not answer: so making it costs nothing until it is drawn, and
// drawing it at the sizes drawn beforehand costs nothing either.
QIcon deferredIcon(std::function<QIcon()> make, QList<ReadyIconPixmap> ready = {});

} // namespace quorvel
