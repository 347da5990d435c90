#pragma once
// Text operations on schema tokens and rule texts. The editing operations work in place.
#include <initializer_list>
#include <string>
#include <vector>

#include "rdf/leading_integer.h"  // leadingInteger: the one rule for integers in schema text

// Removes every occurrence of pattern, scanning left to right, non-overlapping. An empty pattern does nothing.
void eraseAll(std::string& text, const std::string& pattern);

// One left-to-right pass replacing every non-overlapping occurrence of pattern.
void replaceAll(std::string& text, const std::string& pattern, const std::string& replacement);

// As long as pattern occurs, replaces its first occurrence (two blanks by one leaves no run of blanks).
// Linear in the text. A replacement that is not shorter than the pattern could rewrite forever, so it is
// applied in a single replaceAll pass instead.
void replaceRepeatedly(std::string& text, const std::string& pattern, const std::string& replacement);

// Splits at every character that is one of the separators and drops the empty pieces.
std::vector<std::string> splitNonEmpty(const std::string& text, const std::string& separators);

// A copy of text with eraseAll applied for each pattern, in the order given.
std::string erasedAll(std::string text, std::initializer_list<const char*> patterns);
