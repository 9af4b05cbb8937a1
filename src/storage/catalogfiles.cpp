#include "catalogfiles.h"

#include "codepage.h"
#include "error.h"
#include "files.h"
#include "linelist.h"
#include "rowlist.h"
#include "showntexts.h"

#include <QCoreApplication>

namespace quorvel {

namespace {

// Why a file gave no line although it is not empty; empty otherwise. Such a file is
// kept as unread: the reader drops text that is not valid UTF-8 after a UTF-8
// byte-order mark, and an empty table saved over it would erase it.
QString unreadableContent(const QString &path, const QByteArray &bytes, int lineCount)
{
    if (lineCount > 0 || bytes.isEmpty())
        return {};
    const QString name = shownPath(path);
    if (bytes.startsWith("\xEF\xBB\xBF"))
        return QCoreApplication::translate("quorvel::Catalogs", "\"%1\" is not valid UTF-8 after its byte-order mark").arg(name);
    return QCoreApplication::translate("quorvel::Catalogs", "\"%1\" holds no line that can be read").arg(name);
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

// Fills row i from line i of a catalog file's bytes; returns the number of lines. The
// lines past the table's rows also go into held, when given, as they are.
int fillCatalog(CellTable &table, const QByteArray &bytes, bool strict, HeldLines *held = nullptr)
{
    if (held)
        held->clear();
    // Room for about as many rows as the file has line feeds, ahead of filling them.
    table.reserveRows(int(bytes.count('\n')) + 1);
    int count = 0;
    // Each line is read in place and goes straight into its row: no list of lines.
    LineList::forEachLine(bytes, [&](QStringView line) {
        if (strict)
            table.setStrictDelimiter(count, true);
        if (held && count >= table.rowCount())
            held->append(line);
        rowList(table, count++).setCommaText(line);
    });
    return count;
}

// A catalog that may be saved: besides filling the table and its held lines, records
// why the file counts as not read (empty when it was read) and its content.
int loadSavable(CellTable &table, HeldLines &held, const QString &path, QString &notRead,
                std::optional<Catalogs::Content> &seen)
{
    QByteArray bytes;
    try {
        bytes = LineList::readFileBytes(path);
    } catch (const Error &e) {
        notRead = e.shownMessage(); // shown in a warning, never stored
        throw;
    }
    const int count = fillCatalog(table, bytes, true, &held);
    notRead = unreadableContent(path, bytes, count);
    seen = Catalogs::Content{true, bytes};
    return count;
}

} // namespace

Catalogs::Catalogs()
{
    for (CellTable *table : {&pipes, &pumps, &tanks})
        showCatalogTextsTranslated(*table);
}

void Catalogs::load(const QString &databaseDir)
{
    // Until their turn comes, the later files count as not read.
    const auto stoppedBy = [&](const char *file) {
        return QCoreApplication::translate("quorvel::Catalogs",
                                           "\"%1\" was not read because an earlier catalog could not be read")
            .arg(shownPath(databaseDir + QLatin1String(file)));
    };
    pumpsNotRead = stoppedBy(pumpsFile);
    tanksNotRead = stoppedBy(tanksFile);
    pipeCount = fillCatalog(pipes, LineList::readFileBytes(databaseDir + QLatin1String(pipesFile)), false) - 1;
    loadSavable(pumps, pumpsHeld, databaseDir + QLatin1String(pumpsFile), pumpsNotRead, pumpsSeen_);
    tankCount = loadSavable(tanks, tanksHeld, databaseDir + QLatin1String(tanksFile), tanksNotRead, tanksSeen_) - 1;
}

namespace {

// Only an existing file is protected: where there is none, there is nothing to lose.
QString notReadWarning(const QString &notRead, const QString &path)
{
    return notRead.isEmpty() || !fileExists(path) ? QString() : notRead;
}

} // namespace

QString Catalogs::pumpsNotReadWarning(const QString &databaseDir) const
{
    return notReadWarning(pumpsNotRead, databaseDir + QLatin1String(pumpsFile));
}

QString Catalogs::tanksNotReadWarning(const QString &databaseDir) const
{
    return notReadWarning(tanksNotRead, databaseDir + QLatin1String(tanksFile));
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

// Once saved, the file holds what the table holds: it counts as read from then on.
void saveIfRead(const CellTable &table, const HeldLines &held, const QString &path, QString &notRead)
{
    if (!notReadWarning(notRead, path).isEmpty())
        throw Error(translatable("quorvel::Catalogs", "\"%1\" was not read; saving would erase it").arg(shownPath(path)));
    saveCatalog(table, path, held);
    notRead.clear();
}

} // namespace

void Catalogs::savePumps(const QString &databaseDir)
{
    saveIfRead(pumps, pumpsHeld, databaseDir + QLatin1String(pumpsFile), pumpsNotRead);
    pumpsSeen_ = contentOfFile(databaseDir + QLatin1String(pumpsFile));
}

void Catalogs::saveTanks(const QString &databaseDir)
{
    saveIfRead(tanks, tanksHeld, databaseDir + QLatin1String(tanksFile), tanksNotRead);
    tanksSeen_ = contentOfFile(databaseDir + QLatin1String(tanksFile));
}

void saveCatalog(const CellTable &table, const QString &path, const HeldLines &held)
{
    // As LineList::saveToFile, but the rows go straight into the file's bytes, with
    // no list of lines in between: their text is gathered in one reused buffer and
    // turned into the code page a block at a time (CR LF is the same in both).
    constexpr qsizetype block = 64 * 1024;
    QByteArray bytes;
    QString text;
    text.reserve(block + 1024);
    const auto endLine = [&] {
        text += u"\r\n";
        if (text.size() >= block) {
            appendCodePage(bytes, text);
            text.resize(0); // keeps the capacity
        }
    };
    for (int r = 0; r < table.rowCount(); ++r) {
        appendRowCommaText(text, table, r);
        endLine();
    }
    for (qsizetype i = 0; i < held.size(); ++i) {
        text += held.at(i);
        endLine();
    }
    appendCodePage(bytes, text);
    LineList::writeFileBytes(path, bytes);
}

void insertCatalogRow(CellTable &table, int row, const HeldLines &held)
{
    table.setRowCount(table.rowCount() + 1);
    const int last = table.rowCount() - 1 + int(held.size()); // the last stored row, after the move
    for (int i = last; i >= row; --i)
        rowList(table, i).assign(rowList(table, i - 1));
    rowList(table, row).clear();
}

void deleteCatalogRow(CellTable &table, int row, HeldLines &held)
{
    // Without held lines the table's last row takes the empty row just past it.
    const int last = table.rowCount() - 1 + int(held.size());
    for (int i = row; i < last; ++i)
        rowList(table, i).assign(rowList(table, i + 1));
    rowList(table, last).clear();
    if (!held.isEmpty())
        held.removeFirst();
}

} // namespace quorvel
