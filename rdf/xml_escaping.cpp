#include "rdf/xml_escaping.h"

namespace RdfCpp {
namespace {

// One UTF-8 sequence at text[at]; its length in length, 0 when it is malformed.
unsigned long decodeUtf8(const std::string& text, std::size_t at, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[at]);
    length = 0;
    std::size_t extra;
    unsigned long c;
    if (lead < 0x80) {
        length = 1;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1;
        c = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2;
        c = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3;
        c = lead & 0x07;
    } else {
        return 0;
    }
    if (at + extra >= text.size()) return 0;
    for (std::size_t i = 1; i <= extra; ++i) {
        const auto next = static_cast<unsigned char>(text[at + i]);
        if ((next & 0xC0) != 0x80) return 0;
        c = (c << 6) | (next & 0x3F);
    }
    static const unsigned long smallest[] = {0, 0x80, 0x800, 0x10000};
    if (c < smallest[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    length = extra + 1;
    return c;
}

bool isLetter(unsigned long c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
    return (c >= 0xC0 && c <= 0x2FF && c != 0xD7 && c != 0xF7) || (c >= 0x370 && c <= 0x1FFF && c != 0x37E) ||
           (c >= 0x3041 && c <= 0xD7FF) || (c >= 0xF900 && c <= 0xFFFD) || (c >= 0x10000 && c <= 0xEFFFF);
}

bool isNameStart(unsigned long c) { return isLetter(c) || c == '_'; }

bool isNameChar(unsigned long c) {
    return isNameStart(c) || (c >= '0' && c <= '9') || c == '.' || c == '-' || c == 0xB7 ||
           (c >= 0x300 && c <= 0x36F) || c == 0x203F || c == 0x2040;
}

}  // namespace

bool appendXmlEscaped(std::string& out, const std::string& text, char quote) {
    std::size_t plain = 0;  // start of the run of characters copied as they are
    for (std::size_t i = 0; i < text.size();) {
        const char ch = text[i];
        const auto c = static_cast<unsigned char>(ch);
        if (c >= 0x80) {
            std::size_t length;
            decodeUtf8(text, i, length);
            if (length == 0) return false;
            i += length;
            continue;
        }
        const bool special = ch == '&' || ch == '<' || ch == '>' || ch == quote || c < 0x20;
        if (!special || (ch == '>' && quote) || (!quote && (c == 0x09 || c == 0x0A))) {
            ++i;
            continue;
        }
        out.append(text, plain, i - plain);
        plain = ++i;
        if (ch == '&') {
            out += "&amp;";
        } else if (ch == '<') {
            out += "&lt;";
        } else if (ch == '>') {
            out += "&gt;";
        } else if (ch == quote) {
            out += "&quot;";
        } else if (c == 0x0D) {
            out += "&#xD;";
        } else if (c == 0x09) {
            out += "&#x9;";
        } else if (c == 0x0A) {
            out += "&#xA;";
        } else {
            return false;
        }
    }
    out.append(text, plain, std::string::npos);
    return true;
}

std::size_t xmlLocalNameStart(const std::string& iri) {
    // Walk the code points, remembering where the current run of name characters began its first name
    // start; the run that reaches the end gives the longest suffix that is a name.
    std::size_t candidate = std::string::npos;
    for (std::size_t i = 0; i < iri.size();) {
        std::size_t length;
        const unsigned long c = decodeUtf8(iri, i, length);
        if (length == 0) return std::string::npos;
        if (!isNameChar(c))
            candidate = std::string::npos;
        else if (candidate == std::string::npos && isNameStart(c))
            candidate = i;
        i += length;
    }
    if (candidate == 0) return std::string::npos;
    return candidate;
}

}  // namespace RdfCpp
