// Loading the three catalog files made of any bytes, then saving the pumps and tanks
// catalogs as their windows do and loading again. The input is split at "|||" into
// the bytes of pipes.csv, pumps.csv and storage.csv (a missing part leaves that file
// missing). Properties:
// - loading fails, if at all, only with the open error;
// - a catalog that was read saves, and after loading again every cell the window
//   shows is what it showed before, as the code page holds it, empty cells as " ";
//   from the second saving on the file no longer changes;
// - a catalog that was not read refuses to save and its file keeps its bytes;
// - right after a load or a save, no file counts as changed by another program.
#include "fuzzcheck.h"

#include "catalogfiles.h"
#include "codepage.h"
#include "error.h"
#include "linelist.h"
#include "support/tabletext.h"

#include <QDir>

#include <algorithm>
#include <array>

using namespace quorvel;

namespace {

const std::array<QLatin1String, 3> fileNames = {QLatin1String(Catalogs::pipesFile),
                                                QLatin1String(Catalogs::pumpsFile),
                                                QLatin1String(Catalogs::tanksFile)};

// The cells a catalog window shows, as they come back from a save.
QStringList shownAsStored(const CellTable &table)
{
    QStringList texts;
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.colCount(); ++c) {
            const QString text = table.cell(c, r);
            texts << (text.isEmpty() ? QStringLiteral(" ") : decodeCodePage(encodeCodePage(text)));
        }
    }
    return texts;
}

// Runs a load; gives the error message, empty when none.
QString load(Catalogs &catalogs, const QString &folder)
{
    try {
        catalogs.load(folder);
    } catch (const Error &e) {
        FUZZ_CHECK(e.message().startsWith(QStringLiteral("Cannot open file \"")),
                  "loading fails only with the open error", visible(e.message()));
        return e.message();
    }
    return QString();
}

bool startsWithMark(const QByteArray &bytes)
{
    return bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF");
}

struct SavableCatalog {
    const char *name;
    CellTable Catalogs::*table;
    QString Catalogs::*notRead;
    QString (Catalogs::*notReadWarning)(const QString &) const;
    void (Catalogs::*save)(const QString &);
    bool (Catalogs::*changedOnDisk)(const QString &) const;
};

const std::array<SavableCatalog, 2> savable = {
    SavableCatalog{Catalogs::pumpsFile, &Catalogs::pumps, &Catalogs::pumpsNotRead, &Catalogs::pumpsNotReadWarning,
                   &Catalogs::savePumps, &Catalogs::pumpsChangedOnDisk},
    SavableCatalog{Catalogs::tanksFile, &Catalogs::tanks, &Catalogs::tanksNotRead, &Catalogs::tanksNotReadWarning,
                   &Catalogs::saveTanks, &Catalogs::tanksChangedOnDisk}};

int lineCount(const QByteArray &bytes)
{
    int lines = 0;
    LineList::forEachLine(bytes, [&lines](QStringView) { ++lines; });
    return lines;
}

// Saves one catalog; gives whether the save went through.
bool save(Catalogs &catalogs, const SavableCatalog &catalog, const QString &folder)
{
    const QString path = folder + QLatin1String(catalog.name);
    const QByteArray before = readScratchFile(path);
    // A file that is not there is not protected: its save creates it.
    const bool wasRead = (catalogs.*catalog.notReadWarning)(folder).isEmpty();
    try {
        (catalogs.*catalog.save)(folder);
    } catch (const Error &e) {
        FUZZ_CHECK(!wasRead, "a catalog that was read can be saved", visible(e.message()));
        FUZZ_CHECK(e.message().endsWith(QStringLiteral("\" was not read; saving would erase it")),
                  "a catalog that was not read is refused", visible(e.message()));
        FUZZ_CHECK(readScratchFile(path) == before, "a refused save leaves the file as it was", path);
        return false;
    }
    FUZZ_CHECK(wasRead, "a catalog that was not read is never saved", catalog.name);
    // The table's rows, then every line held past them: a save loses no line it read.
    const int saved = lineCount(readScratchFile(path));
    const int expected = std::max(lineCount(before), (catalogs.*catalog.table).rowCount());
    FUZZ_CHECK(saved == expected, "a load followed by a save loses no line",
               QStringLiteral("%1 lines saved, %2 expected").arg(saved).arg(expected));
    FUZZ_CHECK(!(catalogs.*catalog.changedOnDisk)(folder), "a file just saved is not changed by another program",
              catalog.name);
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    static const QString folder = [] {
        const QString path = scratchFolder() + QStringLiteral("/catalogs/");
        FUZZ_CHECK(QDir().mkpath(path), "a scratch folder can be made", path);
        return path;
    }();
    qsizetype from = 0;
    for (const QLatin1String &name : fileNames) {
        removeScratchFile(folder + name);
        if (from > input.size())
            continue;
        qsizetype to = input.indexOf("|||", from);
        if (to < 0)
            to = input.size();
        writeScratchFile(folder + name, input.sliced(from, to - from));
        from = to + 3;
    }

    Catalogs catalogs;
    load(catalogs, folder);
    for (const SavableCatalog &catalog : savable) {
        FUZZ_CHECK(!(catalogs.*catalog.changedOnDisk)(folder), "a file just read is not changed by another program",
                   catalog.name);
    }

    // Three rounds of load and save, each over both catalogs: the first from the
    // input, the second from what the first saved, the third to see it stay.
    std::array<QStringList, 2> expected;
    std::array<bool, 2> compared{};
    for (size_t k = 0; k < savable.size(); ++k) {
        expected[k] = shownAsStored(catalogs.*savable[k].table);
        // A first cell that begins like a byte-order mark is read back as one.
        compared[k] = save(catalogs, savable[k], folder)
                      && !startsWithMark(readScratchFile(folder + QLatin1String(savable[k].name)));
    }

    Catalogs reloaded;
    load(reloaded, folder);
    std::array<QByteArray, 2> second;
    for (size_t k = 0; k < savable.size(); ++k) {
        if (!compared[k])
            continue;
        const SavableCatalog &catalog = savable[k];
        FUZZ_CHECK((reloaded.*catalog.notRead).isEmpty(), "a saved catalog is read again", catalog.name);
        FUZZ_CHECK(allCells(reloaded.*catalog.table) == expected[k], "what the window showed comes back",
                   visible(expected[k]) + QStringLiteral("\n") + visible(allCells(reloaded.*catalog.table)));
        FUZZ_CHECK(save(reloaded, catalog, folder), "a reloaded catalog saves", catalog.name);
        second[k] = readScratchFile(folder + QLatin1String(catalog.name));
    }

    Catalogs again;
    load(again, folder);
    for (size_t k = 0; k < savable.size(); ++k) {
        if (!compared[k])
            continue;
        const QString path = folder + QLatin1String(savable[k].name);
        save(again, savable[k], folder);
        FUZZ_CHECK(readScratchFile(path) == second[k], "from the second saving on the file stays the same",
                   QString::fromLatin1(second[k].toHex(' ')) + u'\n' + QString::fromLatin1(readScratchFile(path).toHex(' ')));
    }
    return 0;
}
