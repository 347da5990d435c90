#include "step/record_parser.h"

#include "step/string_decoding.h"

namespace Step {

const char* kindName(StepValue::Kind kind) {
    switch (kind) {
        case StepValue::Kind::Missing:
            return "$";
        case StepValue::Kind::Derived:
            return "*";
        case StepValue::Kind::Integer:
            return "an integer";
        case StepValue::Kind::Real:
            return "a real";
        case StepValue::Kind::String:
            return "a string";
        case StepValue::Kind::Enumeration:
            return "an enumeration";
        case StepValue::Kind::Binary:
            return "a binary";
        case StepValue::Kind::Reference:
            return "a reference";
        case StepValue::Kind::Typed:
            return "a typed value";
        case StepValue::Kind::List:
            return "a list";
    }
    return "a value";
}

namespace {

// Deeper nesting is no real model: refusing it keeps the recursion bounded.
constexpr int maxDepth = 64;

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameChar(char c) { return isUpper(c) || isDigit(c) || c == '_' || (c >= 'a' && c <= 'z'); }

class Cursor {
public:
    Cursor(const std::string& text, ParseError& error) : text_(text), error_(error) {}

    void skipBlanks() {
        while (pos_ < text_.size() &&
               (text_[pos_] == ' ' || text_[pos_] == '\t' || text_[pos_] == '\n' || text_[pos_] == '\r'))
            ++pos_;
    }
    bool atEnd() {
        skipBlanks();
        return pos_ >= text_.size();
    }
    char peek() {
        skipBlanks();
        return pos_ < text_.size() ? text_[pos_] : '\0';
    }
    bool expect(char c, const char* what) {
        if (peek() != c) return fail(std::string("expected ") + what);
        ++pos_;
        return true;
    }
    bool fail(const std::string& message) {
        error_.offset = pos_;
        if (pos_ >= text_.size())
            error_.message = message + " before the end of the statement";
        else
            error_.message = message + " at '" + text_[pos_] + "'";
        return false;
    }
    bool failAt(std::size_t at, const std::string& message) {
        error_.offset = at;
        error_.message = message;
        return false;
    }

    // A keyword: a letter then letters, digits, '_'; '!' for user-defined ones.
    bool name(std::string& out) {
        skipBlanks();
        const std::size_t start = pos_;
        if (pos_ < text_.size() && text_[pos_] == '!') ++pos_;
        if (pos_ >= text_.size() || !(isUpper(text_[pos_]) || (text_[pos_] >= 'a' && text_[pos_] <= 'z')))
            return fail("expected an entity name");
        while (pos_ < text_.size() && isNameChar(text_[pos_])) ++pos_;
        out.assign(text_, start, pos_ - start);
        return true;
    }

    bool number(std::uint64_t& out) {
        if (!expect('#', "'#'")) return false;
        if (pos_ >= text_.size() || !isDigit(text_[pos_])) return fail("expected an instance number");
        std::uint64_t value = 0;
        while (pos_ < text_.size() && isDigit(text_[pos_])) {
            const unsigned digit = static_cast<unsigned>(text_[pos_] - '0');
            if (value > (UINT64_MAX - digit) / 10) return fail("instance number too large");
            value = value * 10 + digit;
            ++pos_;
        }
        out = value;
        return true;
    }

    bool parameters(std::vector<StepValue>& out, int depth) {
        if (!expect('(', "'('")) return false;
        out.clear();
        if (peek() == ')') {
            ++pos_;
            return true;
        }
        for (;;) {
            out.emplace_back();
            if (!value(out.back(), depth)) return false;
            const char c = peek();
            if (c == ',') {
                ++pos_;
                continue;
            }
            if (c == ')') {
                ++pos_;
                return true;
            }
            return fail("expected ',' or ')'");
        }
    }

    bool value(StepValue& v, int depth) {
        if (depth > maxDepth) return fail("values nested too deeply");
        const char c = peek();
        v.offset = pos_;
        v.items.clear();
        v.text.clear();
        switch (c) {
            case '$':
                ++pos_;
                v.kind = StepValue::Kind::Missing;
                return true;
            case '*':
                ++pos_;
                v.kind = StepValue::Kind::Derived;
                return true;
            case '#':
                v.kind = StepValue::Kind::Reference;
                return number(v.reference);
            case '\'':
                return string(v);
            case '.':
                return enumeration(v);
            case '"':
                return binary(v);
            case '(':
                v.kind = StepValue::Kind::List;
                return parameters(v.items, depth + 1);
            default:
                break;
        }
        if (c == '+' || c == '-' || isDigit(c)) return numeric(v);
        if (isUpper(c) || c == '!' || (c >= 'a' && c <= 'z')) {
            v.kind = StepValue::Kind::Typed;
            if (!name(v.text)) return false;
            return parameters(v.items, depth + 1);
        }
        return fail("expected a value");
    }

    bool string(StepValue& v) {
        v.kind = StepValue::Kind::String;
        const std::size_t start = ++pos_;
        for (;;) {
            if (pos_ >= text_.size()) return failAt(start - 1, "unterminated string");
            if (text_[pos_] == '\'') {
                if (pos_ + 1 < text_.size() && text_[pos_ + 1] == '\'') {
                    pos_ += 2;
                    continue;
                }
                break;
            }
            ++pos_;
        }
        std::size_t errorAt = 0;
        if (!decodeStepString(text_.data() + start, text_.data() + pos_, v.text, errorAt))
            return failAt(start + errorAt, "malformed string escape");
        ++pos_;
        return true;
    }

    bool enumeration(StepValue& v) {
        v.kind = StepValue::Kind::Enumeration;
        const std::size_t start = ++pos_;
        while (pos_ < text_.size() && isNameChar(text_[pos_])) ++pos_;
        if (pos_ == start || pos_ >= text_.size() || text_[pos_] != '.')
            return failAt(start - 1, "malformed enumeration value");
        v.text.assign(text_, start, pos_ - start);
        ++pos_;
        return true;
    }

    bool binary(StepValue& v) {
        v.kind = StepValue::Kind::Binary;
        const std::size_t start = ++pos_;
        while (pos_ < text_.size() && text_[pos_] != '"') {
            const char h = text_[pos_];
            if (!(isDigit(h) || (h >= 'A' && h <= 'F'))) return failAt(pos_, "malformed binary value");
            ++pos_;
        }
        if (pos_ >= text_.size() || pos_ == start || text_[start] > '3')
            return failAt(start - 1, "malformed binary value");
        v.text.assign(text_, start, pos_ - start);
        ++pos_;
        return true;
    }

    // [+-]digits[.digits*][E[+-]digits]; a real is written back with a digit after its point.
    bool numeric(StepValue& v) {
        const std::size_t start = pos_;
        if (text_[pos_] == '+' || text_[pos_] == '-') ++pos_;
        const std::size_t digits = pos_;
        while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_;
        if (pos_ == digits) return failAt(start, "malformed number");
        v.kind = StepValue::Kind::Integer;
        v.text.assign(text_, text_[start] == '+' ? start + 1 : start, pos_ - (text_[start] == '+' ? start + 1 : start));
        if (pos_ < text_.size() && text_[pos_] == '.') {
            v.kind = StepValue::Kind::Real;
            v.text.push_back('.');
            ++pos_;
            const std::size_t fraction = pos_;
            while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_;
            if (pos_ == fraction)
                v.text.push_back('0');
            else
                v.text.append(text_, fraction, pos_ - fraction);
            if (pos_ < text_.size() && (text_[pos_] == 'E' || text_[pos_] == 'e')) {
                v.text.push_back('E');
                ++pos_;
                if (pos_ < text_.size() && (text_[pos_] == '+' || text_[pos_] == '-')) v.text.push_back(text_[pos_++]);
                const std::size_t exponent = pos_;
                while (pos_ < text_.size() && isDigit(text_[pos_])) ++pos_;
                if (pos_ == exponent) return failAt(start, "malformed real");
                v.text.append(text_, exponent, pos_ - exponent);
            }
        }
        if (pos_ < text_.size() && (isNameChar(text_[pos_]) || text_[pos_] == '.'))
            return failAt(start, "malformed number");
        return true;
    }

    bool record(StepRecord& r) {
        skipBlanks();
        r.offset = pos_;
        if (!name(r.name)) return false;
        return parameters(r.parameters, 0);
    }

    bool complexParts(StepInstance& instance) {
        ++pos_;  // '('
        instance.isComplex = true;
        while (peek() != ')') {
            if (pos_ >= text_.size()) return fail("expected ')'");
            instance.parts.emplace_back();
            if (!record(instance.parts.back())) return false;
        }
        ++pos_;
        if (instance.parts.empty()) return failAt(pos_ - 1, "complex instance without parts");
        return true;
    }

    bool instance(StepInstance& instance) {
        instance.parts.clear();
        instance.isComplex = false;
        if (!number(instance.number)) return false;
        if (!expect('=', "'='")) return false;
        if (peek() == '(') {
            if (!complexParts(instance)) return false;
        } else {
            instance.parts.emplace_back();
            if (!record(instance.parts.back())) return false;
        }
        return atEnd() || fail("expected ';'");
    }

    // Skips a parenthesised group, strings included.
    bool skipGroup() {
        int depth = 0;
        while (pos_ < text_.size()) {
            const char c = text_[pos_++];
            if (c == '\'') {
                while (pos_ < text_.size()) {
                    if (text_[pos_++] == '\'') {
                        if (pos_ < text_.size() && text_[pos_] == '\'')
                            ++pos_;
                        else
                            break;
                    }
                }
            } else if (c == '(') {
                ++depth;
            } else if (c == ')') {
                if (--depth == 0) return true;
            }
        }
        return fail("expected ')'");
    }

    bool head(std::uint64_t& number, std::vector<std::string>& names) {
        names.clear();
        if (!this->number(number)) return false;
        if (!expect('=', "'='")) return false;
        if (peek() != '(') {
            names.emplace_back();
            return name(names.back());
        }
        ++pos_;
        while (peek() != ')' && pos_ < text_.size()) {
            names.emplace_back();
            if (!name(names.back())) return false;
            if (peek() != '(') return fail("expected '('");
            if (!skipGroup()) return false;
        }
        if (names.empty()) return fail("complex instance without parts");
        return true;
    }

private:
    const std::string& text_;
    ParseError& error_;
    std::size_t pos_ = 0;
};

}  // namespace

bool parseInstance(const std::string& text, StepInstance& instance, ParseError& error) {
    Cursor cursor(text, error);
    return cursor.instance(instance);
}

bool parseRecord(const std::string& text, StepRecord& record, ParseError& error) {
    Cursor cursor(text, error);
    return cursor.record(record) && (cursor.atEnd() || cursor.fail("expected ';'"));
}

bool scanInstanceHead(const std::string& text, std::uint64_t& number, std::vector<std::string>& names,
                      ParseError& error) {
    Cursor cursor(text, error);
    return cursor.head(number, names);
}

std::string statementKeyword(const std::string& text) {
    std::size_t begin = 0, end = text.size();
    while (begin < end && (text[begin] == ' ' || text[begin] == '\t' || text[begin] == '\n')) ++begin;
    while (end > begin && (text[end - 1] == ' ' || text[end - 1] == '\t' || text[end - 1] == '\n')) --end;
    for (std::size_t i = begin; i < end; ++i)
        if (!(isNameChar(text[i]) || text[i] == '-')) return {};
    return text.substr(begin, end - begin);
}

}  // namespace Step
