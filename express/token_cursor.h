#pragma once
// A read position in a statement's token list. Readers consume tokens from the front; a position past
// the end reads as an empty token, so a statement shorter than a reader expects never reads out of bounds.
#include <string>
#include <vector>

class TokenCursor {
public:
    explicit TokenCursor(const std::vector<std::string>& tokens) : tokens_(&tokens) {}

    std::size_t size() const { return tokens_->size() - first_; }
    bool empty() const { return size() == 0; }
    // The i-th remaining token, or an empty text past the end.
    const std::string& operator[](std::size_t i) const {
        static const std::string none;
        return i < size() ? (*tokens_)[first_ + i] : none;
    }
    const std::string& front() const { return (*this)[0]; }
    // Removes up to n tokens from the front.
    void drop(std::size_t n = 1) { first_ += n < size() ? n : size(); }
    // Each remaining token followed by one blank.
    std::string joinedWithBlanks() const {
        std::string text;
        for (std::size_t i = first_; i < tokens_->size(); ++i) {
            text += (*tokens_)[i];
            text += ' ';
        }
        return text;
    }

private:
    const std::vector<std::string>* tokens_;
    std::size_t first_ = 0;
};
