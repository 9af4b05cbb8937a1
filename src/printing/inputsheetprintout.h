#pragma once

#include <QString>

class CellTable;
class Printing;
class TForm5;

// The Print command: shows the printer choice window and, unless it was cancelled,
// prints the project name and the input table on one landscape page of the current
// printer. Errors of the printer end the printout at their step.
void printInputSheet(TForm5 &form5, Printing &printing, const CellTable &SG1, const QString &projectName);
