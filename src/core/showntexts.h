#pragma once

#include <QString>

// The screen's translations of texts that files keep in English: the fixed captions,
// descriptions and units of the project tables, the result descriptions of the picked
// pump and tank, and the shipped catalogs' captions and kinds. A text without a
// translation (a user's own, or any text in English) is shown as it is.

namespace quorvel {

class CellTable;

QString shownSheetText(const QString &text);
QString shownCatalogText(const QString &text);

// Shows the captions (row 0) and the description and unit columns of a project table
// translated; the values stay as they are.
void showSheetTextsTranslated(CellTable &table);
// Shows every cell of a catalog table through shownCatalogText().
void showCatalogTextsTranslated(CellTable &table);

} // namespace quorvel
