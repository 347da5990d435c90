#pragma once
// The type named by an attribute or a TYPE declaration: NAME, or NAME(N) for a sized type.
#include <string>
#include <vector>

struct TypeReference {
    std::string name;
    std::string size;  // N of NAME(N), its ")" removed; empty for a plain name
    bool sized = false;
};

// Reads the token after removing its ";". False when it holds "(" but no size follows (nothing is set then).
bool readTypeReference(const std::string& token, TypeReference& reference);

// The bounds token "[lower:upper]" without its brackets, split at ":" (empty pieces dropped).
std::vector<std::string> aggregationBounds(const std::string& token);
