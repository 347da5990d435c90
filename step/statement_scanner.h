#pragma once
// Cuts an exchange file into statements (the text up to each ';' outside strings) while reading it in blocks,
// so a file of any size passes in bounded memory.
#include <cstdint>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

namespace Step {

struct Statement {
    std::string text;  // without the ';'; comments blanked out so offsets keep their line and column
    std::uint64_t offset = 0;
    std::uint64_t line = 1;
    std::uint32_t column = 1;
    bool complete = false;  // false: the file ended inside it
    bool overlong = false;  // longer than the scanner's limit: the text is not kept
};

// Line and column of an offset into the statement's text.
void positionOf(const Statement& statement, std::size_t offset, std::uint64_t& line, std::uint32_t& column);

class StatementScanner {
public:
    StatementScanner() = default;
    // False when the file cannot be opened.
    bool open(const std::string& path);
    // The next statement; false at the end of the file (with nothing left but blanks and comments).
    bool next(Statement& statement);
    // Statements longer than limit keep no text, so a file without ';' cannot fill the memory; with stop the
    // scan ends there, otherwise it goes on to the statement's end.
    void setLimit(std::size_t limit, bool stop) {
        limit_ = limit;
        stopAtLimit_ = stop;
    }
    std::uint64_t bytesRead() const { return consumed_; }
    std::uint64_t fileSize() const { return size_; }

private:
    bool fill();
    struct FileCloser {
        void operator()(std::FILE* file) const {
            if (file) std::fclose(file);
        }
    };
    std::unique_ptr<std::FILE, FileCloser> file_;
    std::vector<char> buffer_;
    std::size_t position_ = 0;
    std::size_t end_ = 0;
    std::uint64_t consumed_ = 0;  // file offset of buffer_[position_]
    std::uint64_t size_ = 0;
    std::uint64_t line_ = 1;
    std::uint32_t column_ = 1;
    std::size_t limit_ = static_cast<std::size_t>(-1);
    bool stopAtLimit_ = false;
};

}  // namespace Step
