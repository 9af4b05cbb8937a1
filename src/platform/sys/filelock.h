#pragma once

// Linux only: Windows shares files through the share modes of CreateFileW instead.

namespace quorvel {

// An advisory lock held while a whole-file read (shared) or write (exclusive) runs,
// so that two running copies of the program honour each other's sharing rules.
class FileLock {
public:
    enum class Mode { Shared, Exclusive };
    // Takes the lock on an open descriptor without waiting; locked() tells whether
    // it was granted.
    FileLock(int fd, Mode mode);
    ~FileLock();
    FileLock(const FileLock &) = delete;
    FileLock &operator=(const FileLock &) = delete;
    bool locked() const { return locked_; }
    int error() const { return error_; } // errno when not locked

private:
    int fd_;
    bool locked_ = false;
    int error_ = 0;
};

} // namespace quorvel
