#pragma once

#include "files.h"

#include <QByteArray>
#include <QString>
#include <QStringView>

#include <functional>
#include <vector>

namespace quorvel {

// A whole text file as a list of lines. Reading recognises a UTF-8 or UTF-16 byte
// order mark and otherwise takes the default 8-bit code page; writing always uses
// that code page with CR LF after every line.
class LineList {
public:
    // Replaces the list by the file's lines; raises "Cannot open file ..." when the
    // file cannot be read, leaving the list as it was.
    void loadFromFile(const QString &path);
    // The bytes loadFromFile reads, for a caller that needs them as well; raises the
    // same "Cannot open file ..." error.
    static QByteArray readFileBytes(const QString &path);
    // Replaces the list by the lines of bytes read elsewhere, by the same rules.
    void loadFromBytes(const QByteArray &bytes);
    // Hands the lines of such bytes to line() one at a time, by the same rules, without
    // keeping them: each view is valid only during its call.
    static void forEachLine(const QByteArray &bytes, const std::function<void(QStringView)> &line);
    // Replaces the file by the lines; raises "Cannot create file ..." or "Stream write
    // error". The old file stays whole when the save fails.
    void saveToFile(const QString &path) const;
    // The bytes saveToFile writes: each line in the code page, followed by CR LF.
    QByteArray saveToBytes() const;
    // Replaces the file by bytes already in the code page, as saveToFile does, with
    // the same errors.
    static void writeFileBytes(const QString &path, const QByteArray &bytes);
    // Replaces several files by their bytes together: all of them or, when one cannot
    // be written, none. Raises the errors of saveToFile for the file that failed.
    static void writeFileSet(const QList<WholeFile> &files);

    void append(QStringView line);
    void append(const QString &line) { append(QStringView(line)); }
    int count() const { return static_cast<int>(lines_.size()); }
    // Raises "List index out of bounds (i)" for an index outside 0..count()-1.
    QString operator[](int i) const;
    // Line i without a copy (i in 0..count()-1); valid until the list changes.
    QStringView line(int i) const { return QStringView(text_).sliced(lines_[size_t(i)].start, lines_[size_t(i)].size); }

private:
    struct Span {
        qsizetype start;
        qsizetype size;
    };
    // The lines are kept in one text with their places, not one string each: a long
    // file costs one allocation, and its lines are read in place.
    QString text_;
    std::vector<Span> lines_;
};

} // namespace quorvel
