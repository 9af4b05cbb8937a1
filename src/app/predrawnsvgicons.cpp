#include "predrawnsvgicons.h"

#include "deferredicon.h"
#include "othercore.h"

#include <QPainter>
#include <QSvgRenderer>

namespace quorvel {

namespace {

// A picture as Qt's SVG icon engine draws it for a pixmap of the given size.
QImage drawnAsIcon(const QString &file, const QSize &size)
{
    QSvgRenderer renderer(file);
    if (!renderer.isValid())
        return {};
    QSize actual = renderer.defaultSize();
    if (!actual.isNull())
        actual.scale(size, Qt::KeepAspectRatio);
    if (actual.isEmpty())
        return {};
    QImage image(actual, QImage::Format_ARGB32_Premultiplied);
    image.fill(0x00000000);
    QPainter painter(&image);
    renderer.render(&painter);
    return image;
}

} // namespace

PredrawnSvgIcons::PredrawnSvgIcons(const QStringList &files, const QSize &size, qreal pixelRatio)
    : deviceSize_(size * pixelRatio)
{
    drawing_ = startOnOtherCore([files, deviceSize = deviceSize_] {
        QHash<QString, QImage> drawn;
        for (const QString &file : files)
            drawn.insert(file, drawnAsIcon(file, deviceSize));
        return drawn;
    });
}

QIcon PredrawnSvgIcons::icon(const QString &file, const QString &disabledFile)
{
    if (drawing_.valid())
        drawn_ = drawing_.get();
    QList<ReadyIconPixmap> ready;
    const auto addReady = [&](const QString &picture, QIcon::Mode mode) {
        const QImage image = drawn_.value(picture);
        if (!image.isNull())
            ready.append({deviceSize_, mode, QIcon::Off, QPixmap::fromImage(image)});
    };
    addReady(file, QIcon::Normal);
    if (!disabledFile.isEmpty())
        addReady(disabledFile, QIcon::Disabled);
    return deferredIcon(
        [file, disabledFile] {
            QIcon full(file);
            if (!disabledFile.isEmpty())
                full.addFile(disabledFile, QSize(), QIcon::Disabled);
            return full;
        },
        ready);
}

} // namespace quorvel
