#include "qtpictureloader.h"

#include "error.h"
#include "files.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

namespace quorvel {

namespace {

// The extension as written in the file name: the text after the last "." of the
// name part, empty when there is none (a folder path ending in "/" has none).
QString extensionOf(const QString &path)
{
    const QString name = path.mid(path.lastIndexOf(QLatin1Char('/')) + 1);
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    return dot < 0 ? QString() : name.mid(dot + 1);
}

// Qt's reader format for an extension of the list; empty for any other.
QByteArray readerFormatFor(const QString &extension)
{
    const QString ext = extension.toLower();
    if (ext == u"bmp")
        return "bmp";
    if (ext == u"ico")
        return "ico";
    if (ext == u"wmf" || ext == u"emf")
        return ext.toLatin1(); // no reader here: the reader's own refusal is the message
    if (ext == u"tif" || ext == u"tiff")
        return "tiff";
    return {};
}

} // namespace

QImage QtPictureLoader::load(const QString &path)
{
    const QString extension = extensionOf(path);
    const QByteArray format = readerFormatFor(extension);
    if (format.isEmpty())
        throw Error(translatable("quorvel::Pictures", "Unknown picture file extension (.%1)").arg(extension));

    QByteArray bytes;
    QString reason;
    if (!readWholeFile(path, bytes, reason))
        throw Error(translatable("quorvel::Files", "Cannot open file \"%1\". %2").arg(shownPath(path), reason));
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull()) {
        if (format == "bmp")
            throw Error(translatable("quorvel::Pictures", "Bitmap image is not valid"));
        throw Error(reader.errorString());
    }
    return image;
}

} // namespace quorvel
