#pragma once

#include "messageboxes.h"

#include <QMessageBox>

namespace quorvel {

// The program's message boxes as application-modal QMessageBoxes over the active
// window.
class QtMessageBoxes : public MessageBoxes {
public:
    void warning(const QString &text) override;
    bool question(const QString &text) override;
    bool questionDefaultNo(const QString &text) override;
    void information(const QString &text) override;
    void error(const QString &text) override;

private:
    static QMessageBox::StandardButton show(QMessageBox::Icon icon, const QString &caption, const QString &text,
                                            QMessageBox::StandardButtons buttons,
                                            QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
};

} // namespace quorvel
