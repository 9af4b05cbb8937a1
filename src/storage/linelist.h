#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

namespace quorvel {

// A whole text file as a list of lines. Reading recognises a UTF-8 or UTF-16 byte
// order mark and otherwise takes the default 8-bit code page; writing always uses
// that code page with CR LF after every line.
class LineList {
public:
    // Replaces the list by the file's lines; raises "Cannot open file ..." when the
    // file cannot be read, leaving the list as it was.
    void LoadFromFile(const QString &path);
    // The bytes LoadFromFile reads, for a caller that needs them as well; raises the
    // same "Cannot open file ..." error.
    static QByteArray ReadFileBytes(const QString &path);
    // Replaces the list by the lines of bytes read elsewhere, by the same rules.
    void LoadFromBytes(const QByteArray &bytes);
    // Replaces the file by the lines; raises "Cannot create file ..." or "Stream write
    // error". The old file stays whole when the save fails.
    void SaveToFile(const QString &path) const;
    // The bytes SaveToFile writes: each line in the code page, followed by CR LF.
    QByteArray SaveToBytes() const;

    void Add(const QString &line) { lines_.append(line); }
    int Count() const { return static_cast<int>(lines_.size()); }
    // Raises "List index out of bounds (i)" for an index outside 0..Count()-1.
    QString operator[](int i) const;

private:
    void setLines(QStringList lines);

    QStringList lines_;
    // The bytes of the first encodedLines_ lines, kept between saves: the project
    // save writes its file again after every added row, and each line is then
    // encoded once instead of once per write.
    mutable QByteArray encoded_;
    mutable qsizetype encodedLines_ = 0;
};

} // namespace quorvel
