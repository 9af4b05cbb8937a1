#include "stretchedpicture.h"

#include "othercore.h"

#include <QFile>
#include <QPainter>
#include <QSvgRenderer>

#include <cmath>

namespace quorvel {

StretchedPicture::StretchedPicture(QWidget *parent) : QWidget(parent)
{
    setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Ignored);
}

StretchedPicture::StretchedPicture(const QString &file, QWidget *parent) : StretchedPicture(parent)
{
    setPicture(file);
}

StretchedPicture::~StretchedPicture() = default; // waits for the drawings under way

void StretchedPicture::setPicture(const QString &file)
{
    picture_ = file;
    QFile source(file);
    svg_ = source.open(QIODevice::ReadOnly) ? source.readAll() : QByteArray();
    drawings_.clear();
    drawn_ = {};
    straight_.reset();
    update();
}

QSize StretchedPicture::pictureSize() const
{
    return QSvgRenderer(svg_).defaultSize();
}

StretchedPicture::Frame StretchedPicture::frameFor(const QPoint &origin, qreal pixelRatio) const
{
    return {origin, size(), pixelRatio, palette().color(backgroundRole())};
}

StretchedPicture::Drawing StretchedPicture::draw(const QByteArray &picture, const Frame &frame,
                                                 const std::atomic_bool *stop)
{
    QSvgRenderer renderer(picture);
    renderer.setAspectRatioMode(Qt::IgnoreAspectRatio);
    if (stop && *stop)
        return {};
    // The image shows exactly the pixels the picture drawn straight onto the device
    // would: it is opaque on the colour the box shows through anyway, and drawn at the
    // box's place on an image that starts where the device does (gradients depend on
    // device coordinates to the last bit); only the box's part of it is kept.
    const QRect box(frame.origin, frame.size);
    QImage image(QSize(box.right() + 1, box.bottom() + 1) * frame.pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(frame.pixelRatio);
    QPainter painter(&image);
    painter.fillRect(box, frame.background);
    painter.setClipRect(box);
    painter.setRenderHint(QPainter::Antialiasing);
    renderer.render(&painter, QRectF(box));
    painter.end();
    QImage part = image.copy(QRect(box.topLeft() * frame.pixelRatio, box.size() * frame.pixelRatio));
    part.setDevicePixelRatio(frame.pixelRatio);
    return {frame, part};
}

bool StretchedPicture::drawnThroughImage(qreal pixelRatio)
{
    return pixelRatio == std::round(pixelRatio);
}

void StretchedPicture::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    if (svg_.isEmpty() || size().isEmpty() || !drawnThroughImage(devicePixelRatioF()))
        return;
    for (PendingDrawing &older : drawings_)
        *older.superseded = true;
    const Frame frame = frameFor(mapTo(window(), QPoint()), devicePixelRatioF());
    auto superseded = std::make_shared<std::atomic_bool>(false);
    drawings_.push_back({superseded, startOnOtherCore([picture = svg_, frame, superseded] {
                             return draw(picture, frame, superseded.get());
                         })});
}

void StretchedPicture::paintEvent(QPaintEvent *)
{
    if (svg_.isEmpty())
        return;
    QPainter painter(this);
    const qreal pixelRatio = painter.device()->devicePixelRatioF();
    if (!drawnThroughImage(pixelRatio)) {
        if (!straight_) {
            straight_ = std::make_unique<QSvgRenderer>(svg_);
            straight_->setAspectRatioMode(Qt::IgnoreAspectRatio);
        }
        painter.setRenderHint(QPainter::Antialiasing);
        straight_->render(&painter, QRectF(rect()));
        return;
    }
    const QPointF origin = painter.deviceTransform().map(QPointF()) / pixelRatio;
    const Frame wanted = frameFor(origin.toPoint(), pixelRatio);
    if (!drawings_.empty()) {
        Drawing newest = drawings_.back().drawing.get();
        drawings_.clear();
        if (newest.frame == wanted)
            drawn_ = std::move(newest);
    }
    if (drawn_.frame != wanted)
        drawn_ = draw(svg_, wanted);
    painter.drawImage(QPointF(), drawn_.image);
}

} // namespace quorvel
