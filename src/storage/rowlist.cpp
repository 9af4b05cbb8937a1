#include "rowlist.h"

#include "celltable.h"
#include "error.h"

#include <algorithm>

namespace quorvel {

namespace {

bool isBlank(QChar c)
{
    return c.unicode() >= 1 && c.unicode() <= 32;
}

bool mustQuote(const QString &text, bool strict)
{
    for (const QChar c : text) {
        if (c == u'"' || c == u',' || (!strict && isBlank(c)))
            return true;
    }
    return false;
}

QString quoted(const QString &text)
{
    QString result;
    result.reserve(text.size() + 2);
    result += u'"';
    for (const QChar c : text) {
        if (c == u'"')
            result += u'"';
        result += c;
    }
    result += u'"';
    return result;
}

QString encode(const CellTable &table, int row)
{
    const int count = table.colCount();
    const bool strict = table.strictDelimiter(row);
    if (count == 1 && table.cell(0, row).isEmpty())
        return QStringLiteral("\"\"");
    QString line;
    line.reserve(count * 8);
    for (int k = 0; k < count; ++k) {
        const QString text = table.cell(k, row);
        line += mustQuote(text, strict) ? quoted(text) : text;
        line += u',';
    }
    line.chop(1);
    return line;
}

// Moving from one character to the next outside quotes: a code unit, the low
// surrogate after it, and every non-spacing mark that follows form one step.
qsizetype stepFrom(const QString &line, qsizetype p)
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

qsizetype skipBlanks(const QString &line, qsizetype p)
{
    while (p < line.size() && isBlank(line[p]))
        p = stepFrom(line, p);
    return p;
}

// From just after an opening quote: up to the first quote not directly followed
// by another, or to the end of the line; a doubled quote stands for one.
QString readQuoted(const QString &line, qsizetype &p)
{
    const qsizetype n = line.size();
    QString field;
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
    return field;
}

} // namespace

RowList::RowList(CellTable &table, int row) : table_(&table), row_(row) {}

RowList &RowList::operator=(const RowList &other)
{
    Assign(other);
    return *this;
}

RowList Rows(CellTable &table, int row)
{
    return RowList(table, row);
}

QString rowCommaText(const CellTable &table, int row)
{
    return encode(table, row);
}

int RowList::Count() const
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

int RowList::Add(const QString &text)
{
    const int count = Count();
    for (int k = 0; k < count; ++k) {
        if (table_->cell(k, row_).isEmpty()) {
            setEntry(k, text.isEmpty() ? QStringLiteral(" ") : text);
            return k;
        }
    }
    return -1;
}

void RowList::Clear()
{
    const int count = Count();
    for (int k = 0; k < count; ++k)
        setEntry(k, QString());
}

void RowList::Assign(const RowList &other)
{
    const int count = std::min(Count(), other.Count());
    for (int k = 0; k < count; ++k)
        setEntry(k, other[k]);
}

QString RowList::CommaText() const
{
    return encode(*table_, row_);
}

void RowList::setCommaText(const QString &line)
{
    const bool strict = StrictDelimiter();
    const qsizetype n = line.size();
    Clear();
    // After Clear, Add would put field i into entry i (every stored text is
    // non-empty), so each field is stored by its index; fields from Count() on are
    // dropped, so the reading stops there.
    const int count = Count();
    int fields = 0;
    qsizetype p = strict ? 0 : skipBlanks(line, 0);
    while (p < n && fields < count) {
        QString field;
        if (line[p] == u'"') {
            ++p;
            field = readQuoted(line, p);
        } else {
            const qsizetype start = p;
            while (p < n && line[p] != u',' && (strict || !isBlank(line[p])))
                p = stepFrom(line, p);
            field = line.mid(start, p - start);
        }
        setEntry(fields++, field.isEmpty() ? QStringLiteral(" ") : field); // as Add does
        if (!strict)
            p = skipBlanks(line, p);
        if (p < n && line[p] == u',') {
            p = stepFrom(line, p);
            // A trailing comma ends one more, empty field.
            if (p == n && fields < count)
                setEntry(fields++, QStringLiteral(" "));
            if (!strict)
                p = skipBlanks(line, p);
        }
    }
}

bool RowList::StrictDelimiter() const
{
    return table_->strictDelimiter(row_);
}

void RowList::setStrictDelimiter(bool strict)
{
    table_->setStrictDelimiter(row_, strict);
}

} // namespace quorvel
