#include "rdf/atomic_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <boost/filesystem/path.hpp>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>
#include <vector>

namespace RdfCpp {
namespace {

std::string systemError(const std::string& what, const std::string& path) {
    return what + " " + path + ": " + std::strerror(errno);
}

// The permissions the target would get if it were created plainly (or already has).
mode_t targetMode(const std::string& target) {
    struct stat status;
    if (stat(target.c_str(), &status) == 0) return status.st_mode & 07777;
    const mode_t mask = umask(0);
    umask(mask);
    return 0666 & ~mask;
}

// An exception from write must not leave the temporary file behind.
bool writeGuarded(const std::function<bool(const std::string&)>& write, const std::string& temp) {
    try {
        return write(temp);
    } catch (...) {
        std::remove(temp.c_str());
        throw;
    }
}

}  // namespace

bool replaceFileAtomically(const std::string& target, const std::function<bool(const std::string&)>& write,
                           std::string& error) {
    // Renaming over a device, a pipe or a folder would replace it with a plain file.
    struct stat existing;
    if (stat(target.c_str(), &existing) == 0 && !S_ISREG(existing.st_mode)) {
        error = "cannot replace " + target + ": not a regular file";
        return false;
    }
    const boost::filesystem::path targetPath(target);
    boost::filesystem::path folder = targetPath.parent_path();
    if (folder.empty()) folder = ".";
    const std::string pattern = (folder / ("." + targetPath.filename().string() + ".tmp-XXXXXX")).string();
    std::vector<char> name(pattern.begin(), pattern.end());
    name.push_back('\0');
    const int fd = mkstemp(name.data());
    if (fd < 0) {
        error = systemError("cannot create a temporary file beside", target);
        return false;
    }
    const std::string temp(name.data());
    const bool modeSet = fchmod(fd, targetMode(target)) == 0;
    close(fd);
    if (!modeSet) {
        error = systemError("cannot set the permissions of", temp);
    } else if (errno = 0, !writeGuarded(write, temp)) {
        error = "cannot write " + target + (errno ? std::string(": ") + std::strerror(errno) : std::string());
    } else if (std::rename(temp.c_str(), target.c_str()) != 0) {
        error = systemError("cannot replace", target);
    } else {
        return true;
    }
    std::remove(temp.c_str());
    return false;
}

bool writeTextAtomically(const std::string& target, const std::string& text, std::string& error) {
    return replaceFileAtomically(
        target,
        [&text](const std::string& temp) {
            std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(temp.c_str(), "wb"), &std::fclose);
            if (!file) return false;
            const bool written =
                std::fwrite(text.data(), 1, text.size(), file.get()) == text.size() && std::fflush(file.get()) == 0;
            const int writeErrno = errno;
            const bool closed = std::fclose(file.release()) == 0;
            if (!written) errno = writeErrno;
            return closed && written;
        },
        error);
}

}  // namespace RdfCpp
