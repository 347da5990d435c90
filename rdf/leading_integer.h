#pragma once
// Integers read from text (schema bounds and widths, cardinality literals, counts) by one rule.
#include <string>

// The leading decimal integer as atoi reads it: leading white space, an optional sign, digits up to the
// first other character; 0 when there are none. Values beyond int are clamped to its range.
int leadingInteger(const std::string& text);
