#pragma once

#include <QColor>
#include <QImage>
#include <QPoint>
#include <QWidget>

#include <atomic>
#include <future>
#include <memory>
#include <vector>

class QSvgRenderer;

namespace quorvel {

// A picture box that stretches a vector picture over its whole area, without
// keeping the picture's proportions; drawn afresh at every size, so it stays sharp.
// The picture is drawn into an image on the box's background colour. After a resize
// that drawing starts at once on another core, so that while the window lays out and
// paints its other parts the picture is being drawn beside them. At a fractional pixel
// ratio, where an image cannot hold the same pixels, it is drawn straight onto the window.
class StretchedPicture : public QWidget {
    Q_OBJECT
    // The picture's file or resource path, so that forms can set it.
    Q_PROPERTY(QString picture READ picture WRITE setPicture)
public:
    explicit StretchedPicture(QWidget *parent = nullptr);
    explicit StretchedPicture(const QString &file, QWidget *parent = nullptr);
    ~StretchedPicture() override;

    QString picture() const { return picture_; }
    void setPicture(const QString &file);

    QSize pictureSize() const;

protected:
    void resizeEvent(QResizeEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    // What a drawing is made for; a drawing for another size, pixel ratio or
    // background is made again.
    struct Frame {
        QPoint origin; // the box's place on the device, in device-independent pixels
        QSize size;
        qreal pixelRatio = 1;
        QColor background;
        bool operator==(const Frame &) const = default;
    };
    struct Drawing {
        Frame frame;
        QImage image;
    };
    // Gives up, with no image, once stop is set (when given).
    static Drawing draw(const QByteArray &picture, const Frame &frame, const std::atomic_bool *stop = nullptr);
    Frame frameFor(const QPoint &origin, qreal pixelRatio) const;
    static bool drawnThroughImage(qreal pixelRatio);

    QString picture_;
    QByteArray svg_;
    Drawing drawn_;
    // Under way on another core, one for each size the box took since it was last
    // painted, the newest last. While the window still lays itself out the older
    // ones are told to stop, and dropped once done.
    struct PendingDrawing {
        std::shared_ptr<std::atomic_bool> superseded;
        std::future<Drawing> drawing;
    };
    std::vector<PendingDrawing> drawings_;
    std::unique_ptr<QSvgRenderer> straight_; // at fractional pixel ratios, made when first needed
};

} // namespace quorvel
