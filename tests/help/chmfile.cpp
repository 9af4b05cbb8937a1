#include "chmfile.h"

#include <QtEndian>

namespace {

// A variable-length number of the directory: 7 bits per byte, most significant first,
// the high bit set on every byte but the last.
bool readEncInt(const QByteArray &bytes, qsizetype &pos, qsizetype end, quint64 &value)
{
    value = 0;
    while (pos < end) {
        const auto byte = static_cast<unsigned char>(bytes[pos++]);
        value = (value << 7) | (byte & 0x7f);
        if (!(byte & 0x80))
            return true;
    }
    return false;
}

// Little-endian reads; a read past the end gives 0 (the callers check sizes first).
template <typename T>
T little(const QByteArray &bytes, qsizetype pos)
{
    if (pos < 0 || pos + qsizetype(sizeof(T)) > bytes.size())
        return 0;
    return qFromLittleEndian<T>(bytes.constData() + pos);
}

quint32 dword(const QByteArray &bytes, qsizetype pos)
{
    return little<quint32>(bytes, pos);
}

quint64 qword(const QByteArray &bytes, qsizetype pos)
{
    return little<quint64>(bytes, pos);
}

}

ChmFile::ChmFile(const QByteArray &bytes)
    : m_bytes(bytes)
{
    if (!parse())
        m_entries.clear();
}

bool ChmFile::fail(const QString &why)
{
    m_error = why;
    return false;
}

bool ChmFile::parse()
{
    const qsizetype size = m_bytes.size();
    if (size < 0x58 || !m_bytes.startsWith("ITSF"))
        return fail("no ITSF signature");
    const quint32 version = dword(m_bytes, 4);
    const quint64 directoryOffset = qword(m_bytes, 0x48);
    const quint64 directoryLength = qword(m_bytes, 0x50);
    if (directoryOffset + directoryLength > quint64(size) || directoryLength < 0x54)
        return fail("directory outside the file");
    m_contentOffset = version >= 3 && size >= 0x60 ? qword(m_bytes, 0x58)
                                                   : directoryOffset + directoryLength;

    const auto dir = qsizetype(directoryOffset);
    if (m_bytes.mid(dir, 4) != "ITSP")
        return fail("no ITSP directory header");
    const quint32 headerLength = dword(m_bytes, dir + 0x08);
    const quint32 chunkSize = dword(m_bytes, dir + 0x10);
    const auto firstListing = qint32(dword(m_bytes, dir + 0x20));
    const quint32 chunkCount = dword(m_bytes, dir + 0x2c);
    if (chunkSize < 0x20 || headerLength + quint64(chunkSize) * chunkCount > directoryLength)
        return fail("directory chunks outside the directory");

    // Walk the chain of listing chunks; the count bounds it against loops.
    qint32 chunk = firstListing;
    for (quint32 visited = 0; chunk >= 0; ++visited) {
        if (visited >= chunkCount || quint32(chunk) >= chunkCount)
            return fail("broken chain of listing chunks");
        const qsizetype start = dir + headerLength + qsizetype(chunk) * chunkSize;
        if (m_bytes.mid(start, 4) != "PMGL")
            return fail(QString("chunk %1 is not a listing chunk").arg(chunk));
        const quint32 freeSpace = dword(m_bytes, start + 4);
        if (freeSpace > chunkSize - 0x14)
            return fail("bad free space in a listing chunk");
        const qsizetype end = start + chunkSize - freeSpace;
        qsizetype pos = start + 0x14;
        while (pos < end) {
            quint64 nameLength = 0;
            Entry entry;
            if (!readEncInt(m_bytes, pos, end, nameLength) || pos + qsizetype(nameLength) > end)
                return fail("bad directory entry name");
            const QString name = QString::fromUtf8(m_bytes.constData() + pos, qsizetype(nameLength));
            pos += qsizetype(nameLength);
            if (!readEncInt(m_bytes, pos, end, entry.section)
                || !readEncInt(m_bytes, pos, end, entry.offset)
                || !readEncInt(m_bytes, pos, end, entry.length))
                return fail("bad directory entry " + name);
            m_entries.insert(name, entry);
        }
        chunk = qint32(dword(m_bytes, start + 0x10));
    }
    if (m_entries.isEmpty())
        return fail("empty directory");
    return true;
}

QByteArray ChmFile::uncompressed(const QString &name) const
{
    const auto it = m_entries.constFind(name);
    if (it == m_entries.cend() || it->section != 0)
        return {};
    const quint64 start = m_contentOffset + it->offset;
    if (start + it->length > quint64(m_bytes.size()))
        return {};
    return m_bytes.mid(qsizetype(start), qsizetype(it->length));
}
