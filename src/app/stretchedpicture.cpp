#include "stretchedpicture.h"

#include <QPainter>

namespace quorvel {

StretchedPicture::StretchedPicture(const QString &file, QWidget *parent) : QWidget(parent), renderer_(file)
{
    renderer_.setAspectRatioMode(Qt::IgnoreAspectRatio);
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

void StretchedPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&painter, QRectF(rect()));
}

} // namespace quorvel
