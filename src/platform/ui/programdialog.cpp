#include "programdialog.h"

#include "windowparts.h"

#include <QAbstractButton>

namespace quorvel {

ProgramDialog::ProgramDialog(MessageBoxes &boxes, QWidget *parent)
    : QDialog(parent, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint
                          | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint),
      boxes_(boxes)
{
    setFont(windowFont());
}

bool ProgramDialog::guard(const std::function<void()> &handler)
{
    return guarded(boxes_, handler);
}

void ProgramDialog::onClick(QAbstractButton *button, std::function<void()> handler)
{
    connectGuarded(boxes_, button, &QAbstractButton::clicked, this, std::move(handler));
}

} // namespace quorvel
