#include "rdf/file_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace RdfCpp {

// The holder removes the lock file when it is done, so the repository keeps no trace of it. A run that was
// waiting on the removed file then holds a lock nobody else sees: it notices that the path no longer names
// its file and starts over.
FileLock::FileLock(const std::string& lockFile) : path_(lockFile) {
    while (true) {
        fd_ = open(lockFile.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0666);
        if (fd_ < 0) {
            error_ = "cannot open the lock file " + lockFile + ": " + std::strerror(errno);
            return;
        }
        int result;
        do {
            result = flock(fd_, LOCK_EX);
        } while (result != 0 && errno == EINTR);
        if (result != 0) {
            error_ = "cannot lock " + lockFile + ": " + std::strerror(errno);
            return;
        }
        struct stat held, named;
        if (fstat(fd_, &held) == 0 && stat(lockFile.c_str(), &named) == 0 && held.st_dev == named.st_dev &&
            held.st_ino == named.st_ino) {
            locked_ = true;
            return;
        }
        close(fd_);
        fd_ = -1;
    }
}

FileLock::~FileLock() {
    if (locked_) unlink(path_.c_str());
    if (fd_ >= 0) close(fd_);  // closing releases the lock
}

}  // namespace RdfCpp
