#pragma once

#include "pictureloader.h"

namespace quorvel {

// Picture loading with Qt's image readers. The decoder is fixed by the file's
// extension, never guessed from the content, so a file whose content does not
// match its extension is refused as invalid.
class QtPictureLoader : public PictureLoader {
public:
    QImage load(const QString &path) override;
};

} // namespace quorvel
