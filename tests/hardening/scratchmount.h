#pragma once

#include <QString>
#include <QTemporaryDir>

// A small tmpfs mounted on a fresh folder for one test, to make a disk full or a
// folder read-only for real. It is unmounted when the object goes away, on every
// path. The first mount also moves the process into a private mount namespace, so
// even a crashed test leaves no mount behind on the machine.
//
// Mounting needs root (or CAP_SYS_ADMIN); where the system refuses it, mounted() is
// false and refusal() tells why, for QSKIP.
class ScratchMount {
public:
    explicit ScratchMount(qint64 bytes);
    ~ScratchMount();
    ScratchMount(const ScratchMount &) = delete;
    ScratchMount &operator=(const ScratchMount &) = delete;

    bool mounted() const { return mounted_; }
    QString refusal() const { return refusal_; }
    QString path() const { return folder_.path(); }

    // Writes a file that takes every free block, so the next write fails with ENOSPC.
    bool fill();
    // Removes the file of fill().
    bool unfill();
    bool remount(bool readOnly);

private:
    QTemporaryDir folder_;
    QString options_;
    bool mounted_ = false;
    QString refusal_;
};
