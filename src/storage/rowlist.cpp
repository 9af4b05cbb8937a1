#include "rowlist.h"

#include "celltable.h"
#include "error.h"

#include <QVarLengthArray>

#include <algorithm>

namespace quorvel {

namespace {

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

bool mustQuote(QStringView text, bool strict)
{
    for (const QChar c : text) {
        if (c == u'"' || c == u',' || (!strict && isBlank(c)))
            return true;
    }
    return false;
}

void appendQuoted(QString &line, QStringView text)
{
    line += u'"';
    for (const QChar c : text) {
        if (c == u'"')
            line += u'"';
        line += c;
    }
    line += u'"';
}

// Appends row r's comma text to the line.
void appendEncoded(QString &line, const CellTable &table, int row)
{
    const int count = table.colCount();
    const bool strict = table.strictDelimiter(row);
    if (count == 1 && table.cellView(0, row).isEmpty()) {
        line += u"\"\"";
        return;
    }
    for (int k = 0; k < count; ++k) {
        // Read in place: a catalog save makes no string per cell.
        const QStringView text = table.cellView(k, row);
        if (k > 0)
            line += u',';
        if (mustQuote(text, strict))
            appendQuoted(line, text);
        else
            line += text;
    }
}

QString encode(const CellTable &table, int row)
{
    QString line;
    line.reserve(table.colCount() * 8);
    appendEncoded(line, table, row);
    return line;
}

// Moving from one character to the next outside quotes: a code unit, the low
// surrogate after it, and every non-spacing mark that follows form one step.
qsizetype stepFrom(QStringView line, qsizetype p)
{
    const qsizetype n = line.size();
    ++p;
    if (p < n && line[p].isLowSurrogate())
        ++p;
    // Non-spacing marks start at U+0300; the test skips the lookup below that.
    while (p < n && line[p].unicode() >= 0x0300 && line[p].category() == QChar::Mark_NonSpacing)
        ++p;
    return p;
}

qsizetype skipBlanks(QStringView line, qsizetype p)
{
    while (p < line.size() && isBlank(line[p]))
        p = stepFrom(line, p);
    return p;
}

// From just after an opening quote: up to the first quote not directly followed
// by another, or to the end of the line; a doubled quote stands for one. The field
// is appended to the text.
void readQuoted(QStringView line, qsizetype &p, QString &field)
{
    const qsizetype n = line.size();
    while (p < n) {
        if (line[p] == u'"') {
            if (p + 1 < n && line[p + 1] == u'"') {
                field += u'"';
                p += 2;
                continue;
            }
            ++p;
            break;
        }
        field += line[p];
        ++p;
    }
}

} // namespace

RowList::RowList(CellTable &table, int row) : table_(&table), row_(row) {}

RowList &RowList::operator=(const RowList &other)
{
    assign(other);
    return *this;
}

RowList rowList(CellTable &table, int row)
{
    return RowList(table, row);
}

QString rowCommaText(const CellTable &table, int row)
{
    return encode(table, row);
}

void appendRowCommaText(QString &line, const CellTable &table, int row)
{
    appendEncoded(line, table, row);
}

int RowList::count() const
{
    return table_->colCount();
}

QString RowList::operator[](int k) const
{
    return table_->cell(k, row_);
}

void RowList::setEntry(int k, const QString &text)
{
    table_->setCell(k, row_, text);
}

int RowList::append(const QString &text)
{
    const int entries = count();
    for (int k = 0; k < entries; ++k) {
        if (table_->cell(k, row_).isEmpty()) {
            setEntry(k, text.isEmpty() ? QStringLiteral(" ") : text);
            return k;
        }
    }
    return -1;
}

void RowList::clear()
{
    const int entries = count();
    for (int k = 0; k < entries; ++k)
        setEntry(k, QString());
}

void RowList::assign(const RowList &other)
{
    const int common = std::min(count(), other.count());
    for (int k = 0; k < common; ++k)
        setEntry(k, other[k]);
}

QString RowList::commaText() const
{
    return encode(*table_, row_);
}

void RowList::setCommaText(const QString &line)
{
    setCommaText(QStringView(line));
}

void RowList::setCommaText(QStringView line)
{
    const bool strict = strictDelimiter();
    const qsizetype n = line.size();
    // As clear() and then append() for each field: field i goes into entry i (every stored
    // text is non-empty) and fields from count() on are dropped, so the reading stops
    // there. The fields are gathered in one text and the row written once, so a
    // catalog load makes one string per line rather than one per cell.
    const int entries = count();
    QString texts;
    texts.reserve(n);
    QVarLengthArray<int, 8> ends;
    const auto endField = [&] {
        if (texts.size() == (ends.isEmpty() ? 0 : ends.back()))
            texts += u' '; // an empty field is stored as " ", as append() does
        ends.append(int(texts.size()));
    };
    qsizetype p = strict ? 0 : skipBlanks(line, 0);
    while (p < n && ends.size() < entries) {
        if (line[p] == u'"') {
            ++p;
            readQuoted(line, p, texts);
        } else {
            // A low surrogate or a mark, which stepFrom would step over, is never a
            // comma or a blank, so the end is found one code unit at a time.
            const qsizetype start = p;
            while (p < n && line[p] != u',' && (strict || !isBlank(line[p])))
                ++p;
            texts.append(line.sliced(start, p - start));
        }
        endField();
        if (!strict)
            p = skipBlanks(line, p);
        if (p < n && line[p] == u',') {
            p = stepFrom(line, p);
            // A trailing comma ends one more, empty field.
            if (p == n && ends.size() < entries)
                endField();
            if (!strict)
                p = skipBlanks(line, p);
        }
    }
    table_->setRowTexts(row_, std::move(texts), ends);
}

bool RowList::strictDelimiter() const
{
    return table_->strictDelimiter(row_);
}

void RowList::setStrictDelimiter(bool strict)
{
    table_->setStrictDelimiter(row_, strict);
}

} // namespace quorvel
