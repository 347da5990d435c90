#pragma once
// The conversion layers print their progress on std::cout. The named command keeps standard output for its
// result: while a ConsoleFilter lives, std::cout goes to standard error, every line of it or only the lines
// that report a problem.
#include <ostream>
#include <streambuf>
#include <string>

// Whether a printed line reports a problem (error, exception, warning) rather than progress.
bool isProblemLine(const std::string& line);

class ConsoleFilter : private std::streambuf {
public:
    ConsoleFilter(std::ostream& source, std::ostream& target, bool everything);
    ~ConsoleFilter() override;
    ConsoleFilter(const ConsoleFilter&) = delete;
    ConsoleFilter& operator=(const ConsoleFilter&) = delete;

private:
    int overflow(int c) override;
    int sync() override;
    void emitLine();

    std::ostream& source_;
    std::streambuf* target_;
    std::streambuf* saved_;
    bool everything_;
    std::string line_;
};
