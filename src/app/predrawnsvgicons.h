#pragma once

#include <QHash>
#include <QIcon>
#include <QImage>
#include <QStringList>

#include <future>

namespace quorvel {

// Icons from vector pictures whose pixmaps for one size are drawn on another core while
// the window is being made: drawing them would otherwise be a good part of a start-up.
// The pixmaps are those Qt's SVG icon engine draws; other sizes and modes come from
// that engine, made when first asked for.
class PredrawnSvgIcons {
public:
    // Starts drawing the pictures of the files at the size, for the pixel ratio.
    PredrawnSvgIcons(const QStringList &files, const QSize &size, qreal pixelRatio);

    // The icon of a picture, with a picture for the Disabled mode when one is given;
    // both among the files. Waits for the drawing.
    QIcon icon(const QString &file, const QString &disabledFile = {});

private:
    QSize deviceSize_;
    std::future<QHash<QString, QImage>> drawing_;
    QHash<QString, QImage> drawn_;
};

} // namespace quorvel
