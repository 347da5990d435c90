#pragma once
// An exclusive advisory lock (flock) on a lock file, held for the object's lifetime, so that two runs
// writing into one repository take turns at a read-merge-write.
#include <string>

namespace RdfCpp {

class FileLock {
public:
    // Creates the lock file and waits for the lock; locked() tells whether it was obtained. The file is
    // removed again when the lock is released.
    explicit FileLock(const std::string& lockFile);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool locked() const { return locked_; }
    const std::string& error() const { return error_; }

private:
    std::string path_;
    int fd_ = -1;
    bool locked_ = false;
    std::string error_;
};

}  // namespace RdfCpp
