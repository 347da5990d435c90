#pragma once
// Shared helpers of the test programs.
#include <cstdio>
#include <string>
#include <vector>

namespace testsupport {

// A file of tests/fixtures.
std::string fixturePath(const std::string& name);
// A schema of ../shared/schemas, or "" when that folder is absent (a user's clone).
std::string sharedSchemaPath(const std::string& name);
std::string readFile(const std::string& path);
void writeFile(const std::string& path, const std::string& content);

// A fresh directory, removed with everything in it when the object goes.
class TempDir {
public:
    TempDir();
    ~TempDir();
    TempDir(const TempDir&) = delete;
    TempDir& operator=(const TempDir&) = delete;
    const std::string& path() const { return path_; }
    std::string file(const std::string& name) const { return path_ + "/" + name; }

private:
    std::string path_;
};

// Collects what the process writes to a file descriptor (standard output unless told otherwise), from C
// and C++ alike, while it lives or until take() hands the text over.
class OutputCapture {
public:
    explicit OutputCapture(int fd = 1);
    ~OutputCapture();
    OutputCapture(const OutputCapture&) = delete;
    OutputCapture& operator=(const OutputCapture&) = delete;
    // Gives the descriptor back and returns what it received meanwhile.
    std::string take();

private:
    void release();
    int fd_;
    int saved_ = -1;
    std::FILE* file_ = nullptr;
    std::string text_;
};

// A capture that starts and ends at two points of one test, one per descriptor at a time.
void startCapture(int fd = 1);
std::string capturedOutput(int fd = 1);  // ends the capture; "" when none was started

struct RunResult {
    int status = -1;     // exit status, or -1 when the process did not exit normally
    std::string output;  // standard output
    std::string errors;  // standard error
};

// Runs the sartell executable with the arguments, in the working directory cwd ("" = current).
RunResult runSartell(const std::vector<std::string>& args, const std::string& cwd = "");

}  // namespace testsupport

#define SKIP_WITHOUT_SHARED(path)                                               \
    do {                                                                        \
        if ((path).empty()) GTEST_SKIP() << "../shared/schemas is not present"; \
    } while (0)
