#include "express/text_ops.h"

void eraseAll(std::string& text, const std::string& pattern) { replaceAll(text, pattern, std::string()); }

void replaceAll(std::string& text, const std::string& pattern, const std::string& replacement) {
    if (pattern.empty()) return;
    std::string::size_type found = text.find(pattern);
    if (found == std::string::npos) return;
    std::string result;
    result.reserve(text.size());
    std::string::size_type from = 0;
    while (found != std::string::npos) {
        result.append(text, from, found - from);
        result += replacement;
        from = found + pattern.size();
        found = text.find(pattern, from);
    }
    result.append(text, from, std::string::npos);
    text.swap(result);
}

namespace {

bool isRunOf(const std::string& text, char c) { return text.find_first_not_of(c) == std::string::npos; }

// Pattern and replacement are runs of one character (two blanks by one): every run of that character
// in the text shrinks on its own until it is shorter than the pattern.
void shrinkRuns(std::string& text, char c, std::string::size_type patternSize, std::string::size_type replacementSize) {
    const std::string::size_type step = patternSize - replacementSize;
    std::string result;
    result.reserve(text.size());
    std::string::size_type i = 0;
    while (i < text.size()) {
        std::string::size_type end = text.find_first_not_of(c, i);
        if (end == std::string::npos) end = text.size();
        if (end == i) {
            result += text[i++];
            continue;
        }
        std::string::size_type run = end - i;
        if (run >= patternSize) run -= (run - patternSize + step) / step * step;
        result.append(run, c);
        i = end;
    }
    text.swap(result);
}

}  // namespace

void replaceRepeatedly(std::string& text, const std::string& pattern, const std::string& replacement) {
    if (pattern.empty()) return;
    if (replacement.size() >= pattern.size()) {
        replaceAll(text, pattern, replacement);
        return;
    }
    if (text.find(pattern) == std::string::npos) return;
    if (isRunOf(pattern, pattern[0]) && isRunOf(replacement, pattern[0])) {
        shrinkRuns(text, pattern[0], pattern.size(), replacement.size());
        return;
    }
    // All occurrences have the pattern's length, so the one that starts first is also the one that ends
    // first. Characters move into `done` one by one; `done` never holds an occurrence, so the first time
    // it ends with the pattern that is the text's first occurrence. Its replacement goes back in front of
    // the unread input, where it may take part in a new occurrence. Each replacement shortens the text,
    // which bounds the work.
    std::string done;
    done.reserve(text.size());
    std::string pending;  // replacement characters still to be read, consumed from the back
    std::string::size_type next = 0;
    while (!pending.empty() || next < text.size()) {
        if (!pending.empty()) {
            done += pending.back();
            pending.pop_back();
        } else {
            done += text[next++];
        }
        if (done.size() >= pattern.size() && done.compare(done.size() - pattern.size(), pattern.size(), pattern) == 0) {
            done.resize(done.size() - pattern.size());
            pending.append(replacement.rbegin(), replacement.rend());
        }
    }
    text.swap(done);
}

std::vector<std::string> splitNonEmpty(const std::string& text, const std::string& separators) {
    std::vector<std::string> pieces;
    std::string::size_type start = 0;
    while (start < text.size()) {
        std::string::size_type end = text.find_first_of(separators, start);
        if (end == std::string::npos) end = text.size();
        if (end > start) pieces.emplace_back(text, start, end - start);
        start = end + 1;
    }
    return pieces;
}

std::string erasedAll(std::string text, std::initializer_list<const char*> patterns) {
    for (const char* pattern : patterns) eraseAll(text, pattern);
    return text;
}
