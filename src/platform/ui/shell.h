#pragma once

#include <QString>

namespace quorvel {

// The desktop shell: opens a document with its associated viewer. The result is
// not reported.
class Shell {
public:
    virtual ~Shell() = default;
    virtual void openDocument(const QString &path) = 0;
};

} // namespace quorvel
