#include "inputsheetprintout.h"

#include "celltable.h"
#include "printerchoicedialog.h"
#include "printing.h"

#include <QRect>

namespace quorvel {

namespace {
// The page in the printer's own device pixels: nothing is scaled to its resolution.
constexpr int widthScale = 5;   // page pixels per pixel of a screen column
constexpr int titleY = 100;
constexpr int tableTop = 300;   // top of the caption row
constexpr int rowHeight = 150;
constexpr int textInset = 50;   // from a box's left and top to its text
constexpr int boxGap = 30;      // between a box and the next column's
constexpr int titleSize = 12;
constexpr int tableSize = 7;
}

void printInputSheet(PrinterChoiceDialog &printerChoice, Printing &printing, const CellTable &inputs,
                     const QString &projectName)
{
    printerChoice.exec();
    if (printerChoice.cancelled())
        return;

    printing.setOrientation(QPageLayout::Landscape);
    printing.setTitle(projectName);
    printing.beginDoc();

    PrintFont font;
    font.color = Qt::black;
    font.name = QStringLiteral("Times New Roman");
    font.size = titleSize;
    font.bold = true;
    font.underline = true;
    printing.setFont(font);
    printing.textOut(0, titleY, printing.title());

    int widthBefore = 0;
    for (int c = 0; c < inputs.colCount(); ++c) {
        const int x0 = widthScale * widthBefore;
        widthBefore += inputs.colWidth(c);
        const int x1 = widthScale * widthBefore;
        const auto drawCell = [&](int row) {
            const int top = tableTop + rowHeight * row;
            const QRect box(x0, top, x1 - boxGap - x0, rowHeight);
            printing.textRect(box, x0 + textInset, top + textInset, inputs.shownText(c, row, inputs.cell(c, row)));
        };

        font.bold = true;
        font.underline = false;
        font.size = tableSize;
        printing.setFont(font);
        drawCell(0);

        font.bold = false;
        printing.setFont(font);
        for (int r = 1; r < inputs.rowCount(); ++r)
            drawCell(r);
    }

    printing.endDoc();
}

} // namespace quorvel
