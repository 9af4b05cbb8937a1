#pragma once

#include "shell.h"

#include <QStringList>

namespace quorvel {

// Records every document the code under test asks the desktop to open.
class FakeShell : public Shell {
public:
    void openDocument(const QString &path) override { opened.append(path); }

    QStringList opened;
};

} // namespace quorvel
