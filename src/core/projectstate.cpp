#include "projectstate.h"

namespace quorvel {

void ProjectState::setModified(bool modified)
{
    if (modified_ == modified)
        return;
    modified_ = modified;
    emit modifiedChanged(modified);
}

void ProjectState::setPrintable(bool printable)
{
    if (printable_ == printable)
        return;
    printable_ = printable;
    emit printableChanged(printable);
}

} // namespace quorvel
