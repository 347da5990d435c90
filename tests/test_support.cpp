#include "test_support.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <boost/filesystem.hpp>
#include <cstdlib>
#include <fstream>
#include <iostream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace testsupport {

std::string fixturePath(const std::string& name) { return std::string(SARTELL_SOURCE_DIR) + "/tests/fixtures/" + name; }

std::string sharedSchemaPath(const std::string& name) {
    std::string path = std::string(SARTELL_SOURCE_DIR) + "/../shared/schemas/" + name;
    struct stat st;
    return stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) ? path : std::string();
}

std::string readFile(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream out;
    out << in.rdbuf();
    return out.str();
}

void writeFile(const std::string& path, const std::string& content) {
    std::ofstream out(path, std::ios::binary);
    out << content;
}

TempDir::TempDir() {
    std::string pattern = (boost::filesystem::temp_directory_path() / "sartell-test-XXXXXX").string();
    if (!mkdtemp(&pattern[0])) throw std::runtime_error("mkdtemp failed");
    path_ = pattern;
}

TempDir::~TempDir() {
    boost::system::error_code ec;
    boost::filesystem::remove_all(path_, ec);
}

namespace {

std::map<int, std::unique_ptr<OutputCapture>>& currentCaptures() {
    static std::map<int, std::unique_ptr<OutputCapture>> captures;
    return captures;
}

void flushAll() {
    std::cout.flush();
    std::cerr.flush();
    std::fflush(nullptr);
}

}  // namespace

OutputCapture::OutputCapture(int fd) : fd_(fd) {
    flushAll();
    file_ = std::tmpfile();
    if (!file_) throw std::runtime_error("tmpfile failed");
    saved_ = dup(fd_);
    if (saved_ < 0 || dup2(fileno(file_), fd_) < 0) throw std::runtime_error("dup failed");
}

OutputCapture::~OutputCapture() {
    release();
    if (file_) std::fclose(file_);
}

void OutputCapture::release() {
    if (saved_ < 0) return;
    flushAll();
    dup2(saved_, fd_);
    close(saved_);
    saved_ = -1;
    std::rewind(file_);
    char buffer[65536];
    size_t n;
    while ((n = std::fread(buffer, 1, sizeof buffer, file_)) > 0) text_.append(buffer, n);
}

std::string OutputCapture::take() {
    release();
    return text_;
}

void startCapture(int fd) {
    auto& slot = currentCaptures()[fd];
    slot.reset();
    slot = std::make_unique<OutputCapture>(fd);
}

std::string capturedOutput(int fd) {
    auto& captures = currentCaptures();
    auto found = captures.find(fd);
    if (found == captures.end() || !found->second) return std::string();
    std::unique_ptr<OutputCapture> capture = std::move(found->second);
    captures.erase(found);
    return capture->take();
}

namespace {

std::string drain(int fd) {
    std::string text;
    char buffer[65536];
    ssize_t n;
    while ((n = read(fd, buffer, sizeof buffer)) > 0) text.append(buffer, static_cast<size_t>(n));
    close(fd);
    return text;
}

}  // namespace

RunResult runSartell(const std::vector<std::string>& args, const std::string& cwd) {
    TempDir scratch;
    std::string outPath = scratch.file("stdout"), errPath = scratch.file("stderr");
    pid_t pid = fork();
    if (pid == 0) {
        if (!cwd.empty() && chdir(cwd.c_str()) != 0) _exit(127);
        int out = open(outPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        int err = open(errPath.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0600);
        dup2(out, 1);
        dup2(err, 2);
        std::vector<char*> argv;
        std::string binary = SARTELL_BINARY;
        argv.push_back(&binary[0]);
        std::vector<std::string> copies(args);
        for (auto& a : copies) argv.push_back(&a[0]);
        argv.push_back(nullptr);
        execv(binary.c_str(), argv.data());
        _exit(127);
    }
    RunResult result;
    int status = 0;
    waitpid(pid, &status, 0);
    result.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    result.output = drain(open(outPath.c_str(), O_RDONLY));
    result.errors = drain(open(errPath.c_str(), O_RDONLY));
    return result;
}

}  // namespace testsupport
