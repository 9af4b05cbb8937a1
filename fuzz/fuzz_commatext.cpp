// commaText write (decoding) of any line in either variant, then read (encoding) and
// write again. The first byte chooses the variant (bit 0: strict), the column count
// (bits 1-3: 1 to 8) and how the rest is taken (bit 4: UTF-16 little-endian code
// units, so lone surrogates and marks occur; otherwise UTF-8). Properties:
// - a line made by the encoder and decoded in the same variant gives back every
//   non-empty cell unchanged and every empty cell as " ";
// - from the second encoding on, the line no longer changes;
// - a line made in the non-strict variant decodes to the same cells in either variant.
// The first two hold for every row but one whose cell after a comma starts with a
// lone low surrogate or a non-spacing mark: the step over a comma takes such a unit
// with it, and the quoting rule does not quote it. The file layer cannot carry these
// characters anyway (the code page has none), so stored tables never meet the case.
#include "fuzzcheck.h"

#include "celltable.h"
#include "rowlist.h"
#include "support/tabletext.h"

#include <array>
#include <memory>

using namespace quorvel;

namespace {

// Whether row b holds the cells of row a, an empty cell of a as " " when asked. Read
// in place: a copy of every cell cost more than the comparison.
bool sameCells(const CellTable &table, int a, int b, bool emptyAsBlank)
{
    for (int k = 0; k < table.colCount(); ++k) {
        const QStringView text = table.cellView(k, a);
        const QStringView expected = (emptyAsBlank && text.isEmpty()) ? QStringView(u" ") : text;
        if (table.cellView(k, b) != expected)
            return false;
    }
    return true;
}

QString inputText(const uint8_t *data, size_t size, bool utf16)
{
    if (!utf16)
        return QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size));
    QString text;
    for (size_t i = 0; i + 1 < size; i += 2)
        text += QChar(char16_t(data[i] | data[i + 1] << 8));
    return text;
}

// A unit that the step over the comma before it would swallow.
bool startsWithStepContinuation(QStringView text)
{
    return !text.isEmpty() && (text.front().isLowSurrogate() || text.front().category() == QChar::Mark_NonSpacing);
}

// One table per column count, made once: making a table per input cost about as much
// as decoding its rows. Each input sets every row's variant and writes every row
// whole (decoding a line clears its row first), so nothing carries over.
CellTable &tableWith(int columns)
{
    static std::array<std::unique_ptr<CellTable>, 8> tables;
    std::unique_ptr<CellTable> &table = tables[size_t(columns - 1)];
    if (!table)
        table = std::make_unique<CellTable>(columns, 4);
    return *table;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const bool strict = data[0] & 1;
    const int columns = ((data[0] >> 1) & 7) + 1;
    const QString line = inputText(data + 1, size - 1, data[0] & 16);

    // Row 0 is decoded from the input, rows 1 and 2 from the encoder's lines, row 3 in
    // the other variant.
    CellTable &table = tableWith(columns);
    for (int r = 0; r < 3; ++r)
        rowList(table, r).setStrictDelimiter(strict);
    rowList(table, 3).setStrictDelimiter(!strict);

    rowList(table, 0).setCommaText(line);
    const QString first = rowList(table, 0).commaText();

    rowList(table, 1).setCommaText(first);
    for (int k = 1; k < columns; ++k) {
        if (startsWithStepContinuation(table.cellView(k, 0)))
            return 0;
    }
    FUZZ_CHECK(sameCells(table, 0, 1, true), "an encoded row decodes to its cells, empty ones as \" \"",
               QStringLiteral("line %1\nencoded %2\ncells %3\nback %4")
                   .arg(visible(line), visible(first), visible(rowCells(table, 0)), visible(rowCells(table, 1))));

    const QString second = rowList(table, 1).commaText();
    rowList(table, 2).setCommaText(second);
    const QString third = rowList(table, 2).commaText();
    FUZZ_CHECK(third == second, "from the second encoding on the line stays the same",
               QStringLiteral("second %1\nthird %2").arg(visible(second), visible(third)));

    if (!strict) {
        rowList(table, 3).setCommaText(first);
        FUZZ_CHECK(sameCells(table, 1, 3, false), "a non-strict line decodes alike in both variants",
                   QStringLiteral("line %1\nnon-strict %2\nstrict %3")
                       .arg(visible(first), visible(rowCells(table, 1)), visible(rowCells(table, 3))));
    }
    return 0;
}
