#include "stretchedpicture.h"

#include <QPainter>

namespace quorvel {

StretchedPicture::StretchedPicture(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

StretchedPicture::StretchedPicture(const QString &file, QWidget *parent) : StretchedPicture(parent)
{
    setPicture(file);
}

void StretchedPicture::setPicture(const QString &file)
{
    picture_ = file;
    renderer_.load(file);
    renderer_.setAspectRatioMode(Qt::IgnoreAspectRatio);
    update();
}

void StretchedPicture::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer_.render(&painter, QRectF(rect()));
}

} // namespace quorvel
