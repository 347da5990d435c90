#include "cli/console_filter.h"

bool isProblemLine(const std::string& line) {
    if (line.compare(0, 12, "- N.Errors: ") == 0) return false;  // the report's count, printed every run
    for (const char* marker : {"ERROR", "Error", "error", "Exception", "WARNING"}) {
        if (line.find(marker) != std::string::npos) return true;
    }
    return false;
}

ConsoleFilter::ConsoleFilter(std::ostream& source, std::ostream& target, bool everything)
    : source_(source), target_(target.rdbuf()), saved_(source.rdbuf(this)), everything_(everything) {}

ConsoleFilter::~ConsoleFilter() {
    if (!line_.empty()) emitLine();
    source_.rdbuf(saved_);
    target_->pubsync();
}

int ConsoleFilter::overflow(int c) {
    if (c == traits_type::eof()) return traits_type::not_eof(c);
    line_ += static_cast<char>(c);
    if (c == '\n') emitLine();
    return c;
}

// Straight to the target's buffer: standard error is tied to std::cout, so flushing it as a stream would
// flush this buffer again.
int ConsoleFilter::sync() { return target_->pubsync(); }

void ConsoleFilter::emitLine() {
    if (everything_ || isProblemLine(line_)) target_->sputn(line_.data(), static_cast<std::streamsize>(line_.size()));
    line_.clear();
}
