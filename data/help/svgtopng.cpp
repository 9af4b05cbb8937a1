// Build-time helper: renders an SVG picture into a PNG of a given size, stretched to
// it, on a transparent background. Used for the help file's pictures (help viewers
// do not all show SVG) and for the icon sizes of the desktop theme.
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <cstdio>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5) {
        std::fprintf(stderr, "usage: svgtopng input.svg output.png width height\n");
        return 2;
    }
    bool widthOk = false;
    bool heightOk = false;
    const int width = args[3].toInt(&widthOk);
    const int height = args[4].toInt(&heightOk);
    if (!widthOk || !heightOk || width <= 0 || height <= 0) {
        std::fprintf(stderr, "svgtopng: bad size %s x %s\n", qPrintable(args[3]), qPrintable(args[4]));
        return 2;
    }
    QSvgRenderer renderer(args[1]);
    if (!renderer.isValid()) {
        std::fprintf(stderr, "svgtopng: cannot read %s\n", qPrintable(args[1]));
        return 1;
    }
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter);
    painter.end();
    if (!image.save(args[2], "PNG")) {
        std::fprintf(stderr, "svgtopng: cannot write %s\n", qPrintable(args[2]));
        return 1;
    }
    return 0;
}
