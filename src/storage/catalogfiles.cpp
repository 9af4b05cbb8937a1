#include "catalogfiles.h"

#include "codepage.h"
#include "error.h"
#include "files.h"
#include "linelist.h"
#include "rowlist.h"

namespace quorvel {

namespace {

// Why a file gave no line although it is not empty; empty otherwise. Such a file is
// kept as unread: the reader drops text that is not valid UTF-8 after a UTF-8
// byte-order mark, and an empty table saved over it would erase it.
QString unreadableContent(const QString &path, const QByteArray &bytes, int lineCount)
{
    if (lineCount > 0 || bytes.isEmpty())
        return {};
    const QString name = absoluteFilePath(path);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QStringLiteral("\"%1\" is not valid UTF-8 after its byte-order mark").arg(name);
    return QStringLiteral("\"%1\" holds no line that can be read").arg(name);
}

// The file as it is now. The bytes themselves are kept rather than a hash of them:
// they are shared with the read, so keeping them costs no time, and comparing is exact.
Catalogs::Content contentOfFile(const QString &path)
{
    Catalogs::Content content;
    QString reason;
    content.readable = readWholeFile(path, content.bytes, reason);
    if (!content.readable)
        content.bytes.clear();
    return content;
}

// Fills row i from line i of a catalog file's bytes; returns the number of lines.
int fillCatalog(CellTable &table, const QByteArray &bytes, bool strict)
{
    // Room for about as many rows as the file has line feeds, ahead of filling them.
    table.reserveRows(int(bytes.count('\n')) + 1);
    int count = 0;
    // Each line is read in place and goes straight into its row: no list of lines.
    LineList::forEachLine(bytes, [&](QStringView line) {
        if (strict)
            table.setStrictDelimiter(count, true);
        rowList(table, count++).setCommaText(line);
    });
    return count;
}

// A catalog that may be saved: besides filling the table, records why the file
// counts as not read (empty when it was read) and its content.
int loadSavable(CellTable &table, const QString &path, QString &notRead, std::optional<Catalogs::Content> &seen)
{
    QByteArray bytes;
    try {
        bytes = LineList::readFileBytes(path);
    } catch (const Error &e) {
        notRead = e.message();
        throw;
    }
    const int count = fillCatalog(table, bytes, true);
    notRead = unreadableContent(path, bytes, count);
    seen = Catalogs::Content{true, bytes};
    return count;
}

} // namespace

void Catalogs::load(const QString &databaseDir)
{
    // Until their turn comes, the later files count as not read.
    const auto stoppedBy = [&](const char *file) {
        return QStringLiteral("\"%1\" was not read because an earlier catalog could not be read")
            .arg(absoluteFilePath(databaseDir + QLatin1String(file)));
    };
    pumpsNotRead = stoppedBy(pumpsFile);
    tanksNotRead = stoppedBy(tanksFile);
    pipeCount = fillCatalog(pipes, LineList::readFileBytes(databaseDir + QLatin1String(pipesFile)), false) - 1;
    loadSavable(pumps, databaseDir + QLatin1String(pumpsFile), pumpsNotRead, pumpsSeen_);
    tankCount = loadSavable(tanks, databaseDir + QLatin1String(tanksFile), tanksNotRead, tanksSeen_) - 1;
}

bool Catalogs::pumpsChangedOnDisk(const QString &databaseDir) const
{
    return pumpsSeen_ && contentOfFile(databaseDir + QLatin1String(pumpsFile)) != *pumpsSeen_;
}

bool Catalogs::tanksChangedOnDisk(const QString &databaseDir) const
{
    return tanksSeen_ && contentOfFile(databaseDir + QLatin1String(tanksFile)) != *tanksSeen_;
}

namespace {

void saveIfRead(const CellTable &table, const QString &path, const QString &notRead)
{
    if (!notRead.isEmpty())
        throw Error(QStringLiteral("\"%1\" was not read; saving would erase it").arg(absoluteFilePath(path)));
    saveCatalog(table, path);
}

} // namespace

void Catalogs::savePumps(const QString &databaseDir)
{
    saveIfRead(pumps, databaseDir + QLatin1String(pumpsFile), pumpsNotRead);
    pumpsSeen_ = contentOfFile(databaseDir + QLatin1String(pumpsFile));
}

void Catalogs::saveTanks(const QString &databaseDir)
{
    saveIfRead(tanks, databaseDir + QLatin1String(tanksFile), tanksNotRead);
    tanksSeen_ = contentOfFile(databaseDir + QLatin1String(tanksFile));
}

void saveCatalog(const CellTable &table, const QString &path)
{
    // As LineList::saveToFile, but the rows go straight into the file's bytes, with
    // no list of lines in between: their text is gathered in one reused buffer and
    // turned into the code page a block at a time (CR LF is the same in both).
    constexpr qsizetype block = 64 * 1024;
    QByteArray bytes;
    QString text;
    text.reserve(block + 1024);
    for (int r = 0; r < table.rowCount(); ++r) {
        appendRowCommaText(text, table, r);
        text += u"\r\n";
        if (text.size() >= block) {
            appendCodePage(bytes, text);
            text.resize(0); // keeps the capacity
        }
    }
    appendCodePage(bytes, text);
    LineList::writeFileBytes(path, bytes);
}

} // namespace quorvel
