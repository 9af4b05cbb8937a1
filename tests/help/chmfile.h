#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

// Reads the directory of a compiled help file (ITSF container): the names of the files
// it holds, and the content of those stored uncompressed (section 0). Enough to check
// what the help compiler produced without a help viewer.
class ChmFile {
public:
    struct Entry {
        quint64 section = 0;
        quint64 offset = 0;
        quint64 length = 0;
    };

    // Parses the file's bytes; on failure error() says why and entries() is empty.
    explicit ChmFile(const QByteArray &bytes);

    bool isValid() const { return m_error.isEmpty(); }
    QString error() const { return m_error; }
    const QMap<QString, Entry> &entries() const { return m_entries; }
    // The bytes of an entry of section 0; empty for compressed or unknown entries.
    QByteArray uncompressed(const QString &name) const;

private:
    bool parse();
    bool fail(const QString &why);

    QByteArray m_bytes;
    quint64 m_contentOffset = 0;
    QMap<QString, Entry> m_entries;
    QString m_error;
};
