#include "commandbuttons.h"

#include <QAbstractButton>
#include <QAction>

namespace quorvel {

void CommandButtons::attach(QAbstractButton *save, QAction *saveAs, QAbstractButton *print)
{
    save_ = save;
    saveAs_ = saveAs;
    print_ = print;
}

void CommandButtons::setSaveEnabled(bool on)
{
    save_->setEnabled(on);
}

void CommandButtons::setSaveAsEnabled(bool on)
{
    saveAs_->setEnabled(on);
}

void CommandButtons::setPrintEnabled(bool on)
{
    print_->setEnabled(on);
}

bool CommandButtons::saveEnabled() const
{
    return save_->isEnabledTo(save_->parentWidget());
}

} // namespace quorvel
