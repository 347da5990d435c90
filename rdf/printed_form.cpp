#include "rdf/printed_form.h"

#include <cstdint>

namespace Redland {
namespace {

const char* const HEX = "0123456789ABCDEF";

void appendHex(std::string& out, uint32_t value, int digits) {
    for (int shift = (digits - 1) * 4; shift >= 0; shift -= 4) out += HEX[(value >> shift) & 15];
}

// The length of the well-formed UTF-8 sequence at text[0] (shortest form, no surrogate, not U+FFFE/U+FFFF,
// at most U+10FFFF) and its code point; 0 when there is none.
size_t utf8Sequence(const unsigned char* text, size_t length, uint32_t& code) {
    const unsigned char lead = text[0];
    size_t size;
    uint32_t minimum;
    if (lead < 0x80) {
        code = lead;
        return 1;
    } else if ((lead & 0xe0) == 0xc0) {
        size = 2, minimum = 0x80, code = lead & 0x1f;
    } else if ((lead & 0xf0) == 0xe0) {
        size = 3, minimum = 0x800, code = lead & 0x0f;
    } else if ((lead & 0xf8) == 0xf0) {
        size = 4, minimum = 0x10000, code = lead & 0x07;
    } else {
        return 0;
    }
    if (length < size) return 0;
    for (size_t i = 1; i < size; ++i) {
        if ((text[i] & 0xc0) != 0x80) return 0;
        code = (code << 6) | (text[i] & 0x3f);
    }
    if (code < minimum || code > 0x10ffff || (code >= 0xd800 && code <= 0xdfff) || code == 0xfffe || code == 0xffff)
        return 0;
    return size;
}

// raptor's escaping of a literal's text (delimiter '"') or an IRI (delimiter '>'): '\' and a '"' delimiter
// after a backslash, a '>' delimiter as \u003E, ASCII below DEL as it is, everything else as \uXXXX or
// \UXXXXXXXX. False for a NUL or malformed UTF-8, where raptor's writer stops.
bool appendEscaped(std::string& out, const unsigned char* text, size_t length, char delimiter) {
    for (size_t i = 0; i < length;) {
        const unsigned char c = text[i];
        if (c == '\\' || (c == '"' && delimiter == '"')) {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == static_cast<unsigned char>(delimiter)) {
            out += "\\u";
            appendHex(out, c, 4);
        } else if (c == 0) {
            return false;
        } else if (c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            uint32_t code = 0;
            const size_t size = utf8Sequence(text + i, length - i, code);
            if (size == 0) return false;
            out += code < 0x10000 ? "\\u" : "\\U";
            appendHex(out, code, code < 0x10000 ? 4 : 8);
            i += size;
            continue;
        }
        ++i;
    }
    return true;
}

// The same with NUL as \u0000 and every byte from DEL up as \xHH: raptor never writes either form.
void appendBytewise(std::string& out, const unsigned char* text, size_t length, char delimiter) {
    for (size_t i = 0; i < length; ++i) {
        const unsigned char c = text[i];
        if (c == '\\' || (c == '"' && delimiter == '"')) {
            out += '\\';
            out += static_cast<char>(c);
        } else if (c == static_cast<unsigned char>(delimiter) || c == 0) {
            out += "\\u";
            appendHex(out, c, 4);
        } else if (c < 0x7f) {
            out += static_cast<char>(c);
        } else {
            out += "\\x";
            appendHex(out, c, 2);
        }
    }
}

void appendText(std::string& out, const unsigned char* text, size_t length, char delimiter) {
    const size_t start = out.size();
    if (appendEscaped(out, text, length, delimiter)) return;
    out.resize(start);
    appendBytewise(out, text, length, delimiter);
}

const unsigned char* bytes(std::string_view text) { return reinterpret_cast<const unsigned char*>(text.data()); }

void appendIri(std::string& out, std::string_view iri) {
    out += '<';
    appendText(out, bytes(iri), iri.size(), '>');
    out += '>';
}

}  // namespace

void appendPrintedForm(std::string& out, Node::Kind kind, std::string_view text, std::string_view datatype,
                       std::string_view language) {
    switch (kind) {
        case Node::Kind::Iri:
            appendIri(out, text);
            return;
        case Node::Kind::Blank:
            // raptor writes a label as it is.
            out += "<_:";
            out += text;
            out += '>';
            return;
        case Node::Kind::Literal:
            out += '"';
            appendText(out, bytes(text), text.size(), '"');
            out += '"';
            if (!language.empty()) {
                out += '@';
                out += language;
            }
            if (!datatype.empty()) {
                out += "^^";
                appendIri(out, datatype);
            }
            return;
    }
}

}  // namespace Redland
