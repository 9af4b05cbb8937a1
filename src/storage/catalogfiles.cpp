#include "catalogfiles.h"

#include "error.h"
#include "files.h"
#include "linelist.h"
#include "rowlist.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>

namespace quorvel {

namespace {

// Why a file that was read gave no line although it is not empty; empty otherwise.
// Such a file is kept as unread: the reader drops text that is not valid UTF-8 after
// a UTF-8 byte-order mark, and an empty table saved over it would erase it.
QString unreadableContent(const QString &path, int lineCount)
{
    // Only a regular file: opening a named pipe here would wait for a writer.
    QFile file(path);
    if (lineCount > 0 || !QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly) || file.size() == 0)
        return {};
    const QString name = absoluteFilePath(path);
    if (file.peek(3) == QByteArrayLiteral("\xEF\xBB\xBF"))
        return QStringLiteral("\"%1\" is not valid UTF-8 after its byte-order mark").arg(name);
    return QStringLiteral("\"%1\" holds no line that can be read").arg(name);
}

// Fills row i from line i; returns the number of lines.
int loadCatalog(CellTable &table, const QString &path, bool strict, QString *notRead = nullptr)
{
    LineList lines;
    try {
        lines.LoadFromFile(path);
    } catch (const Error &e) {
        if (notRead)
            *notRead = e.message();
        throw;
    }
    const int count = lines.Count();
    if (notRead)
        *notRead = unreadableContent(path, count);
    for (int i = 0; i < count; ++i) {
        if (strict)
            table.setStrictDelimiter(i, true);
        Rows(table, i).setCommaText(lines[i]);
    }
    return count;
}

// A digest of the file as it is now; a fixed mark for a file that cannot be read.
QByteArray fingerprintOf(const QString &path)
{
    QFile file(path);
    if (!QFileInfo(path).isFile() || !file.open(QIODevice::ReadOnly))
        return QByteArrayLiteral("unreadable");
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return hash.result();
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
    pipeCount = loadCatalog(pipes, databaseDir + QLatin1String(pipesFile), false) - 1;
    loadCatalog(pumps, databaseDir + QLatin1String(pumpsFile), true, &pumpsNotRead);
    pumpsSeen_ = fingerprintOf(databaseDir + QLatin1String(pumpsFile));
    tankCount = loadCatalog(tanks, databaseDir + QLatin1String(tanksFile), true, &tanksNotRead) - 1;
    tanksSeen_ = fingerprintOf(databaseDir + QLatin1String(tanksFile));
}

bool Catalogs::pumpsChangedOnDisk(const QString &databaseDir) const
{
    return !pumpsSeen_.isEmpty() && fingerprintOf(databaseDir + QLatin1String(pumpsFile)) != pumpsSeen_;
}

bool Catalogs::tanksChangedOnDisk(const QString &databaseDir) const
{
    return !tanksSeen_.isEmpty() && fingerprintOf(databaseDir + QLatin1String(tanksFile)) != tanksSeen_;
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
    pumpsSeen_ = fingerprintOf(databaseDir + QLatin1String(pumpsFile));
}

void Catalogs::saveTanks(const QString &databaseDir)
{
    saveIfRead(tanks, databaseDir + QLatin1String(tanksFile), tanksNotRead);
    tanksSeen_ = fingerprintOf(databaseDir + QLatin1String(tanksFile));
}

void saveCatalog(const CellTable &table, const QString &path)
{
    LineList lines;
    for (int r = 0; r < table.rowCount(); ++r)
        lines.Add(rowCommaText(table, r));
    lines.SaveToFile(path);
}

} // namespace quorvel
