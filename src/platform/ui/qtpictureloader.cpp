#include "platform/ui/qtpictureloader.h"

#include "core/error.h"
#include "platform/sys/files.h"

#include <QBuffer>
#include <QByteArray>
#include <QImageReader>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

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

[[noreturn]] void raiseOpenError(const QString &path, int errorCode)
{
    throw Error(QStringLiteral("Cannot open file \"%1\". %2")
                    .arg(absoluteFilePath(path), systemErrorText(errorCode)));
}

// Reads the whole file while holding it against writers.
QByteArray readWholeFile(const QString &path)
{
    const QByteArray native = path.toLocal8Bit();
    const int fd = ::open(native.constData(), O_RDONLY | O_CLOEXEC);
    if (fd < 0)
        raiseOpenError(path, errno);
    struct Closer {
        int fd;
        ~Closer() { ::close(fd); }
    } closer{fd};

    // Opening a folder succeeds here but is no file to read.
    struct stat info {};
    if (::fstat(fd, &info) != 0)
        raiseOpenError(path, errno);
    if (S_ISDIR(info.st_mode))
        raiseOpenError(path, EISDIR);

    FileLock lock(fd, FileLock::Mode::Shared);
    if (!lock.locked())
        raiseOpenError(path, lock.error());

    QByteArray bytes;
    char buffer[65536];
    for (;;) {
        const ssize_t n = ::read(fd, buffer, sizeof buffer);
        if (n < 0) {
            if (errno == EINTR)
                continue;
            raiseOpenError(path, errno);
        }
        if (n == 0)
            break;
        bytes.append(buffer, n);
    }
    return bytes;
}

} // namespace

QImage QtPictureLoader::load(const QString &path)
{
    const QString extension = extensionOf(path);
    const QByteArray format = readerFormatFor(extension);
    if (format.isEmpty())
        throw Error(QStringLiteral("Unknown picture file extension (.%1)").arg(extension));

    QByteArray bytes = readWholeFile(path);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, format);
    reader.setAutoDetectImageFormat(false);
    QImage image = reader.read();
    if (image.isNull()) {
        if (format == "bmp")
            throw Error(QStringLiteral("Bitmap image is not valid"));
        throw Error(reader.errorString());
    }
    return image;
}
