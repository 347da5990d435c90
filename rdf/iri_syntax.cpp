#include "rdf/iri_syntax.h"

#include <algorithm>
#include <cstring>

namespace RdfCpp {
namespace {

bool isAlpha(char c) { return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z'); }

bool isDigit(char c) { return c >= '0' && c <= '9'; }

}  // namespace

std::string iriFault(const std::string& text) {
    if (text.empty()) return "it is empty";
    const std::string::size_type colon = text.find(':');
    bool scheme = colon != std::string::npos && colon > 0 && isAlpha(text[0]);
    for (std::string::size_type i = 1; scheme && i < colon; ++i) {
        const char c = text[i];
        scheme = isAlpha(c) || isDigit(c) || c == '+' || c == '-' || c == '.';
    }
    if (!scheme) return "it does not start with a scheme such as https:";
    for (char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (byte < 0x20 || byte == 0x7f) return "it holds a control character";
        if (c == ' ') return "it holds a blank";
        if (std::strchr("<>\"{}|\\^`", c)) return std::string("it holds the character ") + c;
    }
    if (std::count(text.begin(), text.end(), '#') > 1) return "it holds more than one #";
    return std::string();
}

}  // namespace RdfCpp
