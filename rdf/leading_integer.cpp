#include "rdf/leading_integer.h"

#include <climits>

int leadingInteger(const std::string& text) {
    std::string::size_type i = 0;
    auto isSpace = [](char c) { return c == ' ' || (c >= '\t' && c <= '\r'); };
    while (i < text.size() && isSpace(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    long long value = 0;  // magnitude, saturated just past the int range
    const long long limit = static_cast<long long>(INT_MAX) + 1;
    for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
        value = value * 10 + (text[i] - '0');
        if (value > limit) value = limit;
    }
    if (negative) return value >= limit ? INT_MIN : static_cast<int>(-value);
    return value >= limit ? INT_MAX : static_cast<int>(value);
}
