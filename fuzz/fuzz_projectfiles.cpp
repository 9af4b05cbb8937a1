// Opening a project file set made of any bytes. The first byte chooses the open
// dialog's filter (bit 0: "All Files", which skips the name file); the rest is split
// at "|||" into the bytes of name.qvl, name.dat and name.res (a missing part leaves
// that file missing). Properties:
// - opening fails, if at all, only with the open error or the empty-name error;
// - the tables keep their shape;
// - a project that was opened can be saved, and saving, opening and saving again
//   gives the same three files from the second saving on;
// - after a save and an open, every cell and the name are what was saved, as the
//   code page holds them, empty cells as " ".
#include "fuzzcheck.h"

#include "error.h"
#include "projectsheet.h"
#include "projectfiles.h"
#include "codepage.h"
#include "support/fakefiledialogs.h"
#include "support/fakemessageboxes.h"
#include "support/tabletext.h"

#include <array>

using namespace quorvel;

namespace {

const std::array<QString, 3> extensions = {QStringLiteral(".qvl"), QStringLiteral(".dat"),
                                           QStringLiteral(".res")};

struct Project {
    ProjectSheet sheet;
    FakeMessageBoxes boxes;
    FakeFileDialogs dialogs;
    ProjectFiles files{sheet, boxes, dialogs, nullptr};

    Project() { sheet.createTables(); }

    // Runs Open on the path; gives the error message, empty when none.
    QString open(const QString &path, int filterIndex)
    {
        dialogs.confirm(FileDialogs::Kind::Open, path, filterIndex);
        try {
            files.openProject();
        } catch (const Error &e) {
            return e.message();
        }
        return QString();
    }

    void save(const QString &path)
    {
        dialogs.confirm(FileDialogs::Kind::Save, path);
        try {
            files.saveProject();
        } catch (const Error &e) {
            FUZZ_CHECK(false, "a project can be saved to a scratch folder", visible(e.message()));
        }
    }
};

QByteArray fileSet(const QString &base)
{
    QByteArray all;
    for (const QString &ext : extensions)
        all += readScratchFile(base + ext) + "\n|||\n";
    return all;
}

// What a cell or name comes back as after a save and an open.
QString storedForm(const QString &text)
{
    return text.isEmpty() ? QStringLiteral(" ") : decodeCodePage(encodeCodePage(text));
}

// Every cell of the table as it comes back after a save and an open.
QStringList storedCells(const CellTable &table)
{
    QStringList texts;
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.colCount(); ++c)
            texts << storedForm(table.cell(c, r));
    }
    return texts;
}

// Whether the table holds the texts, row by row, read in place.
bool holds(const CellTable &table, const QStringList &texts)
{
    qsizetype i = 0;
    for (int r = 0; r < table.rowCount(); ++r) {
        for (int c = 0; c < table.colCount(); ++c) {
            if (i >= texts.size() || table.cellView(c, r) != texts[i++])
                return false;
        }
    }
    return i == texts.size();
}

bool anyStartsWithMark(const QString &base)
{
    for (const QString &ext : extensions) {
        const QByteArray bytes = readScratchFile(base + ext);
        if (bytes.startsWith("\xEF\xBB\xBF") || bytes.startsWith("\xFF\xFE") || bytes.startsWith("\xFE\xFF"))
            return true;
    }
    return false;
}

void checkOpenError(const QString &message)
{
    FUZZ_CHECK(message.isEmpty() || message.startsWith(QStringLiteral("Cannot open file \""))
                  || message == QStringLiteral("List index out of bounds (0)"),
              "opening fails only with the open error or the empty-name error", visible(message));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size == 0)
        return 0;
    const int filterIndex = (data[0] & 1) ? 2 : 1;
    const QByteArray input(reinterpret_cast<const char *>(data + 1), qsizetype(size - 1));

    const QString folder = scratchFolder();
    const QString opened = folder + QStringLiteral("/opened");
    const QString saved = folder + QStringLiteral("/saved");
    for (const QString &ext : extensions) {
        removeScratchFile(opened + ext);
        removeScratchFile(saved + ext);
    }
    qsizetype from = 0;
    for (const QString &ext : extensions) {
        if (from > input.size())
            break;
        qsizetype to = input.indexOf("|||", from);
        if (to < 0)
            to = input.size();
        writeScratchFile(opened + ext, QByteArrayView(input).sliced(from, to - from));
        from = to + 3;
    }

    Project project;
    checkOpenError(project.open(opened + extensions[0], filterIndex));
    FUZZ_CHECK(project.sheet.inputs.rowCount() == 8 && project.sheet.results.rowCount() == 11,
              "opening keeps the tables' shape");

    if (project.sheet.projectName().isEmpty())
        project.sheet.setProjectName(QStringLiteral("fuzz"));
    const QString name = project.sheet.projectName();
    const QStringList inputs = storedCells(project.sheet.inputs);
    const QStringList results = storedCells(project.sheet.results);
    project.save(saved);
    const QByteArray first = fileSet(saved);

    // A saved name or first row that begins like a byte order mark is read as one.
    if (anyStartsWithMark(saved))
        return 0;
    checkOpenError(project.open(saved + extensions[0], 1));
    FUZZ_CHECK(project.sheet.projectName() == storedForm(name), "the name comes back",
               visible(name) + QStringLiteral(" -> ") + visible(project.sheet.projectName()));
    FUZZ_CHECK(holds(project.sheet.inputs, inputs), "the inputs come back",
               visible(inputs) + QStringLiteral("\n") + visible(allCells(project.sheet.inputs)));
    FUZZ_CHECK(holds(project.sheet.results, results), "the results come back",
               visible(results) + QStringLiteral("\n") + visible(allCells(project.sheet.results)));

    project.save(saved);
    const QByteArray second = fileSet(saved);
    checkOpenError(project.open(saved + extensions[0], 1));
    project.save(saved);
    FUZZ_CHECK(fileSet(saved) == second, "from the second saving on the files stay the same",
              QString::fromLatin1(first.toHex(' ')) + u'\n' + QString::fromLatin1(second.toHex(' ')));
    return 0;
}
