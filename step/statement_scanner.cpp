#include "step/statement_scanner.h"

#include <sys/stat.h>

#include <string>

namespace Step {

void positionOf(const Statement& statement, std::size_t offset, std::uint64_t& line, std::uint32_t& column) {
    line = statement.line;
    column = statement.column;
    const std::size_t end = offset < statement.text.size() ? offset : statement.text.size();
    for (std::size_t i = 0; i < end; ++i) {
        if (statement.text[i] == '\n') {
            ++line;
            column = 1;
        } else {
            ++column;
        }
    }
}

bool StatementScanner::open(const std::string& path) {
    struct stat status;
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode)) return false;
    file_.reset(std::fopen(path.c_str(), "rb"));
    if (!file_) return false;
    size_ = static_cast<std::uint64_t>(status.st_size);
    buffer_.resize(1 << 20);
    position_ = end_ = 0;
    consumed_ = 0;
    line_ = 1;
    column_ = 1;
    return true;
}

bool StatementScanner::fill() {
    if (!file_) return false;
    position_ = 0;
    end_ = std::fread(buffer_.data(), 1, buffer_.size(), file_.get());
    return end_ > 0;
}

namespace {

// Characters that end a plain run outside strings and comments, and inside strings.
struct RunEnds {
    bool outside[256] = {};
    bool inString[256] = {};
    RunEnds() {
        for (unsigned char c : std::string(";'/\n\r")) outside[c] = true;
        for (unsigned char c : std::string("'\n")) inString[c] = true;
    }
};
const RunEnds runEnds;

}  // namespace

bool StatementScanner::next(Statement& statement) {
    enum class State { Outside, String, Comment };
    statement.text.clear();
    statement.complete = false;
    statement.overlong = false;
    State state = State::Outside;
    bool started = false;
    bool pendingSlash = false;
    bool starInComment = false;
    std::uint64_t slashOffset = 0, slashLine = 1;
    std::uint32_t slashColumn = 1;
    auto startAt = [&](std::uint64_t offset, std::uint64_t line, std::uint32_t column) {
        started = true;
        statement.offset = offset;
        statement.line = line;
        statement.column = column;
    };
    for (;;) {
        if (statement.text.size() > limit_) {
            statement.overlong = true;
            statement.text.clear();
            if (stopAtLimit_) return true;
        }
        if (position_ == end_ && !fill()) break;
        // Plain characters are copied a run at a time; only the ones that matter are looked at singly.
        if (started && !pendingSlash && state != State::Comment) {
            const bool* ends = state == State::String ? runEnds.inString : runEnds.outside;
            std::size_t stop = position_;
            while (stop < end_ && !ends[static_cast<unsigned char>(buffer_[stop])]) ++stop;
            if (stop > position_) {
                statement.text.append(buffer_.data() + position_, stop - position_);
                column_ += static_cast<std::uint32_t>(stop - position_);
                consumed_ += stop - position_;
                position_ = stop;
                if (position_ == end_) continue;
            }
        }
        const char c = buffer_[position_++];
        const std::uint64_t offset = consumed_++;
        const std::uint64_t line = line_;
        const std::uint32_t column = column_;
        if (c == '\n') {
            ++line_;
            column_ = 1;
        } else {
            ++column_;
        }
        if (state == State::String) {
            statement.text.push_back(c);
            if (c == '\'') state = State::Outside;
            continue;
        }
        if (state == State::Comment) {
            if (started) statement.text.push_back(c == '\n' ? '\n' : ' ');
            if (c == '/' && starInComment) state = State::Outside;
            starInComment = c == '*';
            continue;
        }
        if (pendingSlash) {
            pendingSlash = false;
            if (c == '*') {
                state = State::Comment;
                starInComment = false;
                if (started) statement.text.append("  ");
                continue;
            }
            if (!started) startAt(slashOffset, slashLine, slashColumn);
            statement.text.push_back('/');
        }
        if (c == '/') {
            pendingSlash = true;
            slashOffset = offset;
            slashLine = line;
            slashColumn = column;
            continue;
        }
        if (!started) {
            if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
            startAt(offset, line, column);
        }
        if (c == ';') {
            statement.complete = true;
            return true;
        }
        if (c == '\'') state = State::String;
        statement.text.push_back(c == '\r' ? ' ' : c);
    }
    if (pendingSlash) {
        if (!started) startAt(slashOffset, slashLine, slashColumn);
        statement.text.push_back('/');
    }
    return started;
}

}  // namespace Step
