#include "step/string_decoding.h"

#include <cstring>

namespace Step {
namespace {

int hexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

// count hex digits at p as one number; -1 when they are not all hex digits.
long readHex(const char* p, const char* end, int count) {
    if (end - p < count) return -1;
    long value = 0;
    for (int i = 0; i < count; ++i) {
        const int digit = hexDigit(p[i]);
        if (digit < 0) return -1;
        value = value * 16 + digit;
    }
    return value;
}

bool startsWith(const char* p, const char* end, const char* text) {
    const std::size_t n = std::strlen(text);
    return static_cast<std::size_t>(end - p) >= n && std::memcmp(p, text, n) == 0;
}

bool validCodePoint(long value) { return value > 0 && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF); }

// Length of a well-formed UTF-8 sequence at p, 0 when there is none.
std::size_t utf8Length(const unsigned char* p, const unsigned char* end) {
    const unsigned char lead = p[0];
    std::size_t length = 0;
    char32_t value = 0;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        value = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        value = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        value = lead & 0x07;
    } else {
        return 0;
    }
    if (static_cast<std::size_t>(end - p) < length) return 0;
    for (std::size_t i = 1; i < length; ++i) {
        if ((p[i] & 0xC0) != 0x80) return 0;
        value = (value << 6) | (p[i] & 0x3F);
    }
    const char32_t least[] = {0, 0, 0x80, 0x800, 0x10000};
    if (value < least[length] || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
    return length;
}

}  // namespace

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        out.push_back(static_cast<char>(0xC0 | (c >> 6)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        out.push_back(static_cast<char>(0xE0 | (c >> 12)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        out.push_back(static_cast<char>(0xF0 | (c >> 18)));
        out.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        out.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

bool decodeStepString(const char* begin, const char* end, std::string& out, std::size_t& errorAt) {
    out.clear();
    const char* p = begin;
    auto fail = [&](const char* at) {
        errorAt = static_cast<std::size_t>(at - begin);
        return false;
    };
    while (p < end) {
        const char c = *p;
        if (c == '\'') {
            out.push_back('\'');
            p += (p + 1 < end && p[1] == '\'') ? 2 : 1;
            continue;
        }
        if (static_cast<unsigned char>(c) >= 0x80) {
            const auto* u = reinterpret_cast<const unsigned char*>(p);
            const std::size_t length = utf8Length(u, reinterpret_cast<const unsigned char*>(end));
            if (length) {
                out.append(p, length);
                p += length;
            } else {
                appendUtf8(out, static_cast<unsigned char>(c));
                ++p;
            }
            continue;
        }
        if (c != '\\') {
            out.push_back(c);
            ++p;
            continue;
        }
        const char* escape = p;
        if (startsWith(p, end, "\\\\")) {
            out.push_back('\\');
            p += 2;
        } else if (startsWith(p, end, "\\S\\")) {
            if (end - p < 4) return fail(escape);
            // The upper half of the ISO 8859 page; only page A (Latin-1) is mapped.
            appendUtf8(out, static_cast<unsigned char>(p[3]) + 0x80u);
            p += 4;
        } else if (end - p >= 4 && p[1] == 'P' && p[2] >= 'A' && p[2] <= 'I' && p[3] == '\\') {
            p += 4;
        } else if (startsWith(p, end, "\\X\\")) {
            const long value = readHex(p + 3, end, 2);
            if (!validCodePoint(value)) return fail(escape);
            appendUtf8(out, static_cast<char32_t>(value));
            p += 5;
        } else if (startsWith(p, end, "\\X2\\") || startsWith(p, end, "\\X4\\")) {
            const int width = p[2] == '2' ? 4 : 8;
            p += 4;
            long high = -1;  // a pending UTF-16 high surrogate
            while (!startsWith(p, end, "\\X0\\")) {
                long value = readHex(p, end, width);
                if (value < 0) return fail(escape);
                p += width;
                if (width == 4 && value >= 0xD800 && value <= 0xDBFF && high < 0) {
                    high = value;
                    continue;
                }
                if (width == 4 && high >= 0) {
                    if (value < 0xDC00 || value > 0xDFFF) return fail(escape);
                    value = 0x10000 + ((high - 0xD800) << 10) + (value - 0xDC00);
                    high = -1;
                }
                if (!validCodePoint(value)) return fail(escape);
                appendUtf8(out, static_cast<char32_t>(value));
            }
            if (high >= 0) return fail(escape);
            p += 4;
        } else {
            // A lone backslash (a Windows path written by a careless exporter) stays as written.
            out.push_back('\\');
            ++p;
        }
    }
    return true;
}

}  // namespace Step
