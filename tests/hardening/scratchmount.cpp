#include "scratchmount.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sched.h>
#include <sys/mount.h>
#include <unistd.h>

namespace {

const char *const fillerName = "/.filler";

// Once per process: a mount namespace of our own whose mounts do not propagate to
// the machine's, so they vanish with the process whatever happens to it.
QString enterPrivateMountNamespace()
{
    static const QString failure = []() -> QString {
        if (unshare(CLONE_NEWNS) != 0)
            return QStringLiteral("unshare(CLONE_NEWNS): ") + QString::fromLocal8Bit(std::strerror(errno));
        if (mount(nullptr, "/", nullptr, MS_REC | MS_PRIVATE, nullptr) != 0)
            return QStringLiteral("making / private: ") + QString::fromLocal8Bit(std::strerror(errno));
        return QString();
    }();
    return failure;
}

} // namespace

ScratchMount::ScratchMount(qint64 bytes) : options_(QStringLiteral("size=%1,mode=0755").arg(bytes))
{
    if (!folder_.isValid()) {
        refusal_ = QStringLiteral("no temporary folder: ") + folder_.errorString();
        return;
    }
    refusal_ = enterPrivateMountNamespace();
    if (!refusal_.isEmpty())
        return;
    const QByteArray target = QFile::encodeName(folder_.path());
    if (mount("quorvel-test", target.constData(), "tmpfs", MS_NOSUID | MS_NODEV,
              options_.toLatin1().constData()) != 0) {
        refusal_ = QStringLiteral("mount tmpfs: ") + QString::fromLocal8Bit(std::strerror(errno));
        return;
    }
    mounted_ = true;
}

ScratchMount::~ScratchMount()
{
    if (mounted_)
        umount2(QFile::encodeName(folder_.path()).constData(), MNT_DETACH);
}

bool ScratchMount::fill()
{
    const QByteArray name = QFile::encodeName(folder_.path() + QLatin1String(fillerName));
    const int fd = open(name.constData(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return false;
    static const char block[4096] = {};
    ssize_t written;
    do
        written = write(fd, block, sizeof block);
    while (written > 0);
    const bool full = written < 0 && errno == ENOSPC;
    // Partial pages: write single bytes until nothing more fits.
    while (full && write(fd, block, 1) == 1) {
    }
    close(fd);
    return full;
}

bool ScratchMount::unfill()
{
    return QFile::remove(folder_.path() + QLatin1String(fillerName));
}

bool ScratchMount::remount(bool readOnly)
{
    const QByteArray target = QFile::encodeName(folder_.path());
    const unsigned long flags = MS_REMOUNT | MS_NOSUID | MS_NODEV | (readOnly ? MS_RDONLY : 0);
    return mount(nullptr, target.constData(), nullptr, flags, options_.toLatin1().constData()) == 0;
}
