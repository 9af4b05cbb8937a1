#pragma once

#include <QImage>
#include <QString>

namespace quorvel {

// Loads a picture file, choosing the decoder by the file's extension
// ("bmp", "ico", "wmf", "emf", "tif", "tiff", any case). Raises Error with
// "Unknown picture file extension (.%s)" before opening anything else,
// "Cannot open file "%s". %s" when the file cannot be opened, and the
// decoder's message (for a bitmap "Bitmap image is not valid") for bad content.
class PictureLoader {
public:
    virtual ~PictureLoader() = default;
    virtual QImage load(const QString &path) = 0;
};

} // namespace quorvel
