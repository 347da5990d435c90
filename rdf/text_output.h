#pragma once
// A buffered text destination for the writers: a std::ostream or a C FILE* the caller keeps open.
// Writers append to buffer() and call flushIfFull(); every write is checked and a failure sticks.
#include <cstdio>
#include <ostream>
#include <string>

namespace RdfCpp {

class TextOutput {
public:
    explicit TextOutput(std::ostream& stream) : stream_(&stream) {}
    explicit TextOutput(std::FILE* file) : file_(file) {}
    TextOutput(const TextOutput&) = delete;
    TextOutput& operator=(const TextOutput&) = delete;

    std::string& buffer() { return buffer_; }
    void flushIfFull() {
        if (buffer_.size() >= FLUSH_SIZE) writeBuffer();
    }
    // Writes what is buffered and flushes the destination; false when anything was lost on the way.
    bool flush();
    bool ok() const { return ok_; }

private:
    static constexpr std::size_t FLUSH_SIZE = 1 << 16;
    void writeBuffer();

    std::ostream* stream_ = nullptr;
    std::FILE* file_ = nullptr;
    std::string buffer_;
    bool ok_ = true;
};

}  // namespace RdfCpp
