// Feeds every file of the given folders (or the given files) to a fuzz target's
// entry function once, in name order: the corpus replay that runs as a test without
// clang. A failing property aborts the run; the file being replayed is named first.
#include "fuzzcheck.h"

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cstdio>

int main(int argc, char **argv)
{
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString path = QString::fromLocal8Bit(argv[i]);
        if (QFileInfo(path).isDir()) {
            const QDir folder(path);
            for (const QString &name : folder.entryList(QDir::Files, QDir::Name))
                files << folder.filePath(name);
        } else {
            files << path;
        }
    }
    if (files.isEmpty()) {
        std::fprintf(stderr, "usage: %s <corpus folder or file>...\n", argv[0]);
        return 2;
    }
    for (const QString &path : files) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray bytes = file.readAll();
        std::fprintf(stderr, "replaying %s\n", qPrintable(path));
        LLVMFuzzerTestOneInput(reinterpret_cast<const uint8_t *>(bytes.constData()), size_t(bytes.size()));
    }
    std::printf("%lld inputs replayed\n", static_cast<long long>(files.size()));
    return 0;
}
