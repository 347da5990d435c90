#include "rdf/term_escaping.h"

#include <string>

namespace RdfCpp {
namespace {

const char HEX[] = "0123456789ABCDEF";

void appendUnicodeEscape(std::string& out, unsigned char c) {
    out += "\\u00";
    out += HEX[c >> 4];
    out += HEX[c & 0xF];
}

bool isAsciiLetter(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
bool isAsciiDigit(char c) { return c >= '0' && c <= '9'; }
bool isNameChar(char c) { return isAsciiLetter(c) || isAsciiDigit(c) || c == '_' || c == '-'; }

bool isPlainBlankLabel(std::string_view label) {
    if (label.empty() || label.compare(0, 2, "x_") == 0) return false;
    if (!isAsciiLetter(label[0]) && !isAsciiDigit(label[0]) && label[0] != '_') return false;
    for (char c : label) {
        if (!isNameChar(c)) return false;
    }
    return true;
}

// A table: the chain of comparisons dominated writing large graphs.
struct IriEscapes {
    bool table[256] = {};
    IriEscapes() {
        for (int c = 0; c <= 0x20; ++c) table[c] = true;
        for (unsigned char c : std::string("<>\"{}|^`\\")) table[c] = true;
    }
};
const IriEscapes iriEscapes;

bool stringNeedsEscape(unsigned char c) { return c < 0x20 || c == 0x7F || c == '"' || c == '\\'; }

}  // namespace

void appendIriRef(std::string& out, std::string_view iri) {
    out += '<';
    // Plain runs go in whole: escaping one character at a time dominated writing large graphs.
    const bool* escape = iriEscapes.table;
    const char* data = iri.data();
    const std::size_t size = iri.size();
    std::size_t run = 0;
    for (std::size_t i = 0; i < size; ++i) {
        const auto c = static_cast<unsigned char>(data[i]);
        if (!escape[c]) continue;
        out.append(data + run, i - run);
        appendUnicodeEscape(out, c);
        run = i + 1;
    }
    out.append(data + run, size - run);
    out += '>';
}

void appendQuotedString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t run = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (!stringNeedsEscape(c)) continue;
        out.append(text, run, i - run);
        run = i + 1;
        switch (c) {
            case '"':
                out += "\\\"";
                break;
            case '\\':
                out += "\\\\";
                break;
            case '\n':
                out += "\\n";
                break;
            case '\r':
                out += "\\r";
                break;
            case '\t':
                out += "\\t";
                break;
            default:
                appendUnicodeEscape(out, c);
        }
    }
    out.append(text, run, std::string::npos);
    out += '"';
}

void appendBlankLabel(std::string& out, std::string_view label) {
    out += "_:";
    if (isPlainBlankLabel(label)) {
        out += label;
        return;
    }
    out += "x_";
    for (char ch : label) {
        const auto c = static_cast<unsigned char>(ch);
        out += HEX[c >> 4];
        out += HEX[c & 0xF];
    }
}

bool appendNTriplesTerm(std::string& out, const Term& term) {
    return appendTerm(out, term, [](std::string& text, const std::string& iri) { appendIriRef(text, iri); });
}

bool isLanguageTag(std::string_view tag) {
    std::size_t i = 0;
    while (i < tag.size() && isAsciiLetter(tag[i])) ++i;
    if (i == 0) return false;
    while (i < tag.size()) {
        if (tag[i++] != '-') return false;
        const std::size_t start = i;
        while (i < tag.size() && (isAsciiLetter(tag[i]) || isAsciiDigit(tag[i]))) ++i;
        if (i == start) return false;
    }
    return true;
}

bool isPrefixName(const std::string& name) {
    if (name.empty()) return true;
    if (!isAsciiLetter(name[0]) || name.back() == '.') return false;
    for (char c : name) {
        if (!isNameChar(c) && c != '.') return false;
    }
    return true;
}

bool isLocalName(std::string_view name) {
    if (name.empty()) return true;
    const char first = name[0];
    if (!isNameChar(first) && first != ':') return false;
    if (first == '-' || name.back() == '.') return false;
    for (char c : name) {
        if (!isNameChar(c) && c != '.' && c != ':') return false;
    }
    return true;
}

}  // namespace RdfCpp
