#pragma once

#include "shell.h"

namespace quorvel {

// Opens documents with the viewer the desktop associates with their type
// (xdg-open and the MIME database on Linux).
class QtShell : public Shell {
public:
    void openDocument(const QString &path) override;
};

} // namespace quorvel
