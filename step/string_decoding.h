#pragma once
// Exchange-file strings to UTF-8: the doubled quote, \\, \S\, \X\hh, \X2\...\X0\ and \X4\...\X0\ escapes;
// raw bytes that are not UTF-8 are read as ISO 8859-1.
#include <cstddef>
#include <string>

namespace Step {

// Decodes the characters between the quotes. False for a malformed escape or a code point outside Unicode;
// errorAt then holds the offset of the escape within [begin, end).
bool decodeStepString(const char* begin, const char* end, std::string& out, std::size_t& errorAt);

void appendUtf8(std::string& out, char32_t codePoint);

}  // namespace Step
