#pragma once

#include "printerchoicedialog.h"

#include <QComboBox>
#include <QLabel>
#include <QPushButton>

namespace quorvel {

// The printer choice window's widgets, by object name.
inline QComboBox *printerBox(PrinterChoiceDialog &dialog)
{
    return dialog.findChild<QComboBox *>(QStringLiteral("printerBox"));
}

// "setupButton" ("Printer Setup"), "okButton" or "cancelButton".
inline QPushButton *dialogButton(PrinterChoiceDialog &dialog, const QString &name)
{
    return dialog.findChild<QPushButton *>(name);
}

} // namespace quorvel
