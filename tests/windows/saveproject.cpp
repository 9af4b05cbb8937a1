// quorvel_saveproject DATABASE FOLDER: works the worked example out on DATABASE's
// catalogs (pump row 1, tank row 3) and saves it as the main window does, as
// FOLDER/worked.qvl, .dat and .res, with the pumps and tanks catalogs saved beside it,
// so that the files each system's build writes can be compared.
#include "catalogfiles.h"
#include "designcalculation.h"
#include "error.h"
#include "projectfiles.h"
#include "projectsheet.h"
#include "support/fakefiledialogs.h"
#include "support/fakemessageboxes.h"
#include "support/workedexample.h"

#include <QCoreApplication>
#include <QDir>

#include <cstdio>

using namespace quorvel;

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 3)
        return 2;
    const QString database = QDir(args[1]).absolutePath() + QLatin1Char('/');
    const QDir folder(args[2]);
    try {
        Catalogs catalogs;
        catalogs.load(database);
        ProjectSheet sheet;
        sheet.createTables();
        for (int row = 1; row <= 7; ++row)
            sheet.inputs.setCell(2, row, WorkedExample::inputs[row - 1]);
        FixedPicks picks(1, 3);
        DesignCalculation calculation;
        calculation.run(InputTexts::fromTable(sheet.inputs), catalogs.tables(), picks, &sheet.results);
        sheet.setProjectName(QStringLiteral("Worked example ünd Ñame"));

        FakeMessageBoxes boxes;
        FakeFileDialogs dialogs;
        dialogs.confirm(FakeFileDialogs::Kind::Save, folder.filePath(QStringLiteral("worked")));
        ProjectFiles files(sheet, boxes, dialogs, nullptr);
        files.saveProject();
        saveCatalog(catalogs.pumps, folder.filePath(QStringLiteral("pumps.csv")));
        saveCatalog(catalogs.tanks, folder.filePath(QStringLiteral("storage.csv")));
    } catch (const Error &error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
