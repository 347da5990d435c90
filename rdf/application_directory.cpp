#include "rdf/application_directory.h"

#include <unistd.h>

#include <boost/filesystem/operations.hpp>
#include <vector>

std::string applicationPath() {
    // readlink does not say whether it truncated: grow the buffer until the text fits with room to spare.
    for (std::size_t size = 256; size <= (1u << 20); size *= 2) {
        std::vector<char> buffer(size);
        ssize_t length = readlink("/proc/self/exe", buffer.data(), buffer.size());
        if (length < 0) return std::string();
        if (static_cast<std::size_t>(length) < buffer.size()) return std::string(buffer.data(), length);
    }
    return std::string();
}

std::string applicationDirectory() {
    const std::string path = applicationPath();
    const std::size_t slash = path.rfind('/');
    if (slash == std::string::npos) return path;
    if (slash == 0) return "/";
    return path.substr(0, slash);
}

std::string anchoredAtApplication(const std::string& path) {
    const std::string base = applicationDirectory();
    if (path.empty()) return base;
    return boost::filesystem::absolute(path, base).string();
}
