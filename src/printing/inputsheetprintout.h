#pragma once

#include <QString>

namespace quorvel {

class CellTable;
class Printing;
class PrinterChoiceDialog;

// The Print command: shows the printer choice window and, unless it was cancelled,
// prints the project name and the input table on one landscape page of the current
// printer. Errors of the printer end the printout at their step.
void printInputSheet(PrinterChoiceDialog &printerChoice, Printing &printing, const CellTable &inputs,
                     const QString &projectName);

} // namespace quorvel
