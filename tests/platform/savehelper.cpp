// quorvel_savehelper FIRST SECOND SIZE: saves SIZE bytes to FIRST and a line to SECOND
// as one set, for a test to kill while it writes.
#include "files.h"

#include <QCoreApplication>
#include <QStringList>

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 4)
        return 2;
    const QByteArray big(args[3].toLongLong(), 'n');
    const auto outcome = quorvel::writeWholeFiles({{args[1], big}, {args[2], "new small\r\n"}});
    return outcome.kind == quorvel::WriteOutcome::Written ? 0 : 1;
}
