#include "express/type_reference.h"

#include <vector>

#include "express/text_ops.h"

bool readTypeReference(const std::string& token, TypeReference& reference) {
    const std::string text = erasedAll(token, {";"});
    if (text.find('(') == std::string::npos) {
        reference.name = text;
        return true;
    }
    std::vector<std::string> parts = splitNonEmpty(text, "(");
    if (parts.size() < 2) return false;
    reference.name = parts[0];
    reference.size = erasedAll(parts[1], {")"});
    reference.sized = true;
    return true;
}

std::vector<std::string> aggregationBounds(const std::string& token) {
    return splitNonEmpty(erasedAll(token, {"[", "]"}), ":");
}
